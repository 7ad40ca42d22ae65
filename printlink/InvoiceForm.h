#pragma once

#include <QStringView>

#include <span>

// The invoice form as data: every rectangle and text label of the printed page, in form pixels of
// the form's client area, with the label fonts and design captions. The page is this form scaled
// to the printer's width.

enum class FormFace
{
    SansSerif,
    Serif
};

// height is the character height in form pixels (without internal leading).
struct FormFont
{
    FormFace face;
    int height;
    bool bold;
};

struct FormRect
{
    int left;
    int top;
    int width;
    int height;
};

struct FormShape
{
    QStringView name;
    FormRect rect;
};

enum class LabelPlacement
{
    Left,     // one unclipped line from the left edge
    Right,    // one unclipped line ending at the right edge
    WordWrap, // wrapped and clipped inside the label's rectangle
};

struct FormLabel
{
    QStringView name;
    FormRect rect;
    QStringView caption;
    FormFont font;
    LabelPlacement placement;
};

namespace InvoiceForm {

// The client area the page is scaled from. The designed window is 457 x 577; its frame takes
// 4 pixels on each side and the caption 23 more at the top.
inline constexpr int kClientWidth = 449;
inline constexpr int kClientHeight = 550;

// In drawing order.
std::span<const FormShape> Shapes();
std::span<const FormLabel> Labels();
// The position of the label called name in Labels(), or -1.
int LabelIndex(QStringView name);

} // namespace InvoiceForm
