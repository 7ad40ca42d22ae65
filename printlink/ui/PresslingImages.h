#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>

// The program's pictures, drawn rather than shipped: a small printer.
namespace PresslingImages {

// The tray icon's images: an idle printer, then a page coming out in three steps.
QList<QIcon> TrayImages();
// The about box's 41 x 41 picture.
QPixmap AboutPicture();

} // namespace PresslingImages
