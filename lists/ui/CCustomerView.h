#pragma once

#include "CPayeeListView.h"

// "Customers List".
class CCustomerView final : public CPayeeListView
{
    Q_OBJECT

public:
    explicit CCustomerView(CInventoryDoc& doc, QWidget* parent = nullptr)
        : CPayeeListView(doc, CPayeeSetup::Kind::Customer, parent)
    {}
};
