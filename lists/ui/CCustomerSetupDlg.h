#pragma once

#include "CPayeeSetupDlg.h"

// "Customer Setup": a new customer (no PayeeID) or the customer with that PayeeID.
class CCustomerSetupDlg final : public CPayeeSetupDlg
{
    Q_OBJECT

public:
    explicit CCustomerSetupDlg(CInventoryDoc& doc, std::optional<int32_t> payeeID = std::nullopt,
                               QWidget* parent = nullptr)
        : CPayeeSetupDlg(doc, CPayeeSetup::Kind::Customer, payeeID, parent)
    {}
};
