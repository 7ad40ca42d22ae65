#pragma once

#include "CPayeeListView.h"

// "Vendors List".
class CPayeeView final : public CPayeeListView
{
    Q_OBJECT

public:
    explicit CPayeeView(CInventoryDoc& doc, QWidget* parent = nullptr)
        : CPayeeListView(doc, CPayeeSetup::Kind::Vendor, parent)
    {}
};
