#pragma once

#include "ITextMeasure.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

// One text of the page: written in one line with its top-left corner at origin, or, when wrapBox
// is not empty, wrapped at word breaks and clipped inside wrapBox.
struct PageText
{
    PageFont font;
    QPoint origin;
    QRect wrapBox;
    QString text;
};

// The printed page in printer pixels: the rectangles (white inside, black border of penWidth),
// then the texts drawn over them in order.
struct InvoicePage
{
    int penWidth = 1;
    QList<QRect> rects;
    QList<PageText> texts;
};

// The printer's page: its printable width and its resolution, both in printer pixels.
struct PageMetrics
{
    int width;
    int dpi;
};
