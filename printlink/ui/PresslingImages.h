#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>

class QPainter;

// The program's pictures, drawn rather than shipped: a small printer.
namespace PresslingImages {

// The tray icon's images: an idle printer, then a page coming out in three steps.
QList<QIcon> TrayImages();
// The program's icon (the idle printer of the tray) for its windows, and painted into a size x size
// square at the painter's origin for the installed icon files.
QIcon ProgramIcon();
void PaintProgramIcon(QPainter& painter, double size);
// The about box's 41 x 41 picture.
QPixmap AboutPicture();

} // namespace PresslingImages
