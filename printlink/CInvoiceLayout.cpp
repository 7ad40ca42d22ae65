#include "CInvoiceLayout.h"

#include "CPrintJobReader.h"
#include "PrintJobWire.h"

#include <cmath>

namespace {

// The default floating-point rounding mode rounds halves to the even neighbour.
int RoundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

class CPageScale
{
public:
    explicit CPageScale(const PageMetrics& metrics) : m_scale(double(metrics.width) / InvoiceForm::kClientWidth) {}

    int operator()(double formPixels) const { return RoundHalfEven(m_scale * formPixels); }

    QRect Rect(const FormRect& rect) const
    {
        const int left = (*this)(rect.left);
        const int top = (*this)(rect.top);
        return QRect(left, top, (*this)(rect.left + rect.width) - left, (*this)(rect.top + rect.height) - top);
    }

    PageFont Font(const FormFont& font) const { return PageFont{font.face, (*this)(font.height), font.bold}; }

    // A one-line text placed as label places it, at the form height top.
    PageText Line(const FormLabel& label, int top, const QString& text, const ITextMeasure& measure) const
    {
        const PageFont font = Font(label.font);
        int x = (*this)(label.rect.left);
        if (label.placement == LabelPlacement::Right) {
            x = RoundHalfEven(m_scale * (label.rect.left + label.rect.width) - measure.TextWidth(font, text));
        }
        return PageText{font, QPoint(x, (*this)(top)), QRect(), text};
    }

private:
    double m_scale;
};

const FormLabel& Label(QStringView name)
{
    return InvoiceForm::Labels()[InvoiceForm::LabelIndex(name)];
}

} // namespace

CInvoiceLayout::CInvoiceLayout()
{
    for (const FormLabel& label : InvoiceForm::Labels()) {
        m_labelTexts.append(label.caption.toString());
    }
}

void CInvoiceLayout::Fill(const QString& jobText)
{
    const CPrintJobReader reader(jobText);
    for (const PrintJobLine& line : reader.Lines()) {
        SetLabel(QStringView(line.key).trimmed(), line.value);
    }

    m_itemTexts = reader.ItemTexts().mid(0, PrintJobWire::kMaxItems);
    if (!m_itemTexts.isEmpty()) {
        const PrintJobItem first = CPrintJobReader::CutItem(m_itemTexts.first());
        SetLabel(u"QUANTITY", first.quantity);
        SetLabel(u"DESCRIPTION", first.description);
        SetLabel(u"PRICE", first.price);
        SetLabel(u"AMOUNT", first.amount);
        SetLabel(u"TAX", first.tax);
    }

    if (reader.HasTaxTotal()) {
        SetLabel(u"TaxTotalText", QStringLiteral("TAX TOTAL"));
    } else {
        SetLabel(u"TaxTotalText", QString());
        SetLabel(u"TAXTOTAL", QString());
    }
}

QString CInvoiceLayout::LabelText(QStringView name) const
{
    const int index = InvoiceForm::LabelIndex(name);
    return index < 0 ? QString() : m_labelTexts[index];
}

void CInvoiceLayout::SetLabel(QStringView name, const QString& text)
{
    const int index = InvoiceForm::LabelIndex(name);
    if (index >= 0) {
        m_labelTexts[index] = text;
    }
}

InvoicePage CInvoiceLayout::Page(const PageMetrics& metrics, const ITextMeasure& measure) const
{
    const CPageScale scale(metrics);
    InvoicePage page;
    page.penWidth = RoundHalfEven(metrics.dpi / 150.0) + 1;
    for (const FormShape& shape : InvoiceForm::Shapes()) {
        page.rects.append(scale.Rect(shape.rect));
    }

    const std::span<const FormLabel> labels = InvoiceForm::Labels();
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const QString& text = m_labelTexts[static_cast<qsizetype>(i)];
        if (text.isEmpty()) {
            continue;
        }
        if (labels[i].placement == LabelPlacement::WordWrap) {
            page.texts.append(PageText{scale.Font(labels[i].font), QPoint(), scale.Rect(labels[i].rect), text});
        } else {
            page.texts.append(scale.Line(labels[i], labels[i].rect.top, text, measure));
        }
    }

    // Rows after the first go below it, each in its column; every field takes the quantity's font.
    const FormLabel& quantity = Label(u"QUANTITY");
    const int step = RoundHalfEven(InvoiceForm::kClientHeight / 50.0);
    const FormLabel columns[] = {quantity, Label(u"DESCRIPTION"), Label(u"PRICE"), Label(u"AMOUNT"), Label(u"TAX")};
    int top = Label(u"TAX").rect.top + step;
    for (qsizetype row = 1; row < m_itemTexts.size(); ++row, top += step) {
        const PrintJobItem item = CPrintJobReader::CutItem(m_itemTexts[row]);
        const QString fields[] = {item.quantity, item.description, item.price, item.amount, item.tax};
        for (int column = 0; column < 5; ++column) {
            if (fields[column].isEmpty()) {
                continue;
            }
            FormLabel cell = columns[column];
            cell.font = quantity.font;
            page.texts.append(scale.Line(cell, top, fields[column], measure));
        }
    }
    return page;
}
