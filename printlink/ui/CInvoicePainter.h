#pragma once

#include "CInvoiceLayout.h"

#include <QFont>

class QPainter;

// Draws an invoice page on a painter (a printer's or a PDF writer's) and measures its texts with
// the same fonts. DejaVu (or Liberation) faces stand in for the form's sans-serif and serif ones.
class CInvoicePainter final : public ITextMeasure
{
public:
    explicit CInvoicePainter(QPainter& painter) : m_painter(painter) {}

    int TextWidth(const PageFont& font, const QString& text) const override;
    void Paint(const InvoicePage& page);

    static QFont Font(const PageFont& font);

private:
    QPainter& m_painter;
};
