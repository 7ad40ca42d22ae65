#pragma once

#include "CIconFactory.h"

#include <QColor>
#include <QRect>
#include <QString>

class CColorEdit;
class CColorStatic;
class CIconPushButton;
class QDialog;
class QWidget;

// The parts every setup dialog's form is made of.

// A fixed-size page (width and height in dialog units) for fields at fixed places, in a scroll
// area filling the dialog, so that a window too short for the page scrolls it. The dialog opens
// no taller than the screen, so a short screen shows the scroll bar rather than losing the
// buttons. The page's font is condensed like the handheld's narrower dialog font, so that
// captions fit their labels. Returns the page to put the fields on.
QWidget* AddScrollingPage(QDialog& dialog, double widthUnits, double heightUnits);

// Every one-line field under parent shows its text from the start, as a text longer than its
// field would otherwise open scrolled to its end.
void ShowTextsFromStart(QWidget* parent);

// Every field on a page without a name of its own takes its caption's, for screen readers: the
// caption on its left on the same line, else the one just above it. The captions stand at fixed
// places, not beside their fields in a layout, so Qt cannot find them by itself.
void NameFieldsByTheirCaptions(QWidget* page);

// A field's caption, right-aligned, in its colours.
CColorStatic* AddFormLabel(QWidget* page, const QString& text, const QRect& place, const QColor& background,
                           const QColor& textColor);
CColorEdit* AddFormEdit(QWidget* page, const QString& objectName, const QRect& place, const QColor& background,
                        const QColor& textColor);
// A button that does not become the default by taking the focus; a dialog makes its OK the
// default, so Enter in a field accepts the form.
CIconPushButton* AddFormButton(QWidget* page, CIconFactory::Kind icon, const QString& caption,
                               const QString& objectName, const QRect& place);
