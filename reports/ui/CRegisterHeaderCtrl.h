#pragma once

#include "CListHeaderCtrl.h"

class CRegisterRowDelegate;

// The register's header: two lines per column on the header colour, each caption placed where the
// rows put the text it names ("Date", a rule, "Product" over "Payee"; "Amount" over "Inv Num";
// "Balance"), taken from the model's header texts. It takes no clicks.
class CRegisterHeaderCtrl final : public CListHeaderCtrl
{
    Q_OBJECT

public:
    static inline const QColor kBackground = QColor(154, 192, 206);

    explicit CRegisterHeaderCtrl(const CRegisterRowDelegate& rows, QWidget* parent = nullptr);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    const CRegisterRowDelegate& m_rows;
};
