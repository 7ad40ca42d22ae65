#pragma once

#include "InvoiceForm.h"

#include <QString>

// A label font scaled to printer pixels.
struct PageFont
{
    FormFace face;
    int pixelHeight;
    bool bold;

    bool operator==(const PageFont&) const = default;
};

// Measures printed text; the printing side answers with the printer's font metrics.
class ITextMeasure
{
public:
    virtual ~ITextMeasure() = default;
    virtual int TextWidth(const PageFont& font, const QString& text) const = 0;
};
