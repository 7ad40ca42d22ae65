#pragma once

#include "CPayeeSetupDlg.h"

// "Vendor Setup": a new vendor (no PayeeID) or the vendor with that PayeeID; on
// CInventoryDoc::kOwnCompanyPayeeID, "My Company Profile".
class CVendorSetupDlg final : public CPayeeSetupDlg
{
    Q_OBJECT

public:
    explicit CVendorSetupDlg(CInventoryDoc& doc, std::optional<int32_t> payeeID = std::nullopt,
                             QWidget* parent = nullptr)
        : CPayeeSetupDlg(doc, CPayeeSetup::Kind::Vendor, payeeID, parent)
    {}
};
