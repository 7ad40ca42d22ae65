#pragma once

#include "CListHeaderCtrl.h"

// The header of a list of two-line rows (the product list, the entry form's lines): two lines per
// column on the header colour with a rule between them, taken from the model's header texts
// (upper line, lower line, and the text beside the name, roles of CProductListModel). It takes no
// clicks, so its columns can be neither sorted nor resized.
class CProductHeaderCtrl final : public CListHeaderCtrl
{
    Q_OBJECT

public:
    static inline const QColor kBackground = QColor(238, 201, 162);

    // nameWidth: where the category part of column 0 begins.
    CProductHeaderCtrl(int nameWidth, QWidget* parent = nullptr, const QColor& background = kBackground);
    // The rows' name part changed width (their number columns were fitted to new amounts).
    void SetNameWidth(int nameWidth);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    int m_nameWidth;
};
