#include "CProductView.h"
#include "CDbRecordset.h"
#include "CHomeView.h"
#include "CItemSetupForm.h"
#include "CMainFrame.h"
#include "CProductHeaderCtrl.h"
#include "CProductListCtrl.h"
#include "CProductListModel.h"
#include "CProductRowDelegate.h"
#include "CTestBook.h"
#include "CommandIds.h"
#include "ListFeatures.h"
#include "ModalDriver.h"
#include "UiScale.h"
#include "UnnamedControls.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>

namespace {

void CreateProduct(CInventoryDoc& doc, const QString& name, double price, double quantity, double cost)
{
    CItemSetupForm form(doc, QString());
    form.name = name;
    form.categoryID = 0;
    form.taxID = 1;
    form.SetSalePrice(price);
    form.SetQuantity(quantity);
    form.SetUnitCost(cost);
    QCOMPARE(form.Save(), CItemSetupForm::SaveResult::Saved);
}

// Four products, listed as Bolt, Drill, Nut, Washer.
void Stock(CTestBook& book)
{
    book.Doc().SetClock([] { return QDateTime(QDate(2026, 3, 1), QTime(10, 0)); });
    CreateProduct(book.Doc(), QStringLiteral("Washer"), 0.05, 2.5, 0.02);
    CreateProduct(book.Doc(), QStringLiteral("Drill"), 1234.5, 3, 640);
    CreateProduct(book.Doc(), QStringLiteral("Nut"), 0.2, 4, 2.5);
    CreateProduct(book.Doc(), QStringLiteral("Bolt"), 0.35, 1234, 0.1);
    book.Prompter().Clear();
}

QString Text(const QAbstractItemModel& model, int row, int column, int role)
{
    return model.data(model.index(row, column), role).toString();
}

// The window with the list features, showing the product list.
struct CListWindow
{
    explicit CListWindow(CTestBook& book) : frame(book.Doc())
    {
        RegisterListFeatures(frame);
        QSignalSpy loaded(frame.HomeView(), &CHomeView::CatalogueLoaded);
        frame.show();
        if (!loaded.wait(5000)) {
            qFatal("the catalogue did not load");
        }
        frame.RunCommand(CommandId::kProductList);
        view = qobject_cast<CProductView*>(frame.CurrentView());
        list = Child<CProductListCtrl>(view, "productList");
    }

    // Where row would be, also past the last one (the bands below the rows).
    QRect Bounds(int row) const
    {
        const int height = list->Delegate().RowHeight();
        return QRect(list->columnViewportPosition(0), list->rowViewportPosition(0) + row * height,
                     list->Delegate().RowWidth(), height);
    }
    QPoint Point(int row, double xFraction, double yFraction) const
    {
        const QRect bounds = Bounds(row);
        return bounds.topLeft() + QPoint(int(bounds.width() * xFraction), int(bounds.height() * yFraction));
    }
    QPoint IconCenter(int row) const
    {
        return list->Delegate().Layout(Bounds(row), list->viewport()->width()).Icon().center();
    }
    void Tap(const QPoint& point) { QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, point); }
    void TapRow(int row) { Tap(Point(row, 0.1, 0.25)); }
    // The rows highlighted, by their name.
    QStringList Highlighted() const
    {
        QStringList names;
        for (const QModelIndex& index : list->selectionModel()->selectedRows()) {
            names << Text(*list->model(), index.row(), 0, Qt::DisplayRole);
        }
        return names;
    }
    QStringList EnabledBarButtons() const { return EnabledCommandBarButtons(frame); }

    CMainFrame frame;
    CProductView* view = nullptr;
    CProductListCtrl* list = nullptr;
};

} // namespace

class CProductViewTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // The arrow, Home and End keys move the selection from the selected row; Enter and a double
    // click open Edit on it.
    void theKeyboardMovesTheSelectionAndEnterEdits()
    {
        CTestBook book;
        Stock(book);
        CListWindow window(book);
        QVERIFY(QTest::qWaitForWindowActive(&window.frame));
        QCOMPARE(QApplication::focusWidget(), window.list);
        QTest::keyClick(window.list, Qt::Key_Return);
        QCOMPARE(window.Highlighted(), QStringList{});
        QTest::keyClick(window.list, Qt::Key_Down);
        QCOMPARE(window.Highlighted(), QStringList{"Bolt"});
        QTest::keyClick(window.list, Qt::Key_Down);
        QTest::keyClick(window.list, Qt::Key_Down);
        QCOMPARE(window.Highlighted(), QStringList{"Nut"});
        QTest::keyClick(window.list, Qt::Key_End);
        QTest::keyClick(window.list, Qt::Key_Down);
        QCOMPARE(window.Highlighted(), QStringList{"Washer"});
        QTest::keyClick(window.list, Qt::Key_Up);
        QCOMPARE(window.Highlighted(), QStringList{"Nut"});
        QCOMPARE(window.EnabledBarButtons(), (QStringList{"newButton", "editButton", "deleteButton"}));

        // Edit runs after the event that asked for it, so the dialog is answered once it is up.
        QStringList edited;
        const auto cancelSetup = [&edited](QWidget* dialog) {
            edited << Child<QLineEdit>(dialog, "nameEdit")->text();
            Click(dialog, "cancelButton");
        };
        QTest::keyClick(window.list, Qt::Key_Return);
        WhenModalOpens(cancelSetup);
        QTRY_COMPARE(edited, QStringList{"Nut"});
        QTest::keyClick(window.list, Qt::Key_Home);
        QCOMPARE(window.Highlighted(), QStringList{"Bolt"});
        QTest::mouseDClick(window.list->viewport(), Qt::LeftButton, {}, window.Point(1, 0.1, 0.25));
        WhenModalOpens(cancelSetup);
        QTRY_COMPARE(edited, (QStringList{"Nut", "Drill"}));
        QCOMPARE(book.Prompter().Shown(), QStringList{});
    }

    void anEmptyListSaysHowToFillIt()
    {
        CTestBook book;
        CListWindow window(book);
        QCOMPARE(window.list->ShownHint(), QStringLiteral("No products yet: New adds one"));
        CreateProduct(book.Doc(), QStringLiteral("Bolt"), 1, 1, 1);
        window.view->RefreshFromDocument();
        QCOMPARE(window.list->ShownHint(), QString());
    }

    void rowsShowTheCataloguesNumbersInTheLocalesForm()
    {
        CTestBook book;
        Stock(book);
        CProductListModel model(book.Doc());
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.Fill();
        QCOMPARE(model.rowCount(), 4);
        const auto row = [&model](int r) {
            QStringList texts;
            for (int column = 0; column < CProductListModel::kColumnCount; ++column) {
                texts << Text(model, r, column, Qt::DisplayRole)
                      << Text(model, r, column, CProductListModel::LowerTextRole);
            }
            return texts.join(QLatin1Char('|'));
        };
        QCOMPARE(row(0), QStringLiteral("Bolt||0.35|1,234|0.10|123.40"));
        QCOMPARE(row(1), QStringLiteral("Drill||1,234.50|3|640.00|1,920.00"));
        QCOMPARE(row(2), QStringLiteral("Nut||0.20|4|2.50|10.00"));
        QCOMPARE(row(3), QStringLiteral("Washer||0.05|2.50|0.02|0.05"));
        QCOMPARE(Text(model, 3, 0, CProductListModel::CategoryRole), QStringLiteral("Hardware"));

        // The catalogue shrank since the fill: the rows past its end read empty until the next fill.
        QVERIFY(book.Exec(QStringLiteral("delete from Item where ProductID='Washer'")));
        book.Doc().LoadProducts();
        QCOMPARE(row(3), QStringLiteral("|||||"));
        model.Fill();
        QCOMPARE(model.rowCount(), 3);
    }

    void rowsBandsAndHeaderArePaintedInTheirColours()
    {
        CTestBook book;
        Stock(book);
        CListWindow window(book);
        window.Tap(window.Point(1, 0.2, 0.25));
        QImage image(window.list->size(), QImage::Format_RGB32);
        window.list->render(&image);
        const QPoint origin = window.list->viewport()->mapTo(window.list, QPoint(0, 0));
        const auto colour = [&](int row, double yFraction) {
            // Inside the name part, right of any text: the background.
            return QColor(image.pixel(origin + window.Point(row, 0.2, yFraction)));
        };
        QCOMPARE(colour(0, 0.25), CProductRowDelegate::kUpperColor);
        QCOMPARE(colour(0, 0.75), CProductRowDelegate::kLowerColor);
        QCOMPARE(colour(1, 0.25), CProductRowDelegate::kHighlightColor);
        QCOMPARE(colour(1, 0.75), CProductRowDelegate::kHighlightColor);
        // Below the last row: bands like rows.
        QCOMPARE(colour(6, 0.25), CProductRowDelegate::kUpperColor);
        QCOMPARE(colour(6, 0.75), CProductRowDelegate::kLowerColor);
        auto* header = qobject_cast<CProductHeaderCtrl*>(window.list->horizontalHeader());
        QVERIFY(header != nullptr && !header->isEnabled());
        QCOMPARE(QColor(image.pixel(header->mapTo(window.list, QPoint(header->sectionPosition(1) + 3, 4)))),
                 CProductHeaderCtrl::kBackground);
        QCOMPARE(header->sectionSize(0), window.list->Delegate().ColumnWidth(0));
    }

    void amountsFitTheirColumnsWholeAndLongNamesEndInAnEllipsis()
    {
        const QString widest = QStringLiteral("9,999,999.00");
        QCOMPARE(CProductRowDelegate::WidestAmount(), widest);
        for (int scale : {1, 2}) {
            SetUiScale(scale);
            const CProductRowDelegate delegate;
            QCOMPARE(delegate.RowWidth(), Scaled(243));
            const QRect row(0, 0, delegate.RowWidth(), delegate.RowHeight());
            const CProductRowLayout layout = delegate.Layout(row, row.width());
            const QFontMetrics metrics(delegate.RowFont());
            for (const QRect& box : {layout.PriceText(), layout.AvgCostText(), layout.ValueText()}) {
                QVERIFY(metrics.horizontalAdvance(widest) <= box.width());
                QCOMPARE(delegate.AmountFont(widest, box.width()), delegate.RowFont());
            }
            QCOMPARE(delegate.AmountFont(QStringLiteral("1234"), layout.OnHandText().width()), delegate.RowFont());
            // Longer amounts, and a long quantity beside its icon, are drawn smaller but whole.
            const std::pair<QString, QRect> longer[] = {{QStringLiteral("1,000,000,000,000.00"), layout.PriceText()},
                                                        {widest, layout.OnHandText()}};
            for (const auto& [text, box] : longer) {
                const QFont font = delegate.AmountFont(text, box.width());
                QVERIFY(QFontMetrics(font).horizontalAdvance(text) <= box.width());
                QVERIFY(font.pixelSize() < delegate.RowFont().pixelSize());
            }

            const QString name = QStringLiteral("Stainless steel hex bolt M6 x 40");
            const QString elided = delegate.Elided(name, layout.NameText().width());
            QVERIFY(elided.endsWith(QChar(0x2026)));
            QVERIFY(name.startsWith(elided.chopped(1)));
            QVERIFY(metrics.horizontalAdvance(elided) <= layout.NameText().width());
            QCOMPARE(delegate.Elided(QStringLiteral("Bolt"), layout.NameText().width()), QStringLiteral("Bolt"));
        }
        SetUiScale(2);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(CProductRowDelegate::WidestAmount(), QStringLiteral("9.999.999,00"));
    }

    // Three billion on hand at fifteen million: the number columns widen to the widest amount
    // and quantity of the rows, which keep the list's font; the header's rule follows.
    void bigNumbersWidenTheColumnsInsteadOfShrinking()
    {
        for (int scale : {1, 2}) {
            SetUiScale(scale);
            CTestBook book;
            Stock(book);
            CreateProduct(book.Doc(), QStringLiteral("Anvil"), 15000000, 3e9, 0.005);
            CListWindow window(book);
            const QAbstractItemModel& model = *window.list->model();
            const int anvil = 0;
            QCOMPARE(Text(model, anvil, 0, Qt::DisplayRole), QStringLiteral("Anvil"));
            QCOMPARE(Text(model, anvil, 1, Qt::DisplayRole), QStringLiteral("15,000,000.00"));
            QCOMPARE(Text(model, anvil, 1, CProductListModel::LowerTextRole), QStringLiteral("3,000,000,000"));
            QCOMPARE(Text(model, anvil, 2, CProductListModel::LowerTextRole), QStringLiteral("15,000,000.00"));

            const CProductRowDelegate& delegate = window.list->Delegate();
            const CProductRowLayout layout = delegate.Layout(window.Bounds(anvil), window.list->viewport()->width());
            const QFontMetrics metrics(delegate.RowFont());
            const std::pair<int, QRect> boxes[] = {{Qt::DisplayRole, layout.PriceText()},
                                                   {CProductListModel::LowerTextRole, layout.OnHandText()},
                                                   {Qt::DisplayRole, layout.AvgCostText()},
                                                   {CProductListModel::LowerTextRole, layout.ValueText()}};
            for (int i = 0; i < 4; ++i) {
                const QString text = Text(model, anvil, i < 2 ? 1 : 2, boxes[i].first);
                QVERIFY2(metrics.horizontalAdvance(text) <= boxes[i].second.width(), qPrintable(text));
                QCOMPARE(delegate.AmountFont(text, boxes[i].second.width()), delegate.RowFont());
            }
            QVERIFY(delegate.RowWidth() >= Scaled(243));
            auto* header = qobject_cast<CProductHeaderCtrl*>(window.list->horizontalHeader());
            QCOMPARE(header->sectionSize(1), delegate.ColumnWidth(1));
            QCOMPARE(header->sectionSize(0), delegate.ColumnWidth(0));
        }
        SetUiScale(2);
    }

    void tapsSelectAndTheOnHandIconChangesTheQuantity()
    {
        CTestBook book;
        Stock(book);
        CListWindow window(book);
        QCOMPARE(window.view->SelectedRow(), -1);
        QCOMPARE(window.EnabledBarButtons(), QStringList{"newButton"});

        window.Tap(window.Point(3, 0.1, 0.75));
        QCOMPARE(window.view->SelectedProductID(), QStringLiteral("Washer"));
        QCOMPARE(window.EnabledBarButtons(), (QStringList{"newButton", "editButton", "deleteButton"}));
        // At the icon's x but in the upper half: a tap like any other.
        const QPoint icon = window.IconCenter(3);
        window.Tap(QPoint(icon.x(), window.Point(3, 0, 0.25).y()));
        QCoreApplication::processEvents();
        QCOMPARE(book.Prompter().Shown(), QStringList{});

        book.Prompter().AnswerNumber(-2);
        window.Tap(window.IconCenter(2));
        QCOMPARE(window.view->SelectedProductID(), QStringLiteral("Nut"));
        // Run once the tap is handled.
        QCOMPARE(book.Prompter().Shown(), QStringList{});
        QTRY_COMPARE(book.Prompter().Shown(), QStringList{"# On Hand | Nut | 4"});
        QCOMPARE(Text(*window.list->model(), 2, 1, CProductListModel::LowerTextRole), QStringLiteral("-2"));
        QCOMPARE(book.Rows("SELECT Quantity FROM TransItem where ProductID='Nut' order by rowid"),
                 (QStringList{"4", "-6"}));
        QVERIFY(window.list->updatesEnabled());

        // Below the rows: nothing is selected any more.
        window.Tap(window.Point(8, 0.5, 0.5));
        QCOMPARE(window.view->SelectedProductID(), QString());
        QCOMPARE(window.Highlighted(), QStringList{});
        QCOMPARE(window.EnabledBarButtons(), QStringList{"newButton"});
    }

    void newEditAndDeleteGoThroughTheBar()
    {
        CTestBook book;
        Stock(book);
        CListWindow window(book);
        auto& prompter = book.Prompter();

        Click(&window.frame, "editButton");
        QCOMPARE(prompter.Shown(), QStringList{});
        window.view->OnBarCommand(CommandId::kEdit);
        QCOMPARE(prompter.Shown(), QStringList{"Please Select Item First"});

        WhenModalOpens([](QWidget* dialog) {
            Child<QLineEdit>(dialog, "nameEdit")->setText(QStringLiteral("Anchor"));
            Click(dialog, "okButton");
        });
        Click(&window.frame, "newButton");
        QCOMPARE(window.list->model()->rowCount(), 5);
        QCOMPARE(Text(*window.list->model(), 0, 0, Qt::DisplayRole), QStringLiteral("Anchor"));
        QCOMPARE(window.view->SelectedRow(), -1);

        window.TapRow(1);
        WhenModalOpens([](QWidget* dialog) {
            QCOMPARE(Child<QLineEdit>(dialog, "nameEdit")->text(), QStringLiteral("Bolt"));
            Child<QLineEdit>(dialog, "nameEdit")->setText(QStringLiteral("Zinc bolt"));
            Click(dialog, "okButton");
        });
        Click(&window.frame, "editButton");
        // Renamed, it moved to the end; the selection went with it.
        QCOMPARE(Text(*window.list->model(), 4, 0, Qt::DisplayRole), QStringLiteral("Zinc bolt"));
        QCOMPARE(window.view->SelectedRow(), 4);
        QCOMPARE(window.Highlighted(), QStringList{"Zinc bolt"});

        // Cancel writes nothing.
        WhenModalOpens([](QWidget* dialog) {
            Child<QLineEdit>(dialog, "nameEdit")->setText(QStringLiteral("Gone"));
            Click(dialog, "cancelButton");
        });
        Click(&window.frame, "editButton");
        QCOMPARE(book.Doc().FindProduct(QStringLiteral("Gone"), Qt::CaseSensitive), -1);

        // Anchor (created with no quantity) can go, and nothing is selected after it; a product
        // with movements cannot go.
        window.TapRow(0);
        prompter.Clear();
        prompter.AnswerYes();
        Click(&window.frame, "deleteButton");
        QCOMPARE(window.list->model()->rowCount(), 4);
        QCOMPARE(window.view->SelectedProductID(), QString());
        QCOMPARE(window.Highlighted(), QStringList{});
        QCOMPARE(window.EnabledBarButtons(), QStringList{"newButton"});
        window.view->OnBarCommand(CommandId::kDelete);
        window.TapRow(1);
        Click(&window.frame, "deleteButton");
        QCOMPARE(window.list->model()->rowCount(), 4);
        QCOMPARE(prompter.Shown(),
                 (QStringList{"? Delete the product 'Anchor'?", "Please Select Item First",
                              "You can not delete the item because it has been used in transaction!"}));
    }

    void theSelectionStaysOnItsProductAcrossEveryFill()
    {
        CTestBook book;
        Stock(book);
        CListWindow window(book);
        auto& prompter = book.Prompter();
        window.TapRow(2);
        QCOMPARE(window.Highlighted(), QStringList{"Nut"});

        // New adds a product above it.
        WhenModalOpens([](QWidget* dialog) {
            Child<QLineEdit>(dialog, "nameEdit")->setText(QStringLiteral("Anchor"));
            Click(dialog, "okButton");
        });
        Click(&window.frame, "newButton");
        QCOMPARE(window.view->SelectedRow(), 3);
        QCOMPARE(window.Highlighted(), QStringList{"Nut"});
        QString edited;
        WhenModalOpens([&edited](QWidget* dialog) {
            edited = Child<QLineEdit>(dialog, "nameEdit")->text();
            Click(dialog, "cancelButton");
        });
        Click(&window.frame, "editButton");
        QCOMPARE(edited, QStringLiteral("Nut"));

        // Another program deletes a product above it and adds one: the window picks that up by itself.
        CDbConnection other(book.Path());
        QVERIFY(Execute(other, QStringLiteral("delete from Item where ProductID='Bolt'")));
        QVERIFY(Execute(other, QStringLiteral("INSERT INTO Item(ProductID,CategoryID,TaxID,PayeeID,UnitsOnHand,"
                                              "UnitCost,SalePrice,AvgCost) Values('Aardvark',0,1,-1,1,1,1,1)")));
        QTRY_COMPARE_WITH_TIMEOUT(Text(*window.list->model(), 0, 0, Qt::DisplayRole), QStringLiteral("Aardvark"),
                                  3 * CMainFrame::kChangeCheckMs);
        QCOMPARE(window.list->model()->rowCount(), 5);
        QCOMPARE(window.view->SelectedRow(), 3);
        QCOMPARE(window.Highlighted(), QStringList{"Nut"});

        // A tap on the on-hand icon names its product at once, wherever a reload moves it before
        // the pad opens.
        prompter.Clear();
        prompter.AnswerNumber(9);
        window.Tap(window.IconCenter(3));
        QVERIFY(Execute(other, QStringLiteral("INSERT INTO Item(ProductID,CategoryID,TaxID,PayeeID,UnitsOnHand,"
                                              "UnitCost,SalePrice,AvgCost) Values('Aaron',0,1,-1,1,1,1,1)")));
        QVERIFY(book.Doc().ReloadIfChangedElsewhere());
        window.view->RefreshFromDocument();
        QTRY_COMPARE(prompter.Shown(), QStringList{"# On Hand | Nut | 4"});
        QCOMPARE(book.Rows("SELECT ProductID, UnitsOnHand FROM Item where UnitsOnHand=9"), QStringList{"Nut|9"});
        QCOMPARE(window.Highlighted(), QStringList{"Nut"});

        // An operation reads what another program committed just before it, and the list shows
        // that even when the operation is refused.
        window.TapRow(3);
        QVERIFY(Execute(other, QStringLiteral("INSERT INTO Item(ProductID,CategoryID,TaxID,PayeeID,UnitsOnHand,"
                                              "UnitCost,SalePrice,AvgCost) Values('Abacus',0,1,-1,1,1,1,1)")));
        prompter.Clear();
        window.view->OnBarCommand(CommandId::kDelete);
        QCOMPARE(prompter.Shown(), QStringList{"You can not delete the item because it has been used in transaction!"});
        QCOMPARE(window.list->model()->rowCount(), 7);
        QCOMPARE(Text(*window.list->model(), 2, 0, Qt::DisplayRole), QStringLiteral("Abacus"));
        QCOMPARE(window.Highlighted(), QStringList{"Drill"});

        // Gone: nothing is selected, and Edit says so.
        QVERIFY(Execute(other, QStringLiteral("delete from Item where ProductID='Drill'")));
        QTRY_COMPARE_WITH_TIMEOUT(window.list->model()->rowCount(), 6, 3 * CMainFrame::kChangeCheckMs);
        QCOMPARE(window.view->SelectedProductID(), QString());
        QCOMPARE(window.Highlighted(), QStringList{});
        QCOMPARE(window.EnabledBarButtons(), QStringList{"newButton"});
        prompter.Clear();
        window.view->OnBarCommand(CommandId::kEdit);
        QCOMPARE(prompter.Shown(), QStringList{"Please Select Item First"});
    }

    // The search keeps the products holding the typed text anywhere, letter case aside; the bar
    // acts on the product shown, however far it stands from its place in the whole catalogue.
    void theSearchFindsProductsAsTypedAndTheBarActsOnTheOneShown()
    {
        CTestBook book;
        Stock(book);
        CreateProduct(book.Doc(), QStringLiteral("Anchor bolt"), 1, 0, 1);
        CreateProduct(book.Doc(), QStringLiteral("Zinc anchor"), 1, 0, 1);
        CListWindow window(book);
        auto& prompter = book.Prompter();
        auto* search = Child<QLineEdit>(window.view, "productSearch");
        window.TapRow(3);
        QCOMPARE(window.Highlighted(), QStringList{"Nut"});

        // A selected product the search hides is no longer selected.
        QTest::mouseClick(search, Qt::LeftButton);
        QTest::keyClicks(search, QStringLiteral("ER"));
        QCOMPARE(window.list->model()->rowCount(), 1);
        QCOMPARE(Text(*window.list->model(), 0, 0, Qt::DisplayRole), QStringLiteral("Washer"));
        QCOMPARE(window.view->SelectedProductID(), QString());
        QCOMPARE(window.EnabledBarButtons(), QStringList{"newButton"});

        // Down goes to the matches and chooses the first; Enter edits it.
        QTest::keyClick(search, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), window.list);
        QCOMPARE(window.Highlighted(), QStringList{"Washer"});
        QString edited;
        QTest::keyClick(window.list, Qt::Key_Return);
        WhenModalOpens([&edited](QWidget* dialog) {
            edited = Child<QLineEdit>(dialog, "nameEdit")->text();
            Click(dialog, "cancelButton");
        });
        QTRY_COMPARE(edited, QStringLiteral("Washer"));

        QTest::keyClick(search, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(search, QStringLiteral("xyz"));
        QCOMPARE(window.list->model()->rowCount(), 0);
        QCOMPARE(window.list->ShownHint(), QStringLiteral("No product matches \"xyz\""));

        QTest::keyClick(search, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(search, QStringLiteral("anch"));
        QCOMPARE(window.list->model()->rowCount(), 2);
        window.TapRow(1);
        QCOMPARE(window.Highlighted(), QStringList{"Zinc anchor"});
        prompter.Clear();
        prompter.AnswerYes();
        Click(&window.frame, "deleteButton");
        QCOMPARE(prompter.Shown(), QStringList{"? Delete the product 'Zinc anchor'?"});
        QCOMPARE(book.Doc().FindProduct(QStringLiteral("Anchor bolt"), Qt::CaseSensitive), 0);
        QCOMPARE(book.Doc().FindProduct(QStringLiteral("Zinc anchor"), Qt::CaseSensitive), -1);
        QCOMPARE(window.list->model()->rowCount(), 1);
        QCOMPARE(window.Highlighted(), QStringList{});

        // Emptied, the search lists every product again.
        QTest::keyClick(search, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(search, Qt::Key_Backspace);
        QCOMPARE(window.list->model()->rowCount(), 5);
        QCOMPARE(window.list->ShownHint(), QString());
    }

    // Every control of the home screen, the product list and the product's dialog has a name a
    // screen reader announces.
    void everyControlHasAnAccessibleName()
    {
        CTestBook book;
        Stock(book);
        CListWindow window(book);
        QCOMPARE(UnnamedControls(&window.frame).join(", "), QString());
        window.frame.RunCommand(CommandId::kHome);
        QCOMPARE(UnnamedControls(&window.frame).join(", "), QString());
        window.frame.RunCommand(CommandId::kProductList);
        window.TapRow(0);
        QStringList unnamed{"none"};
        QString title;
        QAccessible::Role role = QAccessible::NoRole;
        WhenModalOpens([&](QWidget* dialog) {
            unnamed = UnnamedControls(dialog);
            for (const char* field : {"nameEdit", "quantityEdit", "avgCostEdit", "vendorCombo", "noteEdit"}) {
                unnamed << Child<QWidget>(dialog, field)->accessibleName();
            }
            title = QAccessible::queryAccessibleInterface(dialog)->text(QAccessible::Name);
            role = QAccessible::queryAccessibleInterface(dialog)->role();
            Click(dialog, "cancelButton");
        });
        Click(&window.frame, "editButton");
        QCOMPARE(role, QAccessible::Dialog);
        QVERIFY(!title.isEmpty());
        QCOMPARE(unnamed.join(", "), QStringLiteral("Name, Qty on Hand, Avg Cost, Vendor, Note"));
    }

    void theItemSetupKeepsItsProductWhenACategoryRenameReordersTheList()
    {
        CTestBook book;
        Stock(book);
        CreateProduct(book.Doc(), QStringLiteral("Apple"), 1, 0, 1);
        QVERIFY(book.Exec(QStringLiteral("update Item set CategoryID=1 where ProductID='Apple'")));
        book.Doc().LoadProducts();
        CListWindow window(book);
        auto& prompter = book.Prompter();
        prompter.Clear();
        window.TapRow(3);
        QCOMPARE(window.Highlighted(), QStringList{"Washer"});

        // From Washer's dialog, "New" renames Software so that its product Apple sorts first; then
        // the description and the quantity change and the dialog saves.
        QString categoryAfterNew;
        QString firstAfterNew;
        bool quantityEntered = false;
        WhenModalOpens([&](QWidget* dialog) {
            WhenModalOpens([](QWidget* categories) {
                auto* list = Child<QTableWidget>(categories, "list");
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                  list->visualItemRect(list->item(1, 0)).center());
                Child<QLineEdit>(categories, "nameEdit")->setText(QStringLiteral("Accessories"));
                Click(categories, "updateButton");
                Click(categories, "closeButton");
            });
            Click(dialog, "newCategoryButton");
            categoryAfterNew = Child<QComboBox>(dialog, "categoryCombo")->currentText();
            firstAfterNew = book.Doc().Products().constFirst().ProductID;
            Child<QLineEdit>(dialog, "descEdit")->setText(QStringLiteral("Flat, M6"));
            dialog->activateWindow();
            prompter.AnswerNumber(6);
            auto* quantity = Child<QLineEdit>(dialog, "quantityEdit");
            quantityEntered = QTest::qWaitForWindowActive(dialog);
            QTest::mouseClick(quantity, Qt::LeftButton);
            quantityEntered =
                quantityEntered && QTest::qWaitFor([quantity] { return quantity->text() == QStringLiteral("6"); });
            Click(dialog, "okButton");
            if (dialog->isVisible()) {
                qobject_cast<QDialog*>(dialog)->reject();
            }
        });
        Click(&window.frame, "editButton");

        // The rename reloaded the catalogue's products while the dialog was open, Apple first.
        QCOMPARE(firstAfterNew, QStringLiteral("Apple"));
        QCOMPARE(categoryAfterNew, QStringLiteral("Hardware"));
        QVERIFY(quantityEntered);
        QCOMPARE(prompter.Shown(), QStringList{"# On Hand | Change On Hand | 2.5"});
        QCOMPARE(book.Rows("SELECT ProductID, ProductDesc, UnitsOnHand FROM Item order by ProductID"),
                 (QStringList{"Apple||0", "Bolt||1234", "Drill||3", "Nut||4", "Washer|Flat, M6|6"}));
        // One adjustment, of Washer's own difference.
        QCOMPARE(book.Rows("SELECT ProductID, Quantity FROM TransItem order by rowid"),
                 (QStringList{"Washer|2.5", "Drill|3", "Nut|4", "Bolt|1234", "Washer|3.5"}));
        QCOMPARE(Text(*window.list->model(), 0, 0, Qt::DisplayRole), QStringLiteral("Apple"));
        QCOMPARE(window.view->SelectedRow(), 4);
        QCOMPARE(window.Highlighted(), QStringList{"Washer"});

        // A rename that moves Apple back to the end, then Cancel: the list follows all the same.
        WhenModalOpens([](QWidget* dialog) {
            WhenModalOpens([](QWidget* categories) {
                auto* list = Child<QTableWidget>(categories, "list");
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                  list->visualItemRect(list->item(0, 0)).center());
                Child<QLineEdit>(categories, "nameEdit")->setText(QStringLiteral("Toys"));
                Click(categories, "updateButton");
                Click(categories, "closeButton");
            });
            Click(dialog, "newCategoryButton");
            Click(dialog, "cancelButton");
        });
        Click(&window.frame, "editButton");
        QCOMPARE(Text(*window.list->model(), 4, 0, Qt::DisplayRole), QStringLiteral("Apple"));
        QCOMPARE(window.Highlighted(), QStringList{"Washer"});
        QCOMPARE(book.Rows("SELECT count(*) FROM TransItem"), QStringList{"5"});
    }
};

QTEST_MAIN(CProductViewTest)
#include "CProductViewTest.moc"
