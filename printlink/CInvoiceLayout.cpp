#include "CInvoiceLayout.h"

#include "CPrintJobReader.h"
#include "PrintJobWire.h"

#include <algorithm>
#include <cmath>

namespace {

// Item cells keep this many form pixels inside the border of their column; a cell too wide for
// its column is printed in a smaller font, down to this share of its own.
constexpr int kCellMargin = 2;
constexpr double kSmallestCellFont = 0.7;

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
        return Line(label, Font(label.font), top, text, measure);
    }

    // A cell of an item column, placed as label places it; a text wider than the room inside the
    // column's box is made smaller rather than run over the border.
    PageText Cell(const FormLabel& label, const FormRect& box, int top, const QString& text,
                  const ITextMeasure& measure) const
    {
        const PageFont designed = Font(label.font);
        PageFont font = designed;
        const bool right = label.placement == LabelPlacement::Right;
        const double roomLeft = m_scale * (right ? box.left + kCellMargin : label.rect.left);
        const double roomRight =
            m_scale * (right ? label.rect.left + label.rect.width : box.left + box.width - kCellMargin);
        const int room = static_cast<int>(roomRight - roomLeft);
        const int width = measure.TextWidth(font, text);
        if (room > 0 && width > room) {
            const int smallest = std::max(1, static_cast<int>(std::ceil(font.pixelHeight * kSmallestCellFont)));
            font.pixelHeight = std::max(smallest, static_cast<int>(font.pixelHeight * double(room) / width));
            while (font.pixelHeight > smallest && measure.TextWidth(font, text) > room) {
                --font.pixelHeight;
            }
        }
        PageText cell = Line(label, font, top, text, measure);
        // Lowered by what it lost in height, so it stands on its row's line.
        cell.origin.ry() += designed.pixelHeight - font.pixelHeight;
        return cell;
    }

    PageText Line(const FormLabel& label, const PageFont& font, int top, const QString& text,
                  const ITextMeasure& measure) const
    {
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

const FormShape& Shape(QStringView name)
{
    const std::span<const FormShape> shapes = InvoiceForm::Shapes();
    return *std::find_if(shapes.begin(), shapes.end(), [name](const FormShape& shape) { return shape.name == name; });
}

// The item columns: the first row's label (whose text is each job's own) and the column's box.
struct ItemColumn
{
    QStringView label;
    QStringView box;
};
constexpr ItemColumn kItemColumns[] = {{u"QUANTITY", u"Shape11"},
                                       {u"DESCRIPTION", u"Shape12"},
                                       {u"PRICE", u"Shape13"},
                                       {u"AMOUNT", u"Shape14"},
                                       {u"TAX", u"Shape17"}};

// The box of the item column whose first-row label is called name; nullptr for other labels.
const FormRect* ItemColumnBox(QStringView name)
{
    for (const ItemColumn& column : kItemColumns) {
        if (column.label == name) {
            return &Shape(column.box).rect;
        }
    }
    return nullptr;
}

// The totals print under a job's last item rows only.
bool IsTotalsShape(QStringView name)
{
    return name == u"Shape15" || name == u"Shape16";
}

bool IsTotalsLabel(QStringView name)
{
    return name == u"TaxTotalText" || name == u"TAXTOTAL" || name == u"Label7" || name == u"TOTAL";
}

int RowStep()
{
    return RoundHalfEven(InvoiceForm::kClientHeight / 50.0);
}

// "Page N of M" under the total box, ending at the right edge of the columns.
constexpr FormLabel kPageFoot{u"PageFoot", {330, 530, 93, 10}, u"", {FormFace::Serif, 8, false}, LabelPlacement::Right};

} // namespace

int CInvoiceLayout::RowsPerPage()
{
    // Every row whose text ends inside the item columns, the first at the first row's labels.
    const FormRect column = Shape(u"Shape11").rect;
    const FormRect first = Label(u"QUANTITY").rect;
    return (column.top + column.height - first.top - first.height) / RowStep() + 1;
}

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

    // The first row is this job's first item, or empty: never a row of an earlier job.
    m_itemTexts = reader.ItemTexts().mid(0, PrintJobWire::kMaxItems);
    const PrintJobItem first = m_itemTexts.isEmpty() ? PrintJobItem{} : CPrintJobReader::CutItem(m_itemTexts.first());
    SetLabel(u"QUANTITY", first.quantity);
    SetLabel(u"DESCRIPTION", first.description);
    SetLabel(u"PRICE", first.price);
    SetLabel(u"AMOUNT", first.amount);
    SetLabel(u"TAX", first.tax);

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

int CInvoiceLayout::PageCount() const
{
    return std::max<int>(1, static_cast<int>((m_itemTexts.size() + RowsPerPage() - 1) / RowsPerPage()));
}

InvoicePage CInvoiceLayout::Page(const PageMetrics& metrics, const ITextMeasure& measure, int pageIndex) const
{
    const CPageScale scale(metrics);
    const int pageCount = PageCount();
    const bool lastPage = pageIndex == pageCount - 1;
    InvoicePage page;
    page.penWidth = RoundHalfEven(metrics.dpi / 150.0) + 1;
    for (const FormShape& shape : InvoiceForm::Shapes()) {
        if (lastPage || !IsTotalsShape(shape.name)) {
            page.rects.append(scale.Rect(shape.rect));
        }
    }

    // Every page repeats the heading and the column titles; the first row's labels belong to the
    // first page, the totals to the last.
    const std::span<const FormLabel> labels = InvoiceForm::Labels();
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const QString& text = m_labelTexts[static_cast<qsizetype>(i)];
        const FormRect* columnBox = ItemColumnBox(labels[i].name);
        if (text.isEmpty() || (pageIndex > 0 && columnBox != nullptr) || (!lastPage && IsTotalsLabel(labels[i].name))) {
            continue;
        }
        if (columnBox != nullptr) {
            page.texts.append(scale.Cell(labels[i], *columnBox, labels[i].rect.top, text, measure));
        } else if (labels[i].placement == LabelPlacement::WordWrap) {
            page.texts.append(PageText{scale.Font(labels[i].font), QPoint(), scale.Rect(labels[i].rect), text});
        } else {
            page.texts.append(scale.Line(labels[i], labels[i].rect.top, text, measure));
        }
    }

    // The other rows go below the first, each in its column; every field takes the quantity's font.
    const FormLabel& quantity = Label(u"QUANTITY");
    const qsizetype firstRow = qsizetype{pageIndex} * RowsPerPage();
    const qsizetype endRow = std::min(m_itemTexts.size(), firstRow + RowsPerPage());
    int top = quantity.rect.top;
    for (qsizetype row = firstRow; row < endRow; ++row, top += RowStep()) {
        if (row == 0) {
            continue; // printed by the first row's labels
        }
        const PrintJobItem item = CPrintJobReader::CutItem(m_itemTexts[row]);
        const QString fields[] = {item.quantity, item.description, item.price, item.amount, item.tax};
        for (int column = 0; column < 5; ++column) {
            if (fields[column].isEmpty()) {
                continue;
            }
            FormLabel cell = Label(kItemColumns[column].label);
            cell.font = quantity.font;
            page.texts.append(scale.Cell(cell, Shape(kItemColumns[column].box).rect, top, fields[column], measure));
        }
    }

    if (pageCount > 1) {
        const QString foot = QStringLiteral("Page %1 of %2").arg(pageIndex + 1).arg(pageCount);
        page.texts.append(scale.Line(kPageFoot, kPageFoot.rect.top, foot, measure));
    }
    return page;
}
