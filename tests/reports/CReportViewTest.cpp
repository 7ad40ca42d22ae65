#include "CReportView.h"
#include "CHomeView.h"
#include "CMainFrame.h"
#include "CReportListModel.h"
#include "CReportRowDelegate.h"
#include "CTestBook.h"
#include "CommandIds.h"
#include "ModalDriver.h"
#include "ReportFeatures.h"
#include "TransactionTypes.h"
#include "UiScale.h"
#include "UnnamedControls.h"

#include <QAbstractItemModelTester>
#include <QCalendarWidget>
#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QImage>
#include <QLocale>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>

#include <algorithm>

namespace {

// Sales of two categories, and the window with the reports screen shown.
struct CReportWindow
{
    explicit CReportWindow(CTestBook& book) : frame(book.Doc())
    {
        Sell(book, "Drill", "Hardware", 4, 10, 6);
        Sell(book, "Sample", "Software", 1, 0, 3);
        RegisterReportFeatures(frame);
        QSignalSpy loaded(frame.HomeView(), &CHomeView::CatalogueLoaded);
        frame.show();
        if (!loaded.wait(5000)) {
            qFatal("the catalogue did not load");
        }
        Click(frame.HomeView(), "customersReportButton");
        view = qobject_cast<CReportView*>(frame.CurrentView());
        list = Child<QTableView>(view, "reportList");
        kinds = Child<QComboBox>(view, "kindList");
        calendar = Child<QCalendarWidget>(view, "calendar");
    }

    static void Sell(CTestBook& book, const char* product, const char* category, double quantity, double price,
                     double cost)
    {
        book.Exec(QStringLiteral("INSERT INTO TransItem (TransactionID, TransDate, TransType, ProductID, CompanyName, "
                                 "Quantity, UnitCost, Price, AvgCost, UnitsOnHand, CategoryName) values "
                                 "(1, '2026-01-09 10:00:00', %1, '%2', 'Bob', %3, %4, %5, %4, 0, '%6')")
                      .arg(kTransSale)
                      .arg(QLatin1String(product))
                      .arg(quantity)
                      .arg(cost)
                      .arg(price)
                      .arg(QLatin1String(category)));
    }

    void PickDay(const char* button, const QDate& day)
    {
        Click(view, button);
        emit calendar->clicked(day);
    }
    // The button texts of the buttons shown, and whether the kind list is.
    QStringList Controls() const
    {
        QStringList shown;
        if (kinds->isVisible()) {
            shown << QStringLiteral("kinds");
        }
        for (const char* name : {"fromButton", "toButton", "reportButton", "saveButton", "chartButton"}) {
            const auto* button = Child<QPushButton>(view, name);
            if (button->isVisible()) {
                shown << button->text();
            }
        }
        return shown;
    }
    void BuildJanuary(ReportKind kind)
    {
        kinds->setCurrentIndex(static_cast<int>(kind));
        if (kind != ReportKind::ValuationSummary) {
            PickDay("fromButton", QDate(2026, 1, 1));
            PickDay("toButton", QDate(2026, 1, 31));
        }
        Report();
    }
    // "Report", and the report read on its worker.
    void Report()
    {
        Click(view, "reportButton");
        if (!QTest::qWaitFor([this] { return !view->IsBuilding(); }, 10000)) {
            qFatal("the report was not built");
        }
    }

    CMainFrame frame;
    CReportView* view = nullptr;
    QTableView* list = nullptr;
    QComboBox* kinds = nullptr;
    QCalendarWidget* calendar = nullptr;
};

} // namespace

class CReportViewTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void everyControlOfTheReportsHasAnAccessibleName()
    {
        CTestBook book;
        CReportWindow window(book);
        QCOMPARE(UnnamedControls(&window.frame).join(", "), QString());
    }

    void theReportButtonsOpenTheScreenWithItsKinds()
    {
        CTestBook book;
        CReportWindow window(book);
        QCOMPARE(window.frame.CurrentScreen(), CommandId::kReports);
        QCOMPARE(window.frame.TitleText(), QStringLiteral("Reports"));
        QVERIFY(!window.frame.IsButtonBarShown());
        QStringList texts;
        for (int i = 0; i < window.kinds->count(); ++i) {
            texts << window.kinds->itemText(i);
        }
        QCOMPARE(texts, (QStringList{"Inventory Valuation Item Detail Report",
                                     "Inventory Current Valuation Summary Report", "Sales Report by Item",
                                     "Sales Summary Report", "Purchases Report by Item", "Purchases Summary Report"}));
        window.frame.RunCommand(CommandId::kHome);
        Click(window.frame.HomeView(), "vendorsReportButton");
        QCOMPARE(window.frame.CurrentView(), window.view);
    }

    void theCalendarPicksTheDaysInPlaceOfTheControls()
    {
        CTestBook book;
        CReportWindow window(book);
        QCOMPARE(window.Controls(), (QStringList{"kinds", "From", "To", "Report", "Save", "Chart"}));
        Click(window.view, "fromButton");
        QVERIFY(window.calendar->isVisible());
        QCOMPARE(window.Controls(), QStringList{});
        emit window.calendar->clicked(QDate(2026, 1, 5));
        QVERIFY(!window.calendar->isVisible());
        QCOMPARE(window.Controls(), (QStringList{"kinds", "1/5/26", "To", "Report", "Save", "Chart"}));

        // Leaving the screen while picking puts the controls back.
        Click(window.view, "toButton");
        window.frame.RunCommand(CommandId::kHome);
        window.frame.RunCommand(CommandId::kReports);
        QVERIFY(!window.calendar->isVisible());
        QCOMPARE(window.Controls(), (QStringList{"kinds", "1/5/26", "To", "Report", "Save", "Chart"}));

        // The summary has no days; passing through it keeps the picked ones.
        window.kinds->setCurrentIndex(static_cast<int>(ReportKind::ValuationSummary));
        QCOMPARE(window.Controls(), (QStringList{"kinds", "Report", "Save", "Chart"}));
        window.kinds->setCurrentIndex(static_cast<int>(ReportKind::SalesByItem));
        QCOMPARE(window.Controls(), (QStringList{"kinds", "1/5/26", "To", "Report", "Save", "Chart"}));
        Click(window.view, "reportButton");
        QCOMPARE(book.Prompter().Messages(), QStringList{"Select To Date"});
    }

    // Another kind empties the list, so nothing is shown, charted or saved under the wrong title;
    // a new report starts at its left edge with its header over its columns.
    void anotherKindClearsTheListAndANewReportStartsAtTheLeft()
    {
        CTestBook book;
        CReportWindow window(book);
        auto* save = Child<QPushButton>(window.view, "saveButton");
        auto* chart = Child<QPushButton>(window.view, "chartButton");
        QVERIFY(!save->isEnabled() && !chart->isEnabled());
        window.BuildJanuary(ReportKind::SalesSummary);
        QCOMPARE(window.list->model()->rowCount(), 9);
        QVERIFY(save->isEnabled() && chart->isEnabled());
        window.frame.resize(Scaled(240), window.frame.height());
        QScrollBar* sideways = window.list->horizontalScrollBar();
        QTRY_VERIFY(sideways->maximum() > 0);
        sideways->setValue(sideways->maximum());

        window.kinds->setCurrentIndex(static_cast<int>(ReportKind::SalesByItem));
        QCOMPARE(window.list->model()->rowCount(), 0);
        QCOMPARE(window.list->model()->columnCount(), 0);
        QVERIFY(!save->isEnabled() && !chart->isEnabled());
        QCOMPARE(window.Controls(), (QStringList{"kinds", "1/1/26", "1/31/26", "Report", "Save", "Chart"}));

        window.Report();
        QVERIFY(window.list->model()->rowCount() > 0);
        QVERIFY(save->isEnabled() && !chart->isEnabled());
        QCOMPARE(sideways->value(), 0);
        QCOMPARE(window.list->horizontalHeader()->offset(), 0);
        QCOMPARE(book.Prompter().Messages(), QStringList{});
    }

    void theListShowsTheReportInItsColumnsAndColours()
    {
        CTestBook book;
        CReportWindow window(book);
        QAbstractItemModelTester tester(window.list->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        window.BuildJanuary(ReportKind::SalesSummary);
        const QAbstractItemModel& model = *window.list->model();
        QCOMPARE(model.rowCount(), 9);
        QCOMPARE(model.headerData(7, Qt::Horizontal).toString(), QStringLiteral("Gross Margin %"));
        QCOMPARE(model.data(model.index(1, 6)).toString(), QStringLiteral("16.00"));
        QCOMPARE(model.data(model.index(1, 6), Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::AlignRight | Qt::AlignVCenter);
        QCOMPARE(window.list->horizontalHeader()->sectionSize(0), Scaled(90));
        QCOMPARE(window.list->horizontalHeader()->sectionSize(7), Scaled(85));
        QCOMPARE(window.list->rowHeight(0), Scaled(12));

        QImage image(window.list->viewport()->size(), QImage::Format_RGB32);
        window.list->viewport()->render(&image);
        // Right of the product texts, inside each row: the row's background.
        const auto colour = [&](int row) {
            return QColor(image.pixel(window.list->columnViewportPosition(0) + Scaled(85),
                                      window.list->rowViewportPosition(row) + Scaled(6)));
        };
        QCOMPARE(colour(0), CReportRowDelegate::kTint);  // heading
        QCOMPARE(colour(1), CReportRowDelegate::kGrey);  // product
        QCOMPARE(colour(2), CReportRowDelegate::kTint);  // category total
        QCOMPARE(colour(3), CReportRowDelegate::kWhite); // separator
    }

    void bigNumbersShowWholeAndGroupedAtEveryScale_data()
    {
        QTest::addColumn<int>("scale");
        QTest::newRow("scale 1") << 1;
        QTest::newRow("scale 2") << 2;
    }
    // Three billion at half a cent: every column is as wide as its widest text in the list font,
    // so no amount, date or invoice number loses characters.
    void bigNumbersShowWholeAndGroupedAtEveryScale()
    {
        QFETCH(int, scale);
        const auto restore = qScopeGuard([before = UiScale()] { SetUiScale(before); });
        SetUiScale(scale);
        CTestBook book;
        CReportWindow::Sell(book, "Anvil", "Hardware", 3e9, 0.005, 0.001);
        CReportWindow window(book);
        const QFontMetrics metrics(CReportRowDelegate::ListFont());
        const auto wholeRow = [&](std::initializer_list<std::pair<int, const char*>> cells) {
            const QAbstractItemModel& model = *window.list->model();
            for (int row = 0; row < model.rowCount(); ++row) {
                const bool all = std::all_of(cells.begin(), cells.end(), [&](const auto& cell) {
                    return model.index(row, cell.first).data().toString() == QLatin1String(cell.second);
                });
                if (all) {
                    return true;
                }
            }
            return false;
        };
        const auto everyCellFits = [&] {
            const QAbstractItemModel& model = *window.list->model();
            for (int column = 0; column < model.columnCount(); ++column) {
                for (int row = 0; row < model.rowCount(); ++row) {
                    const QString text = model.index(row, column).data().toString();
                    if (window.list->columnWidth(column) < metrics.horizontalAdvance(text) + 2) {
                        qWarning() << "cut:" << text << window.list->columnWidth(column);
                        return false;
                    }
                }
            }
            return true;
        };

        window.BuildJanuary(ReportKind::SalesByItem);
        QVERIFY(wholeRow({{4, "3,000,000,000"}, {5, "0.01"}, {6, "15,000,000.00"}}));
        QVERIFY(wholeRow({{1, "1/9/26"}}));
        QVERIFY(everyCellFits());

        window.BuildJanuary(ReportKind::SalesSummary);
        QVERIFY(wholeRow({{1, "3,000,000,000"}, {2, "15,000,000.00"}}));
        QVERIFY(everyCellFits());
    }

    void saveWritesTheListAndTheChartSavesAPicture()
    {
        CTestBook book;
        CReportWindow window(book);
        auto* chart = Child<QPushButton>(window.view, "chartButton");
        QVERIFY(!chart->isEnabled());
        window.BuildJanuary(ReportKind::SalesByItem);
        QVERIFY(!chart->isEnabled());
        const QString csv = book.FolderPath("sales.csv");
        book.Prompter().AnswerFile(csv);
        Click(window.view, "saveButton");
        QFile saved(csv);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().startsWith("\xEF\xBB\xBFProduct,Date,Name,INV#,QTY,Price,Amount\r\n,,,,,,\r\nDrill,"));

        window.BuildJanuary(ReportKind::SalesSummary);
        QVERIFY(chart->isEnabled());
        const QString png = book.FolderPath("chart.png");
        book.Prompter().AnswerFile(png);
        WhenModalOpens([](QWidget* dialog) {
            Click(dialog, "saveChartButton");
            Click(dialog, "closeButton");
        });
        Click(window.view, "chartButton");
        QImage picture(png);
        QVERIFY(!picture.isNull());
        QVERIFY(picture.width() >= Scaled(300));
        QCOMPARE(book.Prompter().FileChoices().last().filter, QStringLiteral("PNG Images (*.png)"));
        QVERIFY(book.Prompter().Messages().isEmpty());
    }
};

QTEST_MAIN(CReportViewTest)
#include "CReportViewTest.moc"
