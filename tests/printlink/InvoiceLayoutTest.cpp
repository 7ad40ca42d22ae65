#include "CFixedWidthMeasure.h"
#include "CInvoiceLayout.h"
#include "CPrintJobReader.h"
#include "JobFixtures.h"

#include <gtest/gtest.h>

namespace {

// A page ten times the form, 4490 printer pixels across, with characters 10 pixels wide.
InvoicePage TenfoldPage(const CInvoiceLayout& layout, int dpi = 600)
{
    return layout.Page(PageMetrics{10 * InvoiceForm::kClientWidth, dpi}, CFixedWidthMeasure(10));
}

const PageText* FindText(const InvoicePage& page, const QString& text)
{
    for (const PageText& pageText : page.texts) {
        if (pageText.text == text) {
            return &pageText;
        }
    }
    return nullptr;
}

QStringList Texts(const InvoicePage& page)
{
    QStringList texts;
    for (const PageText& pageText : page.texts) {
        texts.append(pageText.text);
    }
    return texts;
}

} // namespace

TEST(InvoiceLayout, LabelsFillFromASaleWithTax)
{
    CInvoiceLayout layout;
    EXPECT_EQ(layout.LabelText(u"TITLE"), "Invoice");
    EXPECT_EQ(layout.LabelText(u"SHIPTO"), "BILL TO");
    EXPECT_EQ(layout.LabelText(u"CompanyNotes"), "");

    layout.Fill(LoadJob(QStringLiteral("sale_with_tax")));
    EXPECT_EQ(layout.LabelText(u"TITLE"), "INVOICE");
    EXPECT_EQ(layout.LabelText(u"SHIPTO"), "");
    EXPECT_EQ(layout.LabelText(u"CustomerName"), "Bright Cafe");
    EXPECT_EQ(layout.LabelText(u"InvoiceNumber"), "1042");
    EXPECT_EQ(layout.LabelText(u"TAXTOTAL"), " 1.15");
    EXPECT_EQ(layout.LabelText(u"TaxTotalText"), "TAX TOTAL");
    EXPECT_EQ(layout.LabelText(u"TOTAL"), " 39.65");
    // The first item row is the first item's fields; the others are kept as item texts.
    const QStringList firstRow = {layout.LabelText(u"QUANTITY"), layout.LabelText(u"DESCRIPTION"),
                                  layout.LabelText(u"PRICE"), layout.LabelText(u"AMOUNT"), layout.LabelText(u"TAX")};
    EXPECT_EQ(firstRow, QStringList({"2", "Espresso cups", "4.50", "9.00", "GST"}));
    EXPECT_EQ(layout.ItemTexts().size(), 3);
    // Headings the job does not name keep their captions.
    EXPECT_EQ(layout.LabelText(u"Label3"), "QUANTITY");
    EXPECT_EQ(layout.LabelText(u"Label6"), "DATE");
}

TEST(InvoiceLayout, LabelsKeepTheirTextFromJobToJobButItemsDoNot)
{
    CInvoiceLayout layout;
    layout.Fill(LoadJob(QStringLiteral("sale_with_tax")));
    layout.Fill(LoadJob(QStringLiteral("purchase_order")));
    EXPECT_EQ(layout.LabelText(u"TITLE"), "PURCHASE ORDER");
    EXPECT_EQ(layout.LabelText(u"CompanyNotes"), " ");
    // No tax total line: both tax total labels are emptied.
    EXPECT_EQ(layout.LabelText(u"TaxTotalText"), "");
    EXPECT_EQ(layout.LabelText(u"TAXTOTAL"), "");
    EXPECT_EQ(layout.ItemTexts().size(), 2);
    EXPECT_EQ(layout.LabelText(u"TAX"), "");

    // A job without items or a date keeps the last date, but its first item row is empty, never
    // the last job's.
    layout.Fill(QStringLiteral("PrintInvoice\nCustomerName:Walk-in\n TOTAL :5.00\ncustomername:x\n@END@"));
    EXPECT_EQ(layout.LabelText(u"CustomerName"), "Walk-in");
    EXPECT_EQ(layout.LabelText(u"TOTAL"), "5.00");
    EXPECT_EQ(layout.LabelText(u"InvoiceDate"), "1/10/2026");
    EXPECT_TRUE(layout.ItemTexts().isEmpty());
    for (const char16_t* firstRow : {u"QUANTITY", u"DESCRIPTION", u"PRICE", u"AMOUNT", u"TAX"}) {
        EXPECT_EQ(layout.LabelText(firstRow), "") << QString::fromUtf16(firstRow).toStdString();
    }
    const QStringList texts = Texts(TenfoldPage(layout));
    EXPECT_FALSE(texts.contains("24"));
    EXPECT_FALSE(texts.contains("Screws box 100"));
    // So does the very first job without items: no design captions in the item row.
    CInvoiceLayout fresh;
    fresh.Fill(QStringLiteral("PrintInvoice\nTOTAL: 0.00\n@END@"));
    EXPECT_EQ(fresh.LabelText(u"DESCRIPTION"), "");
}

TEST(InvoiceLayout, NoMoreThan41ItemRowsAreKept)
{
    CInvoiceLayout layout;
    layout.Fill(JobWithItems(45));
    EXPECT_EQ(layout.ItemTexts().size(), 41);
    EXPECT_EQ(CPrintJobReader::CutItem(layout.ItemTexts().last()).description, "Part 41");
}

TEST(InvoiceLayout, ThePageIsTheFormScaledToThePrinterWidth)
{
    CInvoiceLayout layout;
    layout.Fill(LoadJob(QStringLiteral("sale_with_tax")));
    const InvoicePage page = TenfoldPage(layout);

    EXPECT_EQ(page.penWidth, 5);
    ASSERT_EQ(page.rects.size(), 18);
    EXPECT_EQ(page.rects.first(), QRect(2870, 390, 650, 160));
    EXPECT_EQ(page.rects.last(), QRect(2800, 5070, 1430, 170));

    // Left labels start at their left edge, right-aligned ones end at their right edge.
    const PageText* company = FindText(page, "Orvane Hardware");
    ASSERT_NE(company, nullptr);
    EXPECT_EQ(company->origin, QPoint(180, 260));
    EXPECT_EQ(company->font, (PageFont{FormFace::Serif, 80, true}));
    const PageText* title = FindText(page, "INVOICE");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->origin, QPoint(4160 - 70, 160));
    EXPECT_EQ(title->font, (PageFont{FormFace::SansSerif, 160, true}));
    EXPECT_EQ(FindText(page, " 39.65")->origin, QPoint(4130 - 60, 5110));

    // The company notes wrap inside their box; no other text does.
    const PageText* notes = FindText(page, "Thank you for your business.");
    ASSERT_NE(notes, nullptr);
    EXPECT_EQ(notes->wrapBox, QRect(170, 690, 1940, 340));
    EXPECT_TRUE(company->wrapBox.isEmpty());
}

TEST(InvoiceLayout, FurtherItemRowsFollowTheFirstEveryElevenFormPixels)
{
    CInvoiceLayout layout;
    layout.Fill(LoadJob(QStringLiteral("sale_with_tax")));
    const InvoicePage page = TenfoldPage(layout);
    // Second row at 247 + 11, third at 247 + 22; amounts line up on the right with the first row.
    EXPECT_EQ(FindText(page, "1.50")->origin, QPoint(330, 2580));
    EXPECT_EQ(FindText(page, "Coffee beans 1kg")->origin, QPoint(920, 2580));
    EXPECT_EQ(FindText(page, "18.00")->origin, QPoint(3110 - 50, 2580));
    EXPECT_EQ(FindText(page, "27.00")->origin, QPoint(3770 - 50, 2580));
    EXPECT_EQ(FindText(page, "2.50")->origin, QPoint(3770 - 40, 2690));
    EXPECT_EQ(FindText(page, "9.00")->origin, QPoint(3770 - 40, 2470));
    EXPECT_EQ(FindText(page, "none")->origin, QPoint(3840, 2690));
    EXPECT_EQ(FindText(page, "Paper napkins")->font, (PageFont{FormFace::Serif, 80, false}));
}

TEST(InvoiceLayout, EmptyTextsAreLeftOffThePage)
{
    CInvoiceLayout layout;
    layout.Fill(LoadJob(QStringLiteral("purchase_order")));
    const QStringList texts = Texts(TenfoldPage(layout));
    // No tax total caption or amount, no tax names, no customer note.
    EXPECT_FALSE(texts.contains("TAX TOTAL"));
    EXPECT_FALSE(texts.contains("None"));
    EXPECT_FALSE(texts.contains(""));
    EXPECT_TRUE(texts.contains("PURCHASE ORDER"));
    EXPECT_TRUE(texts.contains("Screws box 100"));
    EXPECT_TRUE(texts.contains(" 43.80"));
}

TEST(InvoiceLayout, ScaledCoordinatesRoundHalvesToEven)
{
    CInvoiceLayout layout;
    // Pen width round(dpi / 150) + 1: 2.5 rounds to 2, 1.5 to 2, 3.5 to 4.
    EXPECT_EQ(TenfoldPage(layout, 375).penWidth, 3);
    EXPECT_EQ(TenfoldPage(layout, 225).penWidth, 3);
    EXPECT_EQ(TenfoldPage(layout, 525).penWidth, 5);
    // An A4 page at 600 dpi: 4960 / 449 printer pixels per form pixel.
    const InvoicePage a4 = layout.Page(PageMetrics{4960, 600}, CFixedWidthMeasure(10));
    EXPECT_EQ(a4.rects.first(), QRect(3170, 431, 718, 177));
}

TEST(InvoiceLayout, ItemRowsBeyondTheColumnsContinueOnFurtherPagesWithTheTotalsOnTheLast)
{
    CInvoiceLayout layout;
    EXPECT_EQ(CInvoiceLayout::RowsPerPage(), 23);
    layout.Fill(JobWithItems(23));
    EXPECT_EQ(layout.PageCount(), 1);
    EXPECT_FALSE(Texts(TenfoldPage(layout)).contains("Page 1 of 1"));

    layout.Fill(JobWithItems(41));
    ASSERT_EQ(layout.PageCount(), 2);
    const CFixedWidthMeasure measure(10);
    const PageMetrics metrics{10 * InvoiceForm::kClientWidth, 600};
    const InvoicePage first = layout.Page(metrics, measure, 0);
    const InvoicePage second = layout.Page(metrics, measure, 1);

    // Every item once, each row's text inside the item columns (which end at 5070).
    QStringList parts;
    for (const InvoicePage* page : {&first, &second}) {
        for (const PageText& text : page->texts) {
            if (text.text.startsWith("Part ")) {
                parts.append(text.text);
                EXPECT_GE(text.origin.y(), 2470);
                EXPECT_LE(text.origin.y() + 100, 5070) << text.text.toStdString();
            }
        }
    }
    QStringList expected;
    for (int i = 1; i <= 41; ++i) {
        expected.append(QStringLiteral("Part %1").arg(i));
    }
    EXPECT_EQ(parts, expected);
    EXPECT_EQ(FindText(first, "Part 23")->origin.y(), 2470 + 22 * 110);
    EXPECT_EQ(FindText(second, "Part 24")->origin, QPoint(920, 2470));

    // Both pages have the heading and the column titles; the totals only the last one.
    for (const InvoicePage* page : {&first, &second}) {
        const QStringList texts = Texts(*page);
        EXPECT_TRUE(texts.contains("Orvane Hardware"));
        EXPECT_TRUE(texts.contains("DESCRIPTION"));
    }
    EXPECT_FALSE(Texts(first).contains("TOTAL"));
    EXPECT_FALSE(Texts(first).contains(" 1.00"));
    EXPECT_EQ(first.rects.size(), 16);
    EXPECT_TRUE(Texts(second).contains("TOTAL"));
    EXPECT_TRUE(Texts(second).contains(" 1.00"));
    EXPECT_EQ(second.rects.size(), 18);
    ASSERT_NE(FindText(first, "Page 1 of 2"), nullptr);
    const PageText* foot = FindText(second, "Page 2 of 2");
    ASSERT_NE(foot, nullptr);
    EXPECT_EQ(foot->origin, QPoint(4230 - 110, 5300));
}

// Text five eighths of its font height wide per character, as digits are.
class CProportionalMeasure final : public ITextMeasure
{
public:
    int TextWidth(const PageFont& font, const QString& text) const override
    {
        return static_cast<int>(text.size()) * font.pixelHeight * 5 / 8;
    }
};

TEST(InvoiceLayout, AnItemTooWideForItsColumnIsPrintedSmallerInsideItsBorder)
{
    CInvoiceLayout layout;
    layout.Fill("PrintInvoice\n" + ItemLine("2", "Press", "1500000.00", "3,000,000.00", "GST") + "\n" +
                ItemLine("1", "Part 2", "1500000.00", "1,500,000.00", "None") + "\nTOTAL: 1.00\n@END@");
    const InvoicePage page = layout.Page(PageMetrics{10 * InvoiceForm::kClientWidth, 600}, CProportionalMeasure());
    // Both rows: the price ends at its right edge (311) and starts inside the column (270 + 2).
    QList<const PageText*> prices;
    for (const PageText& text : page.texts) {
        if (text.text == "1500000.00") {
            prices.append(&text);
        }
    }
    ASSERT_EQ(prices.size(), 2);
    for (const PageText* price : prices) {
        const int width = CProportionalMeasure().TextWidth(price->font, price->text);
        EXPECT_GE(price->origin.x(), 2720);
        EXPECT_LE(price->origin.x() + width, 3110);
        EXPECT_LT(price->font.pixelHeight, 80);
        EXPECT_GE(price->font.pixelHeight, 56);
    }
    // A number that fits keeps the column's font.
    EXPECT_EQ(FindText(page, "Part 2")->font.pixelHeight, 80);
}
