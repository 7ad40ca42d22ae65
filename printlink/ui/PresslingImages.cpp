#include "PresslingImages.h"

#include <QPainter>
#include <QPainterPath>

namespace PresslingImages {
namespace {

constexpr int kTraySize = 32;
constexpr int kPageSteps = 3;

// A printer filling a size x size square at the painter's origin; pageOut from 0 (no page) to 1 (a
// page fully out).
void PaintPrinter(QPainter& painter, double size, double pageOut)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);

    const QPen outline(QColor(40, 40, 40), 1.2);
    painter.setPen(outline);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(9, 2, 14, 10)); // the paper waiting on top
    painter.setBrush(QColor(70, 110, 170));
    painter.drawRoundedRect(QRectF(3, 10, 26, 13), 2.5, 2.5);
    painter.setBrush(QColor(120, 200, 90));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(24.5, 14), 1.6, 1.6);
    painter.setPen(outline);
    painter.setBrush(QColor(30, 50, 90));
    painter.drawRect(QRectF(7, 19, 18, 3)); // the output slot
    if (pageOut > 0) {
        painter.setBrush(Qt::white);
        const QRectF page(9, 20.5, 14, 10 * pageOut);
        painter.drawRect(page);
        painter.setPen(QPen(QColor(90, 90, 90), 0.8));
        for (double y = page.top() + 3; y < page.bottom() - 1; y += 2.5) {
            painter.drawLine(QPointF(11, y), QPointF(21, y));
        }
    }
    painter.restore();
}

QPixmap Printer(int size, double pageOut)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    PaintPrinter(painter, size, pageOut);
    return pixmap;
}

} // namespace

QList<QIcon> TrayImages()
{
    QList<QIcon> images;
    for (int step = 0; step <= kPageSteps; ++step) {
        images.append(QIcon(Printer(kTraySize, double(step) / kPageSteps)));
    }
    return images;
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addPixmap(Printer(size, 0));
    }
    return icon;
}

void PaintProgramIcon(QPainter& painter, double size)
{
    PaintPrinter(painter, size, 0);
}

QPixmap AboutPicture()
{
    return Printer(41, 1.0);
}

} // namespace PresslingImages
