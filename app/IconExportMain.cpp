// Writes the programs' icons as installed icon-theme files at build time: SVG and PNG at the usual
// sizes, painted by the same code that draws the window's and the tray's icons.

#include "CIconFactory.h"
#include "PresslingImages.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>
#include <functional>

namespace {

using IconPainter = std::function<void(QPainter&, double)>;

constexpr int kVectorSize = 256;

bool WriteSvg(const QString& path, const QString& title, const IconPainter& paint)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(kVectorSize, kVectorSize));
    svg.setViewBox(QRect(0, 0, kVectorSize, kVectorSize));
    svg.setTitle(title);
    QPainter painter;
    if (!painter.begin(&svg)) {
        return false;
    }
    paint(painter, kVectorSize);
    return painter.end();
}

bool WritePng(const QString& path, int size, const IconPainter& paint)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paint(painter, size);
    painter.end();
    return image.save(path, "PNG");
}

bool WriteIcon(const QDir& theme, const QString& id, const QString& title, const IconPainter& paint)
{
    const QString scalable = QStringLiteral("scalable/apps");
    if (!theme.mkpath(scalable) || !WriteSvg(theme.filePath(scalable + "/" + id + ".svg"), title, paint)) {
        return false;
    }
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!theme.mkpath(folder) || !WritePng(theme.filePath(folder + "/" + id + ".png"), size, paint)) {
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 2) {
        std::fputs("usage: quillet-icon-export THEME_FOLDER\n", stderr);
        return 2;
    }
    const QDir theme(arguments[1]);
    const auto quillet = [](QPainter& painter, double size) {
        CIconFactory::Paint(CIconFactory::Kind::Program, painter, size);
    };
    if (!WriteIcon(theme, QStringLiteral(QUILLET_APP_ID), QStringLiteral("Quillet"), quillet) ||
        !WriteIcon(theme, QStringLiteral(PRESSLING_APP_ID), QStringLiteral("Pressling"),
                   PresslingImages::PaintProgramIcon)) {
        std::fprintf(stderr, "quillet-icon-export: cannot write the icons into %s\n", qPrintable(arguments[1]));
        return 1;
    }
    return 0;
}
