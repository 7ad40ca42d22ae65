#pragma once

#include "CPayeeSetup.h"

#include <QDialog>

#include <array>
#include <optional>

class CColorEdit;
class CInventoryDoc;
class CNoteEdit;
class QLabel;

// "Customer Setup" or "Vendor Setup": the fields of one payee, a new one when no PayeeID is
// given; opened on the own company's id, the vendor form edits the own company ("My Company
// Profile"), creating its row when it is missing. The payee is kept by its PayeeID. OK saves
// through CPayeeSetup and closes unless the save asks for a correction (a store failure closes it
// too, having saved nothing); Cancel writes nothing.
class CPayeeSetupDlg : public QDialog
{
    Q_OBJECT

public:
    CPayeeSetupDlg(CInventoryDoc& doc, CPayeeSetup::Kind kind, std::optional<int32_t> payeeID,
                   QWidget* parent = nullptr);

    // After OK: the name of a created payee, or the new name of a renamed one; else empty.
    const QString& SavedName() const { return m_savedName; }
    // After OK: the payee that was saved; none when nothing was saved.
    std::optional<int32_t> SavedPayeeID() const { return m_savedID; }
    QString TitleText() const;

private:
    enum class Mode
    {
        New,
        Change,
        OwnCompany
    };

    void CreateControls(QWidget* page);
    void ShowPayee(const PayeeRecord& payee);
    void ShowStored();
    PayeeRecord TakeControls() const;
    CPayeeSetup::SaveResult Save(const PayeeRecord& payee);
    void Confirm();

    CInventoryDoc& m_doc;
    CPayeeSetup m_payees;
    Mode m_mode;
    std::optional<int32_t> m_payeeID;
    QString m_previousName;
    QLabel* m_title = nullptr;
    // By the record's text index; none for Country, which has no field, nor for the note.
    std::array<CColorEdit*, PayeeRecord::kTextCount> m_edits{};
    CNoteEdit* m_note = nullptr;
    QString m_savedName;
    std::optional<int32_t> m_savedID;
};
