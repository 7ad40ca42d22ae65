#pragma once

#include <QFont>
#include <QHeaderView>

// The header of the owner-drawn lists: each column's title drawn in a text font on one background
// colour, from one blank in. The header's height is a line of its own font plus a small edge. It
// takes no clicks, so its columns can be neither sorted nor resized. Lists with more elaborate
// titles derive and paint their sections themselves.
class CListHeaderCtrl : public QHeaderView
{
    Q_OBJECT

public:
    // The payee lists' header: an 8 pixel header font, titles in a 12 pixel font.
    explicit CListHeaderCtrl(const QColor& background, QWidget* parent = nullptr);

    QColor Background() const { return m_background; }
    QSize sizeHint() const override;

protected:
    CListHeaderCtrl(const QColor& background, int headerFontHeight, const QFont& textFont, QWidget* parent);

    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    const QFont& TextFont() const { return m_textFont; }
    QString HeaderText(int section, int role) const;

private:
    QColor m_background;
    QFont m_textFont;
};
