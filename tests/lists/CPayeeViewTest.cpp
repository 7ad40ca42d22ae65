#include "CColorEdit.h"
#include "CColorStatic.h"
#include "CCustomerSetupDlg.h"
#include "CHomeView.h"
#include "CItemSetupDlg.h"
#include "CListHeaderCtrl.h"
#include "CMainFrame.h"
#include "CPayeeListCtrl.h"
#include "CPayeeListView.h"
#include "CPayeeRowDelegate.h"
#include "CSecondProgram.h"
#include "CTestBook.h"
#include "CVendorSetupDlg.h"
#include "CommandIds.h"
#include "ListFeatures.h"
#include "ModalDriver.h"
#include "UnnamedControls.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>

namespace {

void AddPayee(CTestBook& book, CPayeeSetup::Kind kind, const QString& name, const QString& phone = QString())
{
    PayeeRecord payee;
    payee.CompanyName = name;
    payee.Phone = phone;
    QVERIFY(CPayeeSetup(book.Doc(), kind).Create(payee).Saved());
}

// The window with the list features, showing one of the payee lists.
struct CPayeeWindow
{
    CPayeeWindow(CTestBook& book, int screen) : frame(book.Doc())
    {
        RegisterListFeatures(frame);
        QSignalSpy loaded(frame.HomeView(), &CHomeView::CatalogueLoaded);
        frame.show();
        if (!loaded.wait(5000)) {
            qFatal("the catalogue did not load");
        }
        frame.RunCommand(screen);
        view = qobject_cast<CPayeeListView*>(frame.CurrentView());
        list = view != nullptr ? Child<CPayeeListCtrl>(view, "payeeList") : nullptr;
    }

    // The middle of where the row would be, also past the last one; x in the name column's
    // right part, where no text reaches.
    QPoint Point(int row) const
    {
        const int height = list->Delegate().RowHeight();
        return QPoint(list->Delegate().ColumnWidth(0) - 4, list->rowViewportPosition(0) + row * height + height / 2);
    }
    void Tap(int row) { QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, Point(row)); }
    QString Name(int row) const { return list->model()->index(row, 0).data().toString(); }
    QStringList EnabledBarButtons() const { return EnabledCommandBarButtons(frame); }

    CMainFrame frame;
    CPayeeListView* view = nullptr;
    CPayeeListCtrl* list = nullptr;
};

} // namespace

class CPayeeViewTest : public QObject
{
    Q_OBJECT

private slots:
    void everyControlOfThePayeeListsHasAnAccessibleName()
    {
        CTestBook book;
        AddPayee(book, CPayeeSetup::Kind::Customer, QStringLiteral("Acme"));
        CPayeeWindow window(book, CommandId::kCustomerList);
        QCOMPARE(UnnamedControls(&window.frame).join(", "), QString());
        window.frame.RunCommand(CommandId::kVendorList);
        QCOMPARE(UnnamedControls(&window.frame).join(", "), QString());
    }

    // An empty list says how to fill it, on the line the first row will take.
    void anEmptyListShowsAHint()
    {
        CTestBook book;
        CPayeeWindow vendors(book, CommandId::kVendorList);
        QCOMPARE(vendors.list->ShownHint(), QStringLiteral("No vendors yet: New adds one"));
        const QImage shown = vendors.list->viewport()->grab().toImage();
        const int height = vendors.list->Delegate().RowHeight();
        const QRgb band = shown.pixel(shown.width() - 2, height / 2);
        int inked = 0;
        for (int x = 0; x < shown.width() / 2; ++x) {
            inked += shown.pixel(x, height / 2) != band ? 1 : 0;
        }
        QVERIFY(inked > 0);

        AddPayee(book, CPayeeSetup::Kind::Customer, QStringLiteral("Mike"));
        CPayeeWindow customers(book, CommandId::kCustomerList);
        QCOMPARE(customers.list->ShownHint(), QString());
    }

    void rowsAlternateWhiteThenGreyAndTheBandsGoOnBelowThem()
    {
        CTestBook book;
        for (const char* name : {"Delta", "alpha", "Echo", "Bravo", "Charlie"}) {
            AddPayee(book, CPayeeSetup::Kind::Customer, QString::fromLatin1(name));
        }
        AddPayee(book, CPayeeSetup::Kind::Vendor, QStringLiteral("Mike"), QStringLiteral("555-0101"));
        AddPayee(book, CPayeeSetup::Kind::Vendor, QStringLiteral("Kilo"));
        AddPayee(book, CPayeeSetup::Kind::Vendor, QStringLiteral("Lima"));
        QVERIFY(CPayeeSetup::OpenOwnCompany(book.Doc()));

        CPayeeWindow window(book, CommandId::kVendorList);
        QCOMPARE(window.frame.TitleText(), QStringLiteral("Vendors List"));
        QVERIFY(window.frame.IsButtonBarShown());
        QCOMPARE(window.list->model()->rowCount(), 3);
        QCOMPARE(window.Name(2), QStringLiteral("Mike"));
        QCOMPARE(window.list->model()->index(2, 1).data().toString(), QStringLiteral("555-0101"));
        QCOMPARE(window.list->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Vendor Name"));
        window.Tap(1);

        QImage image(window.list->size(), QImage::Format_RGB32);
        window.list->render(&image);
        const QPoint origin = window.list->viewport()->mapTo(window.list, QPoint(0, 0));
        const auto colour = [&](int row) { return QColor(image.pixel(origin + window.Point(row))); };
        const QColor white = CPayeeRowDelegate::kEvenColor;
        const QColor grey = CPayeeRowDelegate::kOddColor;
        QCOMPARE(colour(0), white);
        QCOMPARE(colour(1), window.list->palette().color(QPalette::Active, QPalette::Highlight));
        QCOMPARE(colour(2), white);
        QCOMPARE(colour(3), grey);
        QCOMPARE(colour(4), white);
        QCOMPARE(colour(5), grey);
        auto* header = qobject_cast<CListHeaderCtrl*>(window.list->horizontalHeader());
        QVERIFY(header != nullptr && !header->isEnabled());
        QCOMPARE(QColor(image.pixel(header->mapTo(window.list, QPoint(header->sectionPosition(1) + 3, 4)))),
                 CPayeeListCtrl::kHeaderBackground);

        window.frame.RunCommand(CommandId::kCustomerList);
        auto* customers = qobject_cast<CPayeeListView*>(window.frame.CurrentView());
        auto* customerList = Child<CPayeeListCtrl>(customers, "payeeList");
        QCOMPARE(window.frame.TitleText(), QStringLiteral("Customers List"));
        QCOMPARE(customerList->model()->rowCount(), 5);
        QCOMPARE(customerList->model()->index(0, 0).data().toString(), QStringLiteral("alpha"));
        QCOMPARE(customerList->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Customer Name"));
        QCOMPARE(customers->Selection(), -1);
        // Each list keeps its own selection.
        window.frame.RunCommand(CommandId::kVendorList);
        QCOMPARE(window.view->Selection(), 1);
    }

    void editAndDeleteActOnTheSelectedPayeeWhereverItMoves()
    {
        CTestBook book;
        for (const char* name : {"Jane", "Mike", "Zed"}) {
            AddPayee(book, CPayeeSetup::Kind::Customer, QString::fromLatin1(name));
        }
        CPayeeWindow window(book, CommandId::kCustomerList);
        auto& prompter = book.Prompter();
        QCOMPARE(window.EnabledBarButtons(), QStringList{"newButton"});
        window.view->OnBarCommand(CommandId::kDelete);
        QCOMPARE(prompter.Shown(), QStringList{"Please Select Item First"});

        window.Tap(1);
        QCOMPARE(window.view->Selection(), 1);
        QCOMPARE(window.EnabledBarButtons(), (QStringList{"newButton", "editButton", "deleteButton"}));
        WhenModalOpens([](QWidget* dialog) {
            QCOMPARE(Child<QLabel>(dialog, "titleText")->text(), QStringLiteral("Customer Setup"));
            QCOMPARE(Child<QLineEdit>(dialog, "companyEdit")->text(), QString());
            Child<QLineEdit>(dialog, "companyEdit")->setText(QStringLiteral("Aaron"));
            Click(dialog, "okButton");
        });
        Click(&window.frame, "newButton");
        QCOMPARE(window.Name(0), QStringLiteral("Aaron"));
        QCOMPARE(window.view->Selection(), 2);
        QCOMPARE(window.list->selectionModel()->selectedRows(), QModelIndexList{window.list->model()->index(2, 0)});

        WhenModalOpens([](QWidget* dialog) {
            QCOMPARE(Child<QLineEdit>(dialog, "companyEdit")->text(), QStringLiteral("Mike"));
            // Shown from its start, as a name longer than its field would be.
            QCOMPARE(Child<QLineEdit>(dialog, "companyEdit")->cursorPosition(), 0);
            Child<QLineEdit>(dialog, "phoneEdit")->setText(QStringLiteral("555"));
            Click(dialog, "okButton");
        });
        Click(&window.frame, "editButton");
        QCOMPARE(book.Rows("SELECT CompanyName FROM Customer WHERE Phone = '555'"), QStringList{"Mike"});

        // Another program adds a payee above the selection and the window refreshes.
        CSecondProgram other(book.Path());
        PayeeRecord abel;
        abel.CompanyName = QStringLiteral("Abel");
        QVERIFY(CPayeeSetup(other.Doc(), CPayeeSetup::Kind::Customer).Create(abel).Saved());
        book.Doc().ReloadIfChangedElsewhere();
        window.view->RefreshFromDocument();
        QCOMPARE(window.view->Selection(), 3);

        prompter.Clear();
        prompter.AnswerYes();
        Click(&window.frame, "deleteButton");
        QCOMPARE(prompter.Shown(), QStringList{"? Delete the customer 'Mike'?"});
        QCOMPARE(book.Rows("SELECT CompanyName FROM Customer order by CompanyName"),
                 (QStringList{"Aaron", "Abel", "Jane", "Zed"}));
        QCOMPARE(window.view->Selection(), -1);
        QCOMPARE(window.EnabledBarButtons(), QStringList{"newButton"});

        // A selection another program deleted is let go at the next refresh.
        window.Tap(3);
        QCOMPARE(window.Name(3), QStringLiteral("Zed"));
        other.Prompter().AnswerYes();
        other.Doc().ReloadCatalogue();
        QVERIFY(CPayeeSetup(other.Doc(), CPayeeSetup::Kind::Customer).Delete(*window.view->SelectedPayeeID()));
        book.Doc().ReloadIfChangedElsewhere();
        window.view->RefreshFromDocument();
        QCOMPARE(window.view->SelectedPayeeID(), std::nullopt);
        QCOMPARE(window.EnabledBarButtons(), QStringList{"newButton"});
    }

    void aSaveScrollsTheSavedPayeeIntoView()
    {
        CTestBook book;
        for (int i = 0; i < 40; ++i) {
            AddPayee(book, CPayeeSetup::Kind::Vendor, QStringLiteral("Vendor %1").arg(i, 2, 10, QLatin1Char('0')));
        }
        CPayeeWindow window(book, CommandId::kVendorList);
        const auto visible = [&window](const QString& name) {
            const QModelIndexList found =
                window.list->model()->match(window.list->model()->index(0, 0), Qt::DisplayRole, name);
            return !found.isEmpty() && window.list->viewport()->rect().contains(window.list->visualRect(found[0]));
        };
        QVERIFY(visible(QStringLiteral("Vendor 00")));
        QVERIFY(!visible(QStringLiteral("Vendor 39")));
        WhenModalOpens([](QWidget* dialog) {
            QCOMPARE(Child<QLabel>(dialog, "titleText")->text(), QStringLiteral("Vendor Setup"));
            Child<QLineEdit>(dialog, "companyEdit")->setText(QStringLiteral("Zulu"));
            Click(dialog, "okButton");
        });
        Click(&window.frame, "newButton");
        QVERIFY(visible(QStringLiteral("Zulu")));
        QVERIFY(!visible(QStringLiteral("Vendor 00")));
    }

    void theSetupDialogShowsItsFormAndStaysOpenForACorrection()
    {
        CTestBook book;
        QVERIFY(book.Exec(QStringLiteral("INSERT INTO Customer(PayeeID,CompanyName,Country,Note) "
                                         "Values(4,'Acme','Peru','Line one')")));
        book.Doc().LoadCustomers();
        AddPayee(book, CPayeeSetup::Kind::Customer, QStringLiteral("Beta"));
        auto& prompter = book.Prompter();
        prompter.Clear();

        CCustomerSetupDlg created(book.Doc());
        created.show();
        QCOMPARE(created.windowTitle(), CMainFrame::kApplicationTitle);
        auto* company = Child<CColorEdit>(&created, "companyEdit");
        QCOMPARE(company->BackgroundColor(), QColor(247, 231, 214));
        QCOMPARE(Child<CColorEdit>(&created, "zipEdit")->BackgroundColor(), QColor(222, 235, 239));
        const QList<CColorStatic*> labels = created.findChildren<CColorStatic*>();
        QCOMPARE(labels.size(), 10);
        QCOMPARE(labels[0]->text(), QStringLiteral("Company:"));
        QCOMPARE(labels[0]->BackgroundColor(), QColor(248, 214, 216));
        QCOMPARE(labels[1]->BackgroundColor(), QColor(113, 169, 187));
        company->setText(QStringLiteral("  "));
        Click(&created, "okButton");
        company->setText(QStringLiteral("acme "));
        Click(&created, "okButton");
        QVERIFY(created.isVisible());
        company->setText(QStringLiteral("Gamma "));
        Child<QPlainTextEdit>(&created, "noteEdit")->setPlainText(QString(300, QLatin1Char('n')));
        Click(&created, "okButton");
        QCOMPARE(created.result(), int(QDialog::Accepted));
        QCOMPARE(created.SavedName(), QStringLiteral("Gamma"));
        QCOMPARE(created.SavedPayeeID(), std::optional<int32_t>(6));
        QCOMPARE(prompter.Shown(), (QStringList{"Company Name Can not Be Empty!",
                                                "The New Company Name Exists! Please Change to Other Name."}));
        QCOMPARE(book.Rows(QStringLiteral("SELECT PayeeID, length(Note) FROM Customer WHERE CompanyName = 'Gamma'")),
                 QStringList{"6|255"});

        // A change keeps its payee by id; a new name only is reported.
        CCustomerSetupDlg changed(book.Doc(), 4);
        company = Child<CColorEdit>(&changed, "companyEdit");
        QCOMPARE(company->text(), QStringLiteral("Acme"));
        QCOMPARE(Child<QPlainTextEdit>(&changed, "noteEdit")->toPlainText(), QStringLiteral("Line one"));
        Child<QLineEdit>(&changed, "cityEdit")->setText(QStringLiteral("Lima"));
        Click(&changed, "okButton");
        QCOMPARE(changed.SavedName(), QString());
        QCOMPARE(changed.SavedPayeeID(), std::optional<int32_t>(4));
        QCOMPARE(book.Rows(QStringLiteral("SELECT City, Country FROM Customer WHERE PayeeID = 4")),
                 QStringList{"Lima|"});

        // Deleted meanwhile: the save finds no row, says so and closes with nothing saved.
        CCustomerSetupDlg gone(book.Doc(), 4);
        QVERIFY(book.Exec(QStringLiteral("delete from Customer where PayeeID = 4")));
        Click(&gone, "okButton");
        QCOMPARE(gone.result(), int(QDialog::Accepted));
        QCOMPARE(gone.SavedPayeeID(), std::nullopt);
        QCOMPARE(prompter.Shown().last(), QStringLiteral("Unable to execute command"));
    }

    void myCompanyOpensTheProfileFromTheMenuAndTheHomeScreen()
    {
        CTestBook book;
        AddPayee(book, CPayeeSetup::Kind::Vendor, QStringLiteral("Acme"));
        CPayeeWindow window(book, CommandId::kHome);
        QVERIFY(Child<QPushButton>(window.frame.HomeView(), "myCompanyButton")->isEnabled());
        WhenModalOpens([](QWidget* dialog) {
            QCOMPARE(Child<QLabel>(dialog, "titleText")->text(), QStringLiteral("My Company Profile"));
            QCOMPARE(Child<QLineEdit>(dialog, "companyEdit")->text(), QString());
            Child<QLineEdit>(dialog, "companyEdit")->setText(QStringLiteral("Quill & Co"));
            Child<QLineEdit>(dialog, "addressEdit")->setText(QStringLiteral("1 Main St"));
            Click(dialog, "okButton");
        });
        Click(window.frame.HomeView(), "myCompanyButton");
        QCOMPARE(book.Rows(QStringLiteral("SELECT PayeeID, CompanyName, Address FROM Vendor order by PayeeID")),
                 (QStringList{"-100|Quill & Co|1 Main St", "1|Acme|"}));
        QCOMPARE(book.Doc().OwnCompany().CompanyName, QStringLiteral("Quill & Co"));

        WhenModalOpens([](QWidget* dialog) {
            QCOMPARE(Child<QLineEdit>(dialog, "companyEdit")->text(), QStringLiteral("Quill & Co"));
            Click(dialog, "cancelButton");
        });
        window.frame.RunCommand(CommandId::kMyCompany);

        // The product dialog offers the vendors only.
        CItemSetupDlg product(book.Doc(), QString());
        auto* vendors = Child<QComboBox>(&product, "vendorCombo");
        QCOMPARE(vendors->count(), 1);
        QCOMPARE(vendors->itemText(0), QStringLiteral("Acme"));
        CVendorSetupDlg vendor(book.Doc(), 1);
        QCOMPARE(vendor.TitleText(), QStringLiteral("Vendor Setup"));
    }
};

QTEST_MAIN(CPayeeViewTest)
#include "CPayeeViewTest.moc"
