#pragma once

#include <QFont>
#include <QHeaderView>

// The header of the payee lists: each column's title drawn in the header's own font on one
// background colour, from one blank in. The header's height follows the (smaller) font it is
// given. It takes no clicks, so its columns can be neither sorted nor resized.
class CListHeaderCtrl final : public QHeaderView
{
    Q_OBJECT

public:
    CListHeaderCtrl(const QColor& background, QWidget* parent = nullptr);

    QColor Background() const { return m_background; }
    QSize sizeHint() const override;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    QColor m_background;
    QFont m_textFont;
};
