#pragma once

#include "CIconFactory.h"

#include <QDialog>
#include <QStringList>

class CIconPushButton;
class CInventoryDoc;
class QGridLayout;
class QLabel;
class QLineEdit;
class QTableWidget;

// What the category and sale tax setup dialogs share: a heading, a name field (and whatever
// fields a subclass adds below it), Add, Update and Delete, the list of the document's entries
// and a close button at the top right. A click on the list selects an entry and shows it in the
// fields; after every successful change the list is refilled and nothing is selected.
class CSetupListDlg : public QDialog
{
    Q_OBJECT

protected:
    CSetupListDlg(const QString& heading, const QString& nameLabel, QWidget* parent);

    // Fills the list and the fields; subclasses call it once their fields exist.
    void Initialize();
    QLineEdit* NameEdit() const { return m_name; }
    // The grid of the fields: row 0 holds the name; columns 0 label, 1 field, 2 unit.
    QGridLayout* Fields() const { return m_fields; }

    virtual QStringList Headers() const = 0;
    virtual QList<QStringList> Rows() const = 0;
    // Selects the entry at index (-1: none) in the flow and shows it in the fields.
    virtual void Select(int index) = 0;
    virtual bool Add() = 0;
    virtual bool Update() = 0;
    virtual bool Delete() = 0;

    void resizeEvent(QResizeEvent* event) override;

private:
    CIconPushButton* AddButton(CIconFactory::Kind icon, const QString& caption, const QString& objectName);
    void Fill();
    void SelectionChanged();
    void Run(bool (CSetupListDlg::*operation)());

    QLineEdit* m_name = nullptr;
    QGridLayout* m_fields = nullptr;
    CIconPushButton* m_add = nullptr;
    CIconPushButton* m_update = nullptr;
    CIconPushButton* m_delete = nullptr;
    CIconPushButton* m_close = nullptr;
    QTableWidget* m_list = nullptr;
};
