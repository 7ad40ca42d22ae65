#pragma once

#include "CCategorySetup.h"
#include "CSetupListDlg.h"

// "Category Setup": the document's categories with Add, Update and Delete.
class CCategoryDlg final : public CSetupListDlg
{
    Q_OBJECT

public:
    explicit CCategoryDlg(CInventoryDoc& doc, QWidget* parent = nullptr);

protected:
    QStringList Headers() const override;
    QList<QStringList> Rows() const override;
    void Select(int index) override;
    bool Add() override { return m_setup.Add(); }
    bool Update() override { return m_setup.Update(); }
    bool Delete() override { return m_setup.Delete(); }

private:
    CInventoryDoc& m_doc;
    CCategorySetup m_setup;
};
