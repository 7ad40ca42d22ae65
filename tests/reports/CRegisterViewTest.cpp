#include "CRegisterView.h"
#include "CBookScenario.h"
#include "CHomeView.h"
#include "CInventoryView.h"
#include "CMainFrame.h"
#include "CRegisterHeaderCtrl.h"
#include "CRegisterListCtrl.h"
#include "CRegisterListModel.h"
#include "CRegisterRowDelegate.h"
#include "CSecondProgram.h"
#include "CommandIds.h"
#include "LocaleNumber.h"
#include "ModalDriver.h"
#include "ReportFeatures.h"
#include "TransactionTypes.h"
#include "UiScale.h"
#include "UnnamedControls.h"

#include <QAbstractItemModelTester>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>

namespace {

using Day = CBookScenario;

// A purchase, a sale, an opening balance and an adjustment (rows 0 to 3), then purchases enough
// to fill more than a screen.
void Stock(CBookScenario& book, int morePurchases)
{
    book.AddProduct("Gear");
    book.AddProduct("Belt");
    book.Purchase(Day::Day(1), {{"Gear", 10, 2}});
    book.Sale(Day::Day(2), {{"Gear", 2, 5}});
    for (const int kind : {CInventoryDoc::kOpeningBalance, CInventoryDoc::kAdjustment}) {
        ItemRecord item = book.Product(kind == CInventoryDoc::kOpeningBalance ? "Belt" : "Gear");
        item.UnitsOnHand = kind == CInventoryDoc::kOpeningBalance ? 12 : -1;
        book.Doc().PostStockAdjustment(item, kind);
    }
    for (int i = 0; i < morePurchases; ++i) {
        book.Purchase(QDateTime(QDate(2026, 3, 1), QTime(8, 0)).addDays(i), {{"Belt", 1, 3}});
    }
    book.Book().Prompter().Clear();
}

// The window with the register shown from the home screen's "Inv Assets".
struct CRegisterWindow
{
    CRegisterWindow(CBookScenario& scenario, CRegister::EntryForm entryForm) : book(scenario), frame(scenario.Doc())
    {
        RegisterReportFeatures(frame, std::move(entryForm));
        QSignalSpy loaded(frame.HomeView(), &CHomeView::CatalogueLoaded);
        frame.show();
        if (!loaded.wait(5000)) {
            qFatal("the catalogue did not load");
        }
        Click(frame.HomeView(), "invAssetsButton");
        view = qobject_cast<CRegisterView*>(frame.CurrentView());
        list = Child<CRegisterListCtrl>(view, "registerList");
        // The list scrolls to its last row once it is laid out.
        QCoreApplication::processEvents();
    }

    QRect Bounds(int row) const
    {
        const int height = list->Delegate().RowHeight();
        return QRect(list->columnViewportPosition(0), list->rowViewportPosition(0) + row * height,
                     list->Delegate().RowWidth(), height);
    }
    void TapRow(int row)
    {
        list->scrollTo(list->model()->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, Bounds(row).center());
    }
    int Rows() const { return list->model()->rowCount(); }
    QList<int> Highlighted() const
    {
        QList<int> rows;
        for (const QModelIndex& index : list->selectionModel()->selectedRows()) {
            rows << index.row();
        }
        return rows;
    }
    QStringList EnabledBarButtons() const { return EnabledCommandBarButtons(frame); }
    bool ShowsLastRow() const
    {
        const QRect last = list->visualRect(list->model()->index(Rows() - 1, 0));
        return last.top() >= 0 && last.bottom() < list->viewport()->height();
    }

    CBookScenario& book;
    CMainFrame frame;
    CRegisterView* view = nullptr;
    CRegisterListCtrl* list = nullptr;
};

} // namespace

class CRegisterViewTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void everyControlOfTheRegisterHasAnAccessibleName()
    {
        CBookScenario book;
        book.AddProduct("Rope");
        book.Purchase(CBookScenario::Day(1), {{"Rope", 2, 3}});
        CRegisterWindow window(book, {});
        QCOMPARE(UnnamedControls(&window.frame).join(", "), QString());
    }

    void theRegisterOpensScrolledToItsLastRow()
    {
        CBookScenario book;
        Stock(book, 20);
        CRegisterWindow window(book, {});
        QAbstractItemModelTester tester(window.list->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(window.frame.TitleText(), QStringLiteral("Inventory Assets"));
        QVERIFY(window.frame.IsButtonBarShown());
        QCOMPARE(window.Rows(), 24);
        QTRY_VERIFY(window.ShowsLastRow());
        QCOMPARE(window.EnabledBarButtons(), QStringList{"newButton"});
        const QAbstractItemModel& model = *window.list->model();
        const auto text = [&model](int row, int column, int role) {
            return model.data(model.index(row, column), role).toString();
        };
        QCOMPARE(text(1, 0, CRegisterListModel::DateRole), QStringLiteral("1/2/26"));
        QCOMPARE(text(1, 0, Qt::DisplayRole), QStringLiteral("Gear"));
        QCOMPARE(text(1, 0, CRegisterListModel::LowerTextRole), QStringLiteral("Customer"));
        QCOMPARE(text(1, 1, Qt::DisplayRole), QStringLiteral("-4.00"));
        QCOMPARE(text(1, 1, CRegisterListModel::LowerTextRole), QStringLiteral("#INV"));
        QCOMPARE(text(1, 2, Qt::DisplayRole), QStringLiteral("16.00"));
        QCOMPARE(text(2, 0, CRegisterListModel::LowerTextRole), QStringLiteral("Open Balance (+12)"));
        QCOMPARE(text(2, 1, CRegisterListModel::LowerTextRole), QString());
        const auto header = [&model](int section, int role) { return model.headerData(section, Qt::Horizontal, role); };
        QCOMPARE(header(0, CRegisterListModel::DateRole).toString(), QStringLiteral("Date"));
        QCOMPARE((QStringList{header(0, Qt::DisplayRole).toString(), header(1, Qt::DisplayRole).toString(),
                              header(2, Qt::DisplayRole).toString()}),
                 (QStringList{"Product", "Amount", "Balance"}));
        QCOMPARE((QStringList{header(0, CRegisterListModel::LowerTextRole).toString(),
                              header(1, CRegisterListModel::LowerTextRole).toString(),
                              header(2, CRegisterListModel::LowerTextRole).toString()}),
                 (QStringList{"Payee", "Inv Num", ""}));
        // The columns fit the window: nothing scrolls sideways.
        QCOMPARE(window.list->horizontalScrollBar()->maximum(), 0);
    }

    void rowsBandsAndHeaderArePaintedInTheirColours()
    {
        CBookScenario book;
        Stock(book, 0);
        CRegisterWindow window(book, {});
        window.TapRow(2);
        QImage image(window.list->size(), QImage::Format_RGB32);
        window.list->render(&image);
        const QPoint origin = window.list->viewport()->mapTo(window.list, QPoint(0, 0));
        const CRegisterRowDelegate& delegate = window.list->Delegate();
        const auto layout = [&](int row) { return delegate.Layout(window.Bounds(row)); };
        // Whether a colour is drawn inside a box of the list's viewport.
        const auto shows = [&](const QRect& box, const QColor& colour) {
            for (int y = box.top(); y <= box.bottom(); ++y) {
                for (int x = box.left(); x <= box.right(); ++x) {
                    if (QColor(image.pixel(origin + QPoint(x, y))) == colour) {
                        return true;
                    }
                }
            }
            return false;
        };
        const auto at = [&](const QPoint& point) { return QColor(image.pixel(origin + point)); };
        // Right of the short texts: the bands.
        QCOMPARE(at(layout(0).ProductText().topRight() + QPoint(-2, 2)), CRegisterRowDelegate::kUpperColor);
        QCOMPARE(at(layout(0).PayeeText().topRight() + QPoint(-2, 2)), CRegisterRowDelegate::kLowerColor);
        QCOMPARE(at(layout(2).PayeeText().topRight() + QPoint(-2, 2)), CRegisterRowDelegate::kHighlightColor);
        QCOMPARE(at(layout(6).PayeeText().topRight() + QPoint(-2, 2)), CRegisterRowDelegate::kLowerColor);
        QCOMPARE(at(layout(6).ProductText().topRight() + QPoint(-2, 2)), CRegisterRowDelegate::kUpperColor);
        QVERIFY(shows(layout(0).DateText(), CRegisterRowDelegate::kDateColor));
        QVERIFY(shows(layout(0).AmountText(), CRegisterRowDelegate::kPositiveAmountColor));
        QVERIFY(shows(layout(1).AmountText(), CRegisterRowDelegate::kNegativeColor));
        QVERIFY(!shows(layout(0).AmountText(), CRegisterRowDelegate::kNegativeColor));
        // Selected, every text is black: no blue date.
        QVERIFY(!shows(layout(2).DateText(), CRegisterRowDelegate::kDateColor));
        auto* header = qobject_cast<CRegisterHeaderCtrl*>(window.list->horizontalHeader());
        QVERIFY(header != nullptr && !header->isEnabled());
        QCOMPARE(QColor(image.pixel(header->mapTo(window.list, QPoint(header->sectionPosition(2) + 3, 3)))),
                 CRegisterHeaderCtrl::kBackground);
        QCOMPARE(header->sectionSize(1), delegate.ColumnWidth(1));
    }

    void columnsHoldTheirTextsAndLongerAmountsAreDrawnSmallerButWhole()
    {
        for (int scale : {1, 2}) {
            SetUiScale(scale);
            const CRegisterRowDelegate delegate;
            QCOMPARE(delegate.RowWidth(), Scaled(243));
            const CRegisterRowLayout layout = delegate.Layout(QRect(0, 0, delegate.RowWidth(), delegate.RowHeight()));
            const QFontMetrics metrics(delegate.RowFont());
            QVERIFY(metrics.horizontalAdvance(QStringLiteral("12/28/28")) <= layout.DateText().width());
            QVERIFY(metrics.horizontalAdvance(QStringLiteral("-999999.99")) <= layout.AmountText().width());
            QVERIFY(metrics.horizontalAdvance(QStringLiteral("-999999.99")) <= layout.BalanceText().width());
            QVERIFY(layout.ProductText().width() >= Scaled(60));
            const QFont smaller =
                FontFittingWidth(delegate.RowFont(), QStringLiteral("-123456789.00"), layout.AmountText().width());
            QVERIFY(smaller.pixelSize() < delegate.RowFont().pixelSize());
        }
        SetUiScale(2);
    }

    // Three billion bought and sold at half a cent: the amounts show grouped, whole and in the row
    // font, the number columns widened for them (the row scrolls sideways), at both scales.
    void bigAmountsShowGroupedWholeAndInTheRowFont()
    {
        for (int scale : {1, 2}) {
            SetUiScale(scale);
            CBookScenario book;
            book.AddProduct("Anvil");
            book.Purchase(Day::Day(1), {{"Anvil", 3e9, 0.005}});
            book.Sale(Day::Day(2), {{"Anvil", 3e9, 0.01}});
            CRegisterWindow window(book, {});
            QCOMPARE(window.Rows(), 2);
            const CRegisterRowDelegate& delegate = window.list->Delegate();
            const QFontMetrics metrics(delegate.RowFont());
            const auto* model = qobject_cast<const CRegisterListModel*>(window.list->model());
            const std::pair<int, QString> shown[] = {{0, "15,000,000.00"}, {1, "-15,000,000.00"}};
            for (const auto& [row, amount] : shown) {
                const RegisterRow::Texts texts = model->RowTexts(row).value();
                QCOMPARE(LocaleFormOfPlainNumber(texts.amount), amount);
                const CRegisterRowLayout layout = delegate.Layout(window.Bounds(row));
                for (const auto& [text, box] :
                     {std::pair(texts.amount, layout.AmountText()), std::pair(texts.balance, layout.BalanceText())}) {
                    const QString grouped = LocaleFormOfPlainNumber(text);
                    QVERIFY2(metrics.horizontalAdvance(grouped) <= box.width(), qPrintable(grouped));
                    QCOMPARE(FontFittingWidth(delegate.RowFont(), grouped, box.width()), delegate.RowFont());
                }
                QVERIFY(metrics.horizontalAdvance(texts.date) <= layout.DateText().width());
            }
            QCOMPARE(window.list->horizontalHeader()->sectionSize(1), delegate.ColumnWidth(1));
        }
        SetUiScale(2);
    }

    void tapsSelectAndEditFollowsTheTypeOfTheRow()
    {
        CBookScenario book;
        Stock(book, 0);
        CRegisterWindow window(book, {});
        CScriptedPrompter& prompter = book.Book().Prompter();
        // Without the entry form a sale cannot be opened; it can be deleted.
        window.TapRow(1);
        QCOMPARE(window.Highlighted(), QList<int>{1});
        QCOMPARE(window.EnabledBarButtons(), (QStringList{"newButton", "deleteButton"}));
        window.TapRow(2);
        QCOMPARE(window.EnabledBarButtons(), (QStringList{"newButton", "editButton", "deleteButton"}));
        Click(&window.frame, "editButton");
        QCOMPARE(prompter.Shown(), QStringList{"You can not edit Open/Close Transaction"});

        window.TapRow(3);
        prompter.Clear();
        prompter.AnswerNumber(-3);
        Click(&window.frame, "editButton");
        QCOMPARE(prompter.Shown(), QStringList{"# Qty +/- | Gear | -1"});
        QCOMPARE(book.ItemRow("Gear"), "5|0|2|7");
        QCOMPARE(window.list->model()->data(window.list->model()->index(3, 0), CRegisterListModel::LowerTextRole),
                 QStringLiteral("Adjust on hand (-3)"));
        QCOMPARE(window.Highlighted(), QList<int>{});
        QCOMPARE(window.EnabledBarButtons(), QStringList{"newButton"});
        QVERIFY(window.list->updatesEnabled());

        window.TapRow(0);
        QTest::mouseClick(window.list->viewport(), Qt::LeftButton, {}, window.Bounds(8).center());
        QCOMPARE(window.Highlighted(), QList<int>{});
        QCOMPARE(window.EnabledBarButtons(), QStringList{"newButton"});
    }

    void deleteAsksAndShowsTheRowsAfresh()
    {
        CBookScenario book;
        Stock(book, 0);
        CRegisterWindow window(book, {});
        CScriptedPrompter& prompter = book.Book().Prompter();
        window.TapRow(1);
        prompter.AnswerNo();
        Click(&window.frame, "deleteButton");
        QCOMPARE(window.Rows(), 4);
        QCOMPARE(window.Highlighted(), QList<int>{1});
        prompter.AnswerYes();
        Click(&window.frame, "deleteButton");
        QCOMPARE(prompter.Questions(), (QStringList{"Delete the sale transaction?", "Delete the sale transaction?"}));
        QCOMPARE(window.Rows(), 3);
        QCOMPARE(book.ItemRow("Gear"), "9|0|2|7");
        QCOMPARE(window.Highlighted(), QList<int>{});
        QCOMPARE(window.EnabledBarButtons(), QStringList{"newButton"});
    }

    void newOffersAPurchaseOrASaleInTheEntryForm()
    {
        CBookScenario book;
        Stock(book, 0);
        QStringList opened;
        CRegisterWindow window(book, [&](int32_t type, int32_t id) {
            opened << QStringLiteral("%1:%2").arg(type).arg(id);
            return book.Sale(Day::Day(20), {{"Gear", 1, 5}}) >= 0;
        });
        window.TapRow(1);
        Click(&window.frame, "newButton");
        QMenu* menu = window.view->ActionMenu();
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(menu->geometry().left(), window.view->mapToGlobal(QPoint(0, 0)).x());
        QCOMPARE(menu->geometry().bottom(), window.view->mapToGlobal(QPoint(0, window.view->height() - 1)).y());
        QStringList entries;
        for (const QAction* action : menu->actions()) {
            QVERIFY(action->isEnabled());
            entries << action->text();
        }
        QCOMPARE(entries, (QStringList{"Purchase", "Sale"}));
        menu->findChild<QAction*>(QStringLiteral("saleAction"))->trigger();
        menu->hide();
        QTRY_COMPARE(opened, QStringList{"1:-1"});
        QCOMPARE(window.Rows(), 5);
        QCOMPARE(window.Highlighted(), QList<int>{});

        // A sale opens in the entry form.
        window.TapRow(1);
        QCOMPARE(window.EnabledBarButtons(), (QStringList{"newButton", "editButton", "deleteButton"}));
        Click(&window.frame, "editButton");
        QCOMPARE(opened.last(), QStringLiteral("1:%1").arg(window.view->Register().Rows().Read(1)->TransactionID));
    }

    // As the program registers it.
    void aSaleOpensInTheEntryFormAndItsCrossChangesNothing()
    {
        CBookScenario book;
        Stock(book, 0);
        CRegisterWindow window(book, [&book](int32_t transType, int32_t transactionID) {
            return transactionID < 0 ? CInventoryView::RunNew(book.Doc(), transType)
                                     : CInventoryView::RunStored(book.Doc(), transactionID);
        });
        window.TapRow(1);
        QString opened;
        WhenModalOpens([&opened](QWidget* form) {
            opened = form->windowTitle() + QLatin1Char('|') + Child<QLineEdit>(form, "invoiceEdit")->text();
            qobject_cast<QDialog*>(form)->reject();
        });
        Click(&window.frame, "editButton");
        QCOMPARE(opened, QStringLiteral("Sell Product|INV"));
        QCOMPARE(window.Highlighted(), QList<int>{1});
        QCOMPARE(window.Rows(), 4);
    }

    void withoutTheEntryFormNewOffersNothing()
    {
        CBookScenario book;
        Stock(book, 0);
        CRegisterWindow window(book, {});
        Click(&window.frame, "newButton");
        for (const QAction* action : window.view->ActionMenu()->actions()) {
            QVERIFY(!action->isEnabled());
        }
        window.view->ActionMenu()->hide();
    }

    void theCursorIsOpenOnlyWhileTheRegisterIsShown()
    {
        CBookScenario book;
        Stock(book, 20);
        CRegisterWindow window(book, {});
        CRegisterRows& rows = window.view->Register().Rows();
        window.TapRow(3);
        window.list->scrollToTop();
        window.frame.RunCommand(CommandId::kHome);
        QVERIFY(!rows.IsOpen());

        // Back, it reads what changed meanwhile, scrolls to the last row and selects nothing.
        book.Purchase(Day::Day(25), {{"Gear", 1, 2}});
        window.frame.RunCommand(CommandId::kInventoryAssets);
        QVERIFY(rows.IsOpen());
        QCOMPARE(window.Rows(), 25);
        QTRY_VERIFY(window.ShowsLastRow());
        QCOMPARE(window.Highlighted(), QList<int>{});

        // A whole-file command finds the cursor closed, and the register shows the file after it.
        window.view->ReleaseStoreCursor();
        QVERIFY(!rows.IsOpen());
        QCOMPARE(window.Rows(), 0);
        book.Book().Prompter().AnswerYes();
        window.frame.RunCommand(CommandId::kResetDatabase);
        QVERIFY(rows.IsOpen());
        QCOMPARE(window.Rows(), 0);
    }

    void changesMadeElsewhereAreShownWhereTheListStands()
    {
        CBookScenario book;
        Stock(book, 20);
        CRegisterWindow window(book, {});
        window.TapRow(2);
        const int scrolled = window.list->verticalScrollBar()->value();

        // Another program.
        CSecondProgram other(book.Book().Path());
        ItemRecord gear = other.Doc().Products()[other.Doc().FindProduct("Gear", Qt::CaseSensitive)];
        gear.UnitsOnHand = 4;
        QVERIFY(other.Doc().PostStockAdjustment(gear, CInventoryDoc::kAdjustment));
        QTRY_COMPARE_WITH_TIMEOUT(window.Rows(), 25, 3 * CMainFrame::kChangeCheckMs);
        QCOMPARE(window.Highlighted(), QList<int>{});
        QCOMPARE(window.list->verticalScrollBar()->value(), scrolled);

        // Another window of this program (a sale from the toolbar): seen when the frame is active again.
        window.TapRow(2);
        book.Sale(Day::Day(28), {{"Gear", 1, 5}});
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(window.view, &activate);
        QCOMPARE(window.Rows(), 26);
        QCOMPARE(window.Highlighted(), QList<int>{});
        // Nothing changed: the selection stays.
        window.TapRow(2);
        QApplication::sendEvent(window.view, &activate);
        QCOMPARE(window.Highlighted(), QList<int>{2});
    }
};

QTEST_MAIN(CRegisterViewTest)
#include "CRegisterViewTest.moc"
