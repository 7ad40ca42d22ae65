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

    // A job without items or a date keeps the last first row and date; its item rows are none.
    layout.Fill(QStringLiteral("PrintInvoice\nCustomerName:Walk-in\n TOTAL :5.00\ncustomername:x\n@END@"));
    EXPECT_EQ(layout.LabelText(u"CustomerName"), "Walk-in");
    EXPECT_EQ(layout.LabelText(u"TOTAL"), "5.00");
    EXPECT_EQ(layout.LabelText(u"QUANTITY"), "24");
    EXPECT_EQ(layout.LabelText(u"InvoiceDate"), "1/10/2026");
    EXPECT_TRUE(layout.ItemTexts().isEmpty());
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
