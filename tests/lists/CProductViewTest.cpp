#include "CProductView.h"
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

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>

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
    QStringList EnabledBarButtons() const
    {
        QStringList names;
        for (const char* name : {"newButton", "editButton", "deleteButton"}) {
            if (Child<QPushButton>(&frame, name)->isEnabled()) {
                names << QString::fromLatin1(name);
            }
        }
        return names;
    }

    CMainFrame frame;
    CProductView* view = nullptr;
    CProductListCtrl* list = nullptr;
};

QString Text(const QAbstractItemModel& model, int row, int column, int role)
{
    return model.data(model.index(row, column), role).toString();
}

} // namespace

class CProductViewTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

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
        QCOMPARE(row(0), QStringLiteral("Bolt||0.35|1234|0.10|123.40"));
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
        window.Tap(window.Point(1, 0.3, 0.25));
        QImage image(window.list->size(), QImage::Format_RGB32);
        window.list->render(&image);
        const QPoint origin = window.list->viewport()->mapTo(window.list, QPoint(0, 0));
        const auto colour = [&](int row, double yFraction) {
            // Inside the name part, right of any text: the background.
            return QColor(image.pixel(origin + window.Point(row, 0.3, yFraction)));
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

    void tapsSelectAndTheOnHandIconChangesTheQuantity()
    {
        CTestBook book;
        Stock(book);
        CListWindow window(book);
        QCOMPARE(window.view->Selection(), -1);
        QCOMPARE(window.EnabledBarButtons(), QStringList{"newButton"});

        window.Tap(window.Point(3, 0.1, 0.75));
        QCOMPARE(window.view->Selection(), 3);
        QCOMPARE(window.EnabledBarButtons(), (QStringList{"newButton", "editButton", "deleteButton"}));
        // At the icon's x but in the upper half: a tap like any other.
        const QPoint icon = window.IconCenter(3);
        window.Tap(QPoint(icon.x(), window.Point(3, 0, 0.25).y()));
        QCoreApplication::processEvents();
        QCOMPARE(book.Prompter().Shown(), QStringList{});

        book.Prompter().AnswerNumber(-2);
        window.Tap(window.IconCenter(2));
        QCOMPARE(window.view->Selection(), 2);
        // Run once the tap is handled.
        QCOMPARE(book.Prompter().Shown(), QStringList{});
        QTRY_COMPARE(book.Prompter().Shown(), QStringList{"# On Hand | Nut | 4"});
        QCOMPARE(Text(*window.list->model(), 2, 1, CProductListModel::LowerTextRole), QStringLiteral("-2"));
        QCOMPARE(book.Rows("SELECT Quantity FROM TransItem where ProductID='Nut' order by rowid"),
                 (QStringList{"4", "-6"}));
        QVERIFY(window.list->updatesEnabled());

        // Below the rows: nothing is selected any more.
        window.Tap(window.Point(8, 0.5, 0.5));
        QCOMPARE(window.view->Selection(), -1);
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
        QCOMPARE(window.view->Selection(), -1);

        window.Tap(window.Point(1, 0.1, 0.25));
        WhenModalOpens([](QWidget* dialog) {
            QCOMPARE(Child<QLineEdit>(dialog, "nameEdit")->text(), QStringLiteral("Bolt"));
            Child<QLineEdit>(dialog, "nameEdit")->setText(QStringLiteral("Zinc bolt"));
            Click(dialog, "okButton");
        });
        Click(&window.frame, "editButton");
        QCOMPARE(Text(*window.list->model(), 4, 0, Qt::DisplayRole), QStringLiteral("Zinc bolt"));
        QCOMPARE(window.view->Selection(), 1);

        // Cancel writes nothing.
        WhenModalOpens([](QWidget* dialog) {
            Child<QLineEdit>(dialog, "nameEdit")->setText(QStringLiteral("Gone"));
            Click(dialog, "cancelButton");
        });
        Click(&window.frame, "editButton");
        QCOMPARE(book.Doc().FindProduct(QStringLiteral("Gone"), Qt::CaseSensitive), -1);

        // Anchor (created with no quantity) can go; a product with movements cannot.
        window.Tap(window.Point(0, 0.1, 0.25));
        prompter.Clear();
        prompter.AnswerYes(2);
        Click(&window.frame, "deleteButton");
        QCOMPARE(window.list->model()->rowCount(), 4);
        QCOMPARE(window.view->Selection(), 0);
        Click(&window.frame, "deleteButton");
        QCOMPARE(window.list->model()->rowCount(), 4);
        QCOMPARE(prompter.Shown(),
                 (QStringList{"? Delete an Item?", "? Delete an Item?",
                              "You can not delete the item because it has been used in transaction!"}));
    }
};

QTEST_MAIN(CProductViewTest)
#include "CProductViewTest.moc"
