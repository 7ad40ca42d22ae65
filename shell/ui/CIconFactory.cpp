#include "CIconFactory.h"

#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

// Every painter draws on a 16 x 16 grid; the factory scales it to the pixmap.
using IconPainter = void (*)(QPainter&);

const QColor kOutline(40, 40, 40);
const QColor kCarton(214, 160, 90);
const QColor kCartonTop(236, 196, 130);
const QColor kPaper(252, 252, 246);
const QColor kGreen(46, 160, 67);
const QColor kRed(210, 45, 45);
const QColor kBlue(40, 110, 200);

QPen Outline(double width = 0.8)
{
    return QPen(kOutline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Shape(QPainter& p, const QPainterPath& path, const QColor& fill, double width = 0.8)
{
    p.setPen(Outline(width));
    p.setBrush(fill);
    p.drawPath(path);
}

void Polygon(QPainter& p, std::initializer_list<QPointF> points, const QColor& fill, double width = 0.8)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    Shape(p, path, fill, width);
}

void RoundRect(QPainter& p, const QRectF& rect, const QColor& fill, double radius = 1.0)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    Shape(p, path, fill);
}

void Line(QPainter& p, QPointF from, QPointF to, const QColor& color, double width)
{
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
}

// A carton seen from the front and a little above.
void Carton(QPainter& p, double x, double y, double w, double h)
{
    const double depth = h * 0.3;
    Polygon(p, {{x, y + depth}, {x + depth, y}, {x + w + depth, y}, {x + w, y + depth}}, kCartonTop);
    Polygon(p, {{x + w, y + depth}, {x + w + depth, y}, {x + w + depth, y + h - depth}, {x + w, y + h}}, kCarton);
    RoundRect(p, QRectF(x, y + depth, w, h - depth), kCarton, 0.2);
    Line(p, {x + w / 2, y + depth}, {x + w / 2, y + depth + (h - depth) * 0.35}, QColor(150, 100, 50), 0.8);
}

void Person(QPainter& p, double cx, double top, double size, const QColor& shirt)
{
    QPainterPath body;
    body.moveTo(cx - size * 0.5, top + size * 1.25);
    body.cubicTo(cx - size * 0.5, top + size * 0.6, cx + size * 0.5, top + size * 0.6, cx + size * 0.5,
                 top + size * 1.25);
    body.closeSubpath();
    Shape(p, body, shirt);
    QPainterPath head;
    head.addEllipse(QPointF(cx, top + size * 0.3), size * 0.26, size * 0.28);
    Shape(p, head, QColor(250, 214, 170));
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& color)
{
    Line(p, from, to, color, 2.0);
    const QPointF direction = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF normal(-direction.y(), direction.x());
    const QPointF tip = to + direction * 1.5;
    Polygon(p, {tip, to - direction * 1.5 + normal * 2.6, to - direction * 1.5 - normal * 2.6}, color, 0.4);
}

void Page(QPainter& p, const QRectF& rect)
{
    const double fold = rect.width() * 0.3;
    Polygon(p,
            {rect.topLeft(),
             {rect.right() - fold, rect.top()},
             {rect.right(), rect.top() + fold},
             rect.bottomRight(),
             rect.bottomLeft()},
            kPaper);
    Polygon(p,
            {{rect.right() - fold, rect.top()},
             {rect.right() - fold, rect.top() + fold},
             {rect.right(), rect.top() + fold}},
            QColor(220, 220, 210));
}

void Glyph(QPainter& p, const QRectF& rect, const QString& text, const QColor& color, double pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    // Glyphs are laid out at a large size and scaled down, so they keep their shape on the small grid.
    constexpr double kLayoutScale = 16.0;
    font.setPixelSize(static_cast<int>(pixelSize * kLayoutScale));
    p.save();
    p.scale(1.0 / kLayoutScale, 1.0 / kLayoutScale);
    p.setFont(font);
    p.setPen(color);
    const QRectF scaled(rect.topLeft() * kLayoutScale, rect.size() * kLayoutScale);
    p.drawText(scaled, Qt::AlignCenter, text);
    p.restore();
}

void PaintProgram(QPainter& p)
{
    // An open ledger with a quill.
    Polygon(p, {{1, 5}, {8, 6.5}, {8, 15}, {1, 13.5}}, kPaper);
    Polygon(p, {{15, 5}, {8, 6.5}, {8, 15}, {15, 13.5}}, kPaper);
    for (double y : {8.5, 10.5}) {
        Line(p, {2.5, y}, {6.5, y + 0.9}, QColor(150, 150, 150), 0.6);
    }
    QPainterPath feather;
    feather.moveTo(9.5, 12);
    feather.cubicTo(10, 6, 13, 2, 15.5, 0.5);
    feather.cubicTo(15, 4, 13, 9, 9.5, 12);
    Shape(p, feather, kBlue, 0.6);
    Line(p, {9.5, 12}, {8.8, 13.5}, kOutline, 0.8);
}

void PaintHome(QPainter& p)
{
    RoundRect(p, QRectF(3, 7.5, 10, 7.5), QColor(250, 236, 200), 0.3);
    Polygon(p, {{1, 8.5}, {8, 1.5}, {15, 8.5}}, QColor(200, 70, 50));
    RoundRect(p, QRectF(6.7, 10.5, 2.8, 4.5), QColor(140, 90, 50), 0.3);
}

void PaintProductList(QPainter& p)
{
    Page(p, QRectF(1.5, 0.5, 13, 15));
    for (double y : {3.5, 7.5, 11.5}) {
        RoundRect(p, QRectF(3, y, 2.5, 2.5), kCarton, 0.2);
        Line(p, {7, y + 1.25}, {12.5, y + 1.25}, QColor(110, 110, 110), 1.0);
    }
}

void PaintPayeeLists(QPainter& p)
{
    Person(p, 5.2, 2, 7, kGreen);
    Person(p, 10.8, 4, 8.5, kBlue);
}

void PaintSetupLists(QPainter& p)
{
    // A price tag.
    Polygon(p, {{1, 8}, {8, 1}, {15, 1}, {15, 8}, {8, 15}}, QColor(250, 200, 60));
    QPainterPath hole;
    hole.addEllipse(QPointF(12, 4), 1.3, 1.3);
    Shape(p, hole, Qt::white, 0.6);
    Line(p, {5, 8}, {9.5, 3.5}, QColor(160, 110, 20), 0.8);
    Line(p, {7, 10}, {11.5, 5.5}, QColor(160, 110, 20), 0.8);
}

void PaintInventoryAssets(QPainter& p)
{
    Line(p, {1, 15}, {15, 15}, kOutline, 1.0);
    RoundRect(p, QRectF(2, 9, 3, 5.5), QColor(120, 190, 240), 0.3);
    RoundRect(p, QRectF(6.5, 6, 3, 8.5), QColor(80, 160, 230), 0.3);
    RoundRect(p, QRectF(11, 2.5, 3, 12), kBlue, 0.3);
}

void PaintPurchase(QPainter& p)
{
    // Stock coming in.
    Carton(p, 1, 7, 10, 8.5);
    Arrow(p, {12.5, 0.5}, {12.5, 5}, kGreen);
}

void PaintSale(QPainter& p)
{
    // A shopping cart.
    Line(p, {0.5, 2}, {3, 2}, kOutline, 1.2);
    Polygon(p, {{3, 4}, {15, 4}, {13.2, 10}, {4.5, 10}}, QColor(120, 190, 240));
    Line(p, {3, 2}, {4.5, 10}, kOutline, 1.2);
    Line(p, {4.5, 10}, {4.8, 12}, kOutline, 1.2);
    Line(p, {4.8, 12}, {13, 12}, kOutline, 1.2);
    for (double x : {6, 12}) {
        QPainterPath wheel;
        wheel.addEllipse(QPointF(x, 14), 1.4, 1.4);
        Shape(p, wheel, kOutline, 0.4);
    }
}

void PaintCalculator(QPainter& p)
{
    RoundRect(p, QRectF(2.5, 0.5, 11, 15), QColor(90, 95, 105), 1.2);
    RoundRect(p, QRectF(4, 2, 8, 3.2), QColor(170, 220, 170), 0.3);
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            p.setBrush(column == 2 ? QColor(250, 170, 60) : QColor(235, 235, 235));
            p.drawRoundedRect(QRectF(4 + column * 2.8, 6.5 + row * 2.9, 2.2, 2.2), 0.4, 0.4);
        }
    }
}

void PaintReports(QPainter& p)
{
    Page(p, QRectF(2, 0.5, 12, 15));
    QPainterPath pie;
    pie.moveTo(8, 11);
    pie.arcTo(QRectF(4.5, 7.5, 7, 7), 90, 270);
    pie.closeSubpath();
    Shape(p, pie, kGreen, 0.6);
    QPainterPath slice;
    slice.moveTo(8.4, 10.6);
    slice.arcTo(QRectF(4.9, 7.1, 7, 7), 90, -90);
    slice.closeSubpath();
    Shape(p, slice, QColor(250, 200, 60), 0.6);
    Line(p, {4, 3.5}, {9.5, 3.5}, QColor(110, 110, 110), 1.0);
    Line(p, {4, 5.5}, {11, 5.5}, QColor(110, 110, 110), 1.0);
}

void PaintExit(QPainter& p)
{
    RoundRect(p, QRectF(1.5, 0.5, 8, 15), QColor(170, 110, 60), 0.3);
    Polygon(p, {{1.5, 0.5}, {6.5, 2.5}, {6.5, 15.5}, {1.5, 15.5}}, QColor(120, 75, 40));
    Arrow(p, {8, 8}, {13.2, 8}, kRed);
}

void PaintAdd(QPainter& p)
{
    QPainterPath disc;
    disc.addEllipse(QRectF(1, 1, 14, 14));
    Shape(p, disc, kGreen);
    Line(p, {8, 4.2}, {8, 11.8}, Qt::white, 2.2);
    Line(p, {4.2, 8}, {11.8, 8}, Qt::white, 2.2);
}

void PaintEdit(QPainter& p)
{
    // A pencil from the upper right to the lower left.
    Polygon(p, {{11.5, 1.5}, {14.5, 4.5}, {5, 14}, {2, 11}}, QColor(250, 200, 60));
    Polygon(p, {{11.5, 1.5}, {14.5, 4.5}, {13, 6}, {10, 3}}, QColor(240, 130, 150));
    Polygon(p, {{2, 11}, {5, 14}, {0.8, 15.2}}, QColor(240, 215, 170));
    Line(p, {1.4, 14.6}, {1.9, 14.1}, kOutline, 1.0);
}

void PaintDelete(QPainter& p)
{
    // A waste bin.
    Polygon(p, {{3, 4.5}, {13, 4.5}, {12, 15.5}, {4, 15.5}}, QColor(200, 205, 212));
    RoundRect(p, QRectF(1.5, 2.5, 13, 2), QColor(160, 165, 172), 0.4);
    RoundRect(p, QRectF(6, 0.8, 4, 1.7), QColor(160, 165, 172), 0.4);
    for (double x : {6, 8, 10}) {
        Line(p, {x, 6.5}, {x, 13.5}, QColor(110, 115, 122), 0.8);
    }
}

void PaintConfirm(QPainter& p)
{
    QPainterPath tick;
    tick.moveTo(1.5, 8.5);
    tick.lineTo(6, 13.5);
    tick.lineTo(14.5, 3);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOutline, 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    p.setPen(QPen(kGreen, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
}

void PaintCancel(QPainter& p)
{
    QPainterPath disc;
    disc.addEllipse(QRectF(1, 1, 14, 14));
    Shape(p, disc, kRed);
    Line(p, {5.2, 5.2}, {10.8, 10.8}, Qt::white, 2.2);
    Line(p, {10.8, 5.2}, {5.2, 10.8}, Qt::white, 2.2);
}

void PaintOnHand(QPainter& p)
{
    // Stock on the shelf: two cartons, one on the other.
    Carton(p, 1, 8, 9, 7.5);
    Carton(p, 3.5, 1, 8, 7);
}

void PaintCustomers(QPainter& p)
{
    Person(p, 8, 1, 12, kBlue);
}

void PaintVendors(QPainter& p)
{
    // A factory with a chimney.
    RoundRect(p, QRectF(11, 1, 2.5, 8), QColor(150, 150, 160), 0.2);
    Polygon(p, {{1, 15}, {1, 7}, {5, 9.5}, {5, 7}, {9, 9.5}, {9, 7}, {15, 9.5}, {15, 15}}, QColor(170, 110, 90));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 230, 120));
    for (double x : {3, 7, 11}) {
        p.drawRect(QRectF(x, 11, 2, 2));
    }
}

void PaintCategory(QPainter& p)
{
    Polygon(p, {{1, 3}, {6, 3}, {7.5, 4.5}, {15, 4.5}, {15, 14}, {1, 14}}, QColor(240, 190, 70));
    Polygon(p, {{1, 6.5}, {15, 6.5}, {15, 14}, {1, 14}}, QColor(250, 210, 100));
}

void PaintSaleTax(QPainter& p)
{
    QPainterPath disc;
    disc.addEllipse(QRectF(1, 1, 14, 14));
    Shape(p, disc, QColor(240, 140, 40));
    Glyph(p, QRectF(1, 1, 14, 14), QStringLiteral("%"), Qt::white, 10);
}

void PaintMyCompany(QPainter& p)
{
    RoundRect(p, QRectF(3, 1, 10, 14.5), QColor(120, 140, 170), 0.3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 230, 255));
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 3; ++column) {
            p.drawRect(QRectF(4.5 + column * 2.7, 2.5 + row * 2.6, 1.6, 1.6));
        }
    }
    RoundRect(p, QRectF(6.8, 12.5, 2.4, 3), QColor(90, 60, 40), 0.2);
}

// A printer with a sheet coming out of it.
void PaintPrint(QPainter& p)
{
    RoundRect(p, QRectF(4, 0.5, 8, 6), kPaper, 0.3);
    RoundRect(p, QRectF(0.5, 5, 15, 7), QColor(150, 155, 165), 1.2);
    Line(p, {3, 7.5}, {4.5, 7.5}, kGreen, 1.2);
    RoundRect(p, QRectF(3.5, 10, 9, 5.5), kPaper, 0.3);
    Line(p, {5, 12}, {11, 12}, kOutline, 0.6);
    Line(p, {5, 13.8}, {9.5, 13.8}, kOutline, 0.6);
}

void PaintHelp(QPainter& p)
{
    QPainterPath disc;
    disc.addEllipse(QRectF(1, 1, 14, 14));
    Shape(p, disc, kBlue);
    Glyph(p, QRectF(1, 1, 14, 14), QStringLiteral("?"), Qt::white, 11);
}

void PaintInformation(QPainter& p)
{
    QPainterPath disc;
    disc.addEllipse(QRectF(1, 1, 14, 14));
    Shape(p, disc, kBlue);
    Glyph(p, QRectF(1, 1, 14, 14), QStringLiteral("i"), Qt::white, 11);
}

void PaintWarning(QPainter& p)
{
    Polygon(p, {{8, 1}, {15.2, 14.5}, {0.8, 14.5}}, QColor(250, 200, 40));
    Glyph(p, QRectF(4, 4.5, 8, 10), QStringLiteral("!"), kOutline, 9);
}

IconPainter PainterFor(CIconFactory::Kind kind)
{
    using Kind = CIconFactory::Kind;
    static const QHash<Kind, IconPainter> painters = {
        {Kind::Program, PaintProgram},
        {Kind::Home, PaintHome},
        {Kind::ProductList, PaintProductList},
        {Kind::PayeeLists, PaintPayeeLists},
        {Kind::SetupLists, PaintSetupLists},
        {Kind::InventoryAssets, PaintInventoryAssets},
        {Kind::Purchase, PaintPurchase},
        {Kind::Sale, PaintSale},
        {Kind::Calculator, PaintCalculator},
        {Kind::Reports, PaintReports},
        {Kind::Exit, PaintExit},
        {Kind::Add, PaintAdd},
        {Kind::Edit, PaintEdit},
        {Kind::Delete, PaintDelete},
        {Kind::Confirm, PaintConfirm},
        {Kind::Cancel, PaintCancel},
        {Kind::OnHand, PaintOnHand},
        {Kind::Customers, PaintCustomers},
        {Kind::Vendors, PaintVendors},
        {Kind::Category, PaintCategory},
        {Kind::SaleTax, PaintSaleTax},
        {Kind::MyCompany, PaintMyCompany},
        {Kind::Print, PaintPrint},
        {Kind::Help, PaintHelp},
        {Kind::Information, PaintInformation},
        {Kind::Warning, PaintWarning},
    };
    return painters.value(kind, PaintHelp);
}

void PaintScaled(IconPainter paint, QPainter& painter, double size)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(size / 16.0, size / 16.0);
    paint(painter);
    painter.restore();
}

QPixmap PaintAtSize(IconPainter paint, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    PaintScaled(paint, painter, size);
    return pixmap;
}

} // namespace

QIcon CIconFactory::Icon(Kind kind)
{
    static QHash<Kind, QIcon> cache;
    auto cached = cache.constFind(kind);
    if (cached != cache.constEnd()) {
        return *cached;
    }
    QIcon icon;
    for (int size : {16, 20, 24, 32, 40, 48, 64, 96}) {
        icon.addPixmap(PaintAtSize(PainterFor(kind), size));
    }
    cache.insert(kind, icon);
    return icon;
}

void CIconFactory::Paint(Kind kind, QPainter& painter, double size)
{
    PaintScaled(PainterFor(kind), painter, size);
}

QPixmap CIconFactory::StartPicture(const QSize& size)
{
    QPixmap pixmap(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF area(QPointF(0, 0), QSizeF(size));
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, QColor(109, 191, 237));
    sky.setColorAt(1, QColor(232, 244, 252));
    painter.fillRect(area, sky);
    painter.setPen(QPen(QColor(60, 120, 170), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));

    const double emblem = size.height() * 0.72;
    const QPixmap program = PaintAtSize(PaintProgram, static_cast<int>(emblem));
    const double margin = (size.height() - emblem) / 2;
    painter.drawPixmap(QPointF(margin, margin), program);

    const QRectF text(margin * 2 + emblem, 0, size.width() - margin * 3 - emblem, size.height());
    const QString name = QStringLiteral("Pocket Quillet");
    QFont title(QStringLiteral("DejaVu Sans"));
    title.setBold(true);
    // As large as the height allows, but never wider than the space beside the emblem.
    for (int pixels = static_cast<int>(size.height() * 0.2); pixels > 6; --pixels) {
        title.setPixelSize(pixels);
        if (QFontMetricsF(title).horizontalAdvance(name) <= text.width()) {
            break;
        }
    }
    painter.setFont(title);
    painter.setPen(QColor(20, 50, 110));
    painter.drawText(text.adjusted(0, 0, 0, -size.height() * 0.18), Qt::AlignLeft | Qt::AlignVCenter, name);
    QFont subtitle(QStringLiteral("DejaVu Sans"));
    subtitle.setPixelSize(static_cast<int>(size.height() * 0.11));
    painter.setFont(subtitle);
    painter.setPen(QColor(40, 70, 120));
    painter.drawText(text.adjusted(0, size.height() * 0.3, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Stock and sales book"));
    return pixmap;
}
