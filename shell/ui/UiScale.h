#pragma once

#include <QFont>
#include <QRect>

// The handheld's sizes (a 240 x 320 pixel screen, dialog units of an 8 point font) times one UI
// scale factor, so that the screens keep their proportions on a desktop display.

// 2 unless set (quillet --scale N, or QUILLET_UI_SCALE).
int UiScale();
void SetUiScale(int scale);

// Handheld pixels to screen pixels.
int Scaled(double handheldPixels);

// A rectangle given in dialog units (x, y, width, height) in screen pixels.
QRect DialogUnitsRect(double x, double y, double width, double height);
int DialogUnitsX(double units);
int DialogUnitsY(double units);

// The program's font: the system sans-serif at the given handheld pixel height, scaled.
QFont ScaledFont(double handheldPixelHeight, bool bold = false);
// The same font sized so that one line of it (ascent, descent and leading) is the given height,
// scaled: the height lists give for their rows and headers.
QFont ScaledLineFont(double handheldPixelHeight);
// The font, made smaller when needed so that the text is at most width pixels wide.
QFont FontFittingWidth(const QFont& font, const QString& text, int width);
