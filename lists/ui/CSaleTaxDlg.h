#pragma once

#include "CSaleTaxSetup.h"
#include "CSetupListDlg.h"

class QLineEdit;

// "Sale Tax Setup": the document's sale taxes and their rates with Add, Update and Delete.
class CSaleTaxDlg final : public CSetupListDlg
{
    Q_OBJECT

public:
    explicit CSaleTaxDlg(CInventoryDoc& doc, QWidget* parent = nullptr);

protected:
    QStringList Headers() const override;
    QList<QStringList> Rows() const override;
    void Select(int index) override;
    bool Add() override { return m_setup.Add(); }
    bool Update() override { return m_setup.Update(); }
    bool Delete() override { return m_setup.Delete(); }

private:
    CInventoryDoc& m_doc;
    CSaleTaxSetup m_setup;
    QLineEdit* m_rate = nullptr;
};
