#include "CHomeView.h"
#include "CInventoryView.h"
#include "CMainFrame.h"
#include "CProductListModel.h"
#include "CSalesBook.h"
#include "CTransItemDlg.h"
#include "CTransLineDelegate.h"
#include "CTransLineLayout.h"
#include "CommandIds.h"
#include "ModalDriver.h"
#include "SalesFeatures.h"
#include "TransactionTypes.h"
#include "UiScale.h"
#include "UnnamedControls.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QDateEdit>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTableView>

namespace {

void Choose(QComboBox* combo, const QString& text)
{
    const int index = combo->findText(text);
    QVERIFY(index >= 0);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void Fill(CSalesBook& book)
{
    book.AddTax(2, "GST", 10);
    book.AddProduct({"Bolt", "Hex bolt", 100, 9.5, 3, 3, 2, 5});
    book.AddProduct({"Rope", "Hemp rope", 50, 2, 1.2, 1.2});
    book.AddPayee("Vendor", 5, "Acme Supply");
    book.AddPayee("Customer", 1, "Bright Cafe");
    book.Reload();
}

QString Text(const QWidget* parent, const char* name)
{
    return Child<QLineEdit>(parent, name)->text();
}

// A new sale line's dialog over the book, shown.
struct CSaleLineDialog
{
    explicit CSaleLineDialog(CSalesBook& book) : form(book.Doc(), kTransSale), dialog(book.Doc(), form.NewLineForm())
    {
        dialog.show();
    }

    const CTransactionForm form;
    CTransItemDlg dialog;
};

} // namespace

class CSalesDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void theLineDialogShowsTheProductsDefaultsAndTakesNumbersFromThePad()
    {
        CSalesBook book;
        Fill(book);
        CSaleLineDialog line(book);
        CTransItemDlg& dialog = line.dialog;
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Sale Item"));
        QCOMPARE(UnnamedControls(&dialog).join(", "), QString());
        auto* product = Child<QComboBox>(&dialog, "productCombo");
        auto* tax = Child<QComboBox>(&dialog, "taxCombo");
        // Both products under their category's heading.
        QCOMPARE(product->count(), 3);
        QCOMPARE(product->currentIndex(), -1);
        QCOMPARE(tax->currentText(), QStringLiteral("None"));
        Click(&dialog, "okButton");
        QCOMPARE(book.Prompter().Messages(), QStringList{"You Must Select a Product Item!"});
        QVERIFY(dialog.isVisible());

        Choose(product, "Bolt");
        QCOMPARE(Text(&dialog, "descEdit"), QStringLiteral("Hex bolt"));
        QCOMPARE(Text(&dialog, "priceEdit"), QStringLiteral("9.50"));
        QCOMPARE(Text(&dialog, "quantityEdit"), QStringLiteral("1"));
        QCOMPARE(Text(&dialog, "onHandEdit"), QStringLiteral("99"));
        QCOMPARE(tax->currentText(), QStringLiteral("GST"));
        QCOMPARE(Text(&dialog, "taxRateEdit"), QStringLiteral("10.00"));

        book.Prompter().AnswerNumber(12);
        QTest::mouseClick(Child<QWidget>(&dialog, "quantityEdit"), Qt::LeftButton);
        QTRY_COMPARE(Text(&dialog, "quantityEdit"), QStringLiteral("12"));
        QCOMPARE(Text(&dialog, "onHandEdit"), QStringLiteral("88"));
        QCOMPARE(QApplication::focusWidget(), Child<QWidget>(&dialog, "quantityEdit"));
        book.Prompter().AnswerNumber(8.25);
        QTest::mouseClick(Child<QWidget>(&dialog, "priceEdit"), Qt::LeftButton);
        QTRY_COMPARE(Text(&dialog, "priceEdit"), QStringLiteral("8.25"));
        Choose(tax, "None");
        QCOMPARE(Text(&dialog, "taxRateEdit"), QStringLiteral("0.00"));
        Click(&dialog, "okButton");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Form().Line().ItemTotal, 99.0);
    }

    // Tab reaches every field without opening the pad; typed digits are the quantity, the stock
    // question included.
    void theLineDialogIsDrivenByTheKeyboard()
    {
        CSalesBook book;
        Fill(book);
        CSaleLineDialog line(book);
        CTransItemDlg& dialog = line.dialog;
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        Choose(Child<QComboBox>(&dialog, "productCombo"), "Bolt");
        QStringList chain;
        for (int step = 0; step < 10; ++step) {
            chain << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(chain, (QStringList{"productCombo", "descEdit", "priceEdit", "quantityEdit", "onHandEdit", "taxCombo",
                                     "okButton", "cancelButton", "productSearch", "productCombo"}));
        QCOMPARE(book.Prompter().Shown(), QStringList{});

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("quantityEdit"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("120"));
        book.Prompter().AnswerNo();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(Text(&dialog, "quantityEdit"), QStringLiteral("1"));
        QCOMPARE(book.Prompter().Questions(), QStringList{"There is not enough QTY on hand, force it through?"});
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("20"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(Text(&dialog, "quantityEdit"), QStringLiteral("20"));
        QCOMPARE(Text(&dialog, "onHandEdit"), QStringLiteral("80"));
        QVERIFY(dialog.isVisible());
    }

    // A scanned code picks only its own product, letter case aside; Enter after the scan takes
    // the line when its price and quantity are complete.
    void aScannedCodePicksOnlyItsOwnProduct()
    {
        CSalesBook book;
        Fill(book);
        book.AddProduct({"9958494609453", "Tape measure", 5, 4.25, 2, 2});
        book.AddProduct({"SAMPLE-1", "Free sample", 10, 0, 0, 0});
        book.Reload();
        CSaleLineDialog line(book);
        CTransItemDlg& dialog = line.dialog;
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* product = Child<QComboBox>(&dialog, "productCombo");
        QCOMPARE(QApplication::focusWidget(), product);

        for (const QString& code : {QStringLiteral("9999999999999"), QStringLiteral("995")}) {
            QTest::keyClicks(product, code);
            QTest::keyClick(product, Qt::Key_Return);
            QCOMPARE(book.Prompter().Messages().last(), QStringLiteral("No product has the code \"%1\".").arg(code));
            QCOMPARE(product->currentIndex(), -1);
            QCOMPARE(dialog.Form().ProductID(), QString());
            QVERIFY(dialog.isVisible());
        }
        // The unknown code stays, so OK refuses it rather than taking an earlier choice.
        Click(&dialog, "okButton");
        QVERIFY(dialog.isVisible());

        // A product without a price waits for it.
        QTest::keyClicks(product, QStringLiteral("sample-1"));
        QTest::keyClick(product, Qt::Key_Return);
        QCOMPARE(dialog.Form().ProductID(), QStringLiteral("SAMPLE-1"));
        QCOMPARE(Text(&dialog, "descEdit"), QStringLiteral("Free sample"));
        QVERIFY(dialog.isVisible());

        product->lineEdit()->selectAll();
        QTest::keyClicks(product, QStringLiteral("9958494609453"));
        QTest::keyClick(product, Qt::Key_Enter);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Form().Line().ProductID, QStringLiteral("9958494609453"));
        QCOMPARE(dialog.Form().Line().ItemTotal, 4.25);
    }

    // The search keeps the products holding the typed text anywhere, under their category's
    // heading; Enter takes the one found, Down opens the list of several.
    void theSearchNarrowsThePickerAsTyped()
    {
        CSalesBook book;
        Fill(book);
        book.AddProduct({"9958494609453", "Tape measure", 5, 4.25, 2, 2});
        book.Reload();
        CSaleLineDialog line(book);
        CTransItemDlg& dialog = line.dialog;
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* search = Child<QLineEdit>(&dialog, "productSearch");
        auto* product = Child<QComboBox>(&dialog, "productCombo");
        const auto listed = [product] {
            QStringList names;
            for (int index = 0; index < product->count(); ++index) {
                const bool heading = !(product->model()->flags(product->model()->index(index, 0)) & Qt::ItemIsEnabled);
                names << (heading ? "# " : "") + product->itemText(index);
            }
            return names;
        };
        const QString category = listed().first();
        QVERIFY(category.startsWith("# "));

        QTest::keyClick(product, Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), search);
        QTest::keyClicks(search, QStringLiteral("E"));
        QCOMPARE(listed(), (QStringList{category, "9958494609453", "Bolt", "Rope"}));
        QTest::keyClick(search, Qt::Key_Backspace);
        QTest::keyClicks(search, QStringLiteral("p"));
        QCOMPARE(listed(), (QStringList{category, "9958494609453", "Rope"}));
        // The list opens on the first product, past the heading: a heading is never a choice.
        QTest::keyClick(search, Qt::Key_Down);
        QTRY_VERIFY(product->view()->isVisible());
        QTest::keyClick(product->view(), Qt::Key_Return);
        QTRY_VERIFY(!product->view()->isVisible());
        QCOMPARE(QApplication::focusWidget(), product);
        QCOMPARE(dialog.Form().ProductID(), QStringLiteral("9958494609453"));

        search->selectAll();
        QTest::keyClicks(search, QStringLiteral("HEMP "));
        QCOMPARE(listed(), (QStringList{category, "Rope"}));
        QTest::keyClick(search, Qt::Key_Return);
        QCOMPARE(dialog.Form().ProductID(), QStringLiteral("Rope"));
        QCOMPARE(Text(&dialog, "descEdit"), QStringLiteral("Hemp rope"));
        QVERIFY(dialog.isVisible());

        // The choice stays shown while another search hides it.
        search->selectAll();
        QTest::keyClicks(search, QStringLiteral("xyz"));
        QCOMPARE(listed(), QStringList{});
        QCOMPARE(product->currentText(), QStringLiteral("Rope"));
        QTest::keyClick(search, Qt::Key_Return);
        QCOMPARE(book.Prompter().Messages().last(), QStringLiteral("No product matches \"xyz\"."));
        QCOMPARE(dialog.Form().ProductID(), QStringLiteral("Rope"));
        search->selectAll();
        QTest::keyClicks(search, QStringLiteral("bOLT"));
        QTest::keyClick(search, Qt::Key_Return);
        QCOMPARE(dialog.Form().ProductID(), QStringLiteral("Bolt"));
        Click(&dialog, "okButton");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void aPurchaseLineHasNoTaxAndAnEditedLineShowsItsOwn()
    {
        CSalesBook book;
        Fill(book);
        CTransactionForm purchase(book.Doc(), kTransPurchase);
        CTransItemDlg dialog(book.Doc(), purchase.NewLineForm());
        QCOMPARE(Child<QLabel>(&dialog, "priceLabel")->text(), QStringLiteral("Buy Price:"));
        QVERIFY(Child<QWidget>(&dialog, "taxCombo")->isHidden());
        QVERIFY(Child<QWidget>(&dialog, "taxRateEdit")->isHidden());

        TransactionLine line;
        line.ProductID = "Gone";
        line.TaxName = "City";
        line.TaxRate = 8.875;
        CTransactionForm sale(book.Doc(), kTransSale);
        sale.AddLine(line, -1);
        sale.SetSelection(0);
        CTransItemDlg edit(book.Doc(), sale.SelectedLineForm());
        QCOMPARE(Child<QComboBox>(&edit, "productCombo")->placeholderText(), QStringLiteral("Gone"));
        QCOMPARE(Child<QComboBox>(&edit, "taxCombo")->placeholderText(), QStringLiteral("City"));
        QCOMPARE(Text(&edit, "taxRateEdit"), QStringLiteral("8.875"));
    }

    void theEntryFormAddsEditsAndDeletesLinesAndSaves()
    {
        CSalesBook book;
        Fill(book);
        CInventoryView view(book.Doc(), CTransactionForm(book.Doc(), kTransPurchase));
        view.show();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        QCOMPARE(Child<QLabel>(&view, "titleLabel")->text(), QStringLiteral("Purchase Product"));
        QCOMPARE(Child<QLabel>(&view, "partyLabel")->text(), QStringLiteral("Vendor:"));
        QVERIFY(Child<QWidget>(&view, "taxText")->isHidden());
        QCOMPARE(Text(&view, "invoiceEdit"), QStringLiteral("0"));
        QCOMPARE(Child<QDateEdit>(&view, "dateEdit")->text(), QStringLiteral("1/20/26"));
        QCOMPARE(UnnamedControls(&view).join(", "), QString());
        auto* list = Child<QTableView>(&view, "lineList");
        QAbstractItemModelTester tester(list->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        auto* edit = Child<QPushButton>(&view, "editItemButton");
        QVERIFY(!edit->isEnabled());

        for (const char* product : {"Bolt", "Rope"}) {
            WhenModalOpens([product](QWidget* dialog) {
                Choose(Child<QComboBox>(dialog, "productCombo"), product);
                Click(dialog, "okButton");
            });
            Click(&view, "newItemButton");
        }
        QCOMPARE(list->model()->rowCount(), 2);
        QCOMPARE(list->model()->index(1, 0).data().toString(), QStringLiteral("Rope"));
        QCOMPARE(Text(&view, "totalText"), QStringLiteral("Total: 4.20"));
        // The first product's vendor became the party.
        QCOMPARE(Child<QComboBox>(&view, "partyCombo")->currentText(), QStringLiteral("Acme Supply"));

        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(0, 1)).center());
        QVERIFY(edit->isEnabled());
        book.Prompter().AnswerNumber(10);
        WhenModalOpens([](QWidget* dialog) {
            QTest::mouseClick(Child<QWidget>(dialog, "quantityEdit"), Qt::LeftButton);
            QTRY_COMPARE(Text(dialog, "quantityEdit"), QStringLiteral("10"));
            Click(dialog, "okButton");
        });
        Click(&view, "editItemButton");
        QCOMPARE(Text(&view, "totalText"), QStringLiteral("Total: 31.20"));
        QCOMPARE(list->model()->index(0, 2).data().toString(), QStringLiteral("30.00"));

        Click(&view, "deleteItemButton");
        QCOMPARE(list->model()->rowCount(), 1);
        QVERIFY(!edit->isEnabled());
        Child<QDateEdit>(&view, "dateEdit")->setDate(QDate(2026, 1, 18));
        Click(&view, "confirmButton");
        QCOMPARE(view.result(), int(QDialog::Accepted));
        QCOMPARE(book.Book().Rows("SELECT TransDate,CompanyName,ProductID FROM TransItem"),
                 QStringList{"1/18/26 3:45 PM|Acme Supply|Rope"});
    }

    // Three billion at half a cent, and one at fifteen million: each number shows whole and
    // grouped in the list font, its column widened for it, at both scales.
    void bigNumbersInTheLinesAreNeverCut()
    {
        for (int scale : {1, 2}) {
            SetUiScale(scale);
            CSalesBook book;
            Fill(book);
            CTransactionForm form(book.Doc(), kTransPurchase);
            const auto line = [](const char* product, double quantity, double price) {
                TransactionLine line;
                line.ProductID = QLatin1String(product);
                line.Quantity = quantity;
                line.Price = price;
                line.ItemTotal = 15e6;
                return line;
            };
            form.AddLine(line("Bolt", 3e9, 0.005), -1);
            form.AddLine(line("Rope", 1, 15e6), -1);
            CInventoryView view(book.Doc(), form);
            view.show();
            auto* list = Child<QTableView>(&view, "lineList");
            const auto* delegate = qobject_cast<const CTransLineDelegate*>(list->itemDelegate());
            QVERIFY(delegate != nullptr);
            const QFontMetrics metrics(delegate->RowFont());
            const int blank = metrics.horizontalAdvance(QLatin1Char(' '));
            const QAbstractItemModel& model = *list->model();
            const auto box = [&](int row, int column) {
                return CTransLineLayout(list->visualRect(model.index(row, column)), blank, delegate->NameWidth());
            };
            const auto fits = [&](const QString& text, const QRect& place) {
                return metrics.horizontalAdvance(text) <= place.width();
            };
            QCOMPARE(model.index(0, 0).data(CProductListModel::CategoryRole).toString(),
                     QStringLiteral("3,000,000,000"));
            QCOMPARE(model.index(0, 2).data().toString(), QStringLiteral("15,000,000.00"));
            QCOMPARE(model.index(1, 1).data().toString(), QStringLiteral("15,000,000.00"));
            QVERIFY(fits(QStringLiteral("3,000,000,000"), box(0, 0).Quantity()));
            QVERIFY(fits(QStringLiteral("15,000,000.00"), box(0, 2).Upper()));
            QVERIFY(fits(QStringLiteral("15,000,000.00"), box(1, 1).Upper()));
        }
        SetUiScale(2);
    }

    // Escape, the cross and the close box would lose the lines: each asks first, and No keeps them.
    void closingAFormWithLinesAsksFirst()
    {
        CSalesBook book;
        Fill(book);
        CInventoryView view(book.Doc(), CTransactionForm(book.Doc(), kTransSale));
        view.show();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        QTest::keyClick(&view, Qt::Key_Escape);
        QVERIFY(!view.isVisible());
        QCOMPARE(book.Prompter().Shown(), QStringList{});

        view.show();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        WhenModalOpens([](QWidget* dialog) {
            Choose(Child<QComboBox>(dialog, "productCombo"), "Bolt");
            Click(dialog, "okButton");
        });
        Click(&view, "newItemButton");
        QTest::keyClick(&view, Qt::Key_Escape);
        QVERIFY(!view.close());
        Click(&view, "closeButton");
        QVERIFY(view.isVisible());
        QCOMPARE(book.Prompter().Questions(), QStringList(3, "Discard the unsaved sale with 1 line?"));
        QCOMPARE(book.Prompter().QuestionIcons(), QList<CPrompter::Icon>(3, CPrompter::Icon::Warning));
        QCOMPARE(view.Form().Lines().size(), 1);

        book.Prompter().AnswerYes();
        QTest::keyClick(&view, Qt::Key_Escape);
        QVERIFY(!view.isVisible());
        QCOMPARE(view.result(), int(QDialog::Rejected));
        QCOMPARE(book.Book().Rows("SELECT count(*) FROM TransItem"), QStringList{"0"});
    }

    // The arrow keys select a line; Enter or a double click edits it.
    void theLinesAreEditedFromTheKeyboard()
    {
        CSalesBook book;
        Fill(book);
        CInventoryView view(book.Doc(), CTransactionForm(book.Doc(), kTransSale));
        view.show();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        for (const char* product : {"Bolt", "Rope"}) {
            WhenModalOpens([product](QWidget* dialog) {
                Choose(Child<QComboBox>(dialog, "productCombo"), product);
                Click(dialog, "okButton");
            });
            Click(&view, "newItemButton");
        }
        auto* list = Child<QTableView>(&view, "lineList");
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(view.Form().Selection(), 1);
        QStringList edited;
        const auto cancelLine = [&edited](QWidget* dialog) {
            edited << Child<QComboBox>(dialog, "productCombo")->currentText();
            Click(dialog, "cancelButton");
        };
        QTest::keyClick(list, Qt::Key_Return);
        WhenModalOpens(cancelLine);
        QTRY_COMPARE(edited, QStringList{"Rope"});
        const QPoint first = list->visualRect(list->model()->index(0, 1)).center();
        // A person's double click: the first click's press and release, then the second's.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, first);
        WhenModalOpens(cancelLine);
        QTRY_COMPARE(edited, (QStringList{"Rope", "Bolt"}));
        QVERIFY(view.isVisible());
    }

    void newCreatesACustomerThatBecomesTheParty()
    {
        CSalesBook book;
        Fill(book);
        CInventoryView view(book.Doc(), CTransactionForm(book.Doc(), kTransSale));
        view.show();
        auto* party = Child<QComboBox>(&view, "partyCombo");
        QCOMPARE(party->count(), 1);
        WhenModalOpens([](QWidget* setup) {
            QCOMPARE(setup->objectName(), QStringLiteral("customerSetupDialog"));
            Child<QLineEdit>(setup, "companyEdit")->setText(QStringLiteral("Harbour Deli"));
            Click(setup, "okButton");
        });
        Click(&view, "newPartyButton");
        QCOMPARE(party->count(), 2);
        QCOMPARE(party->currentText(), QStringLiteral("Harbour Deli"));
        QCOMPARE(view.Form().PartyText(), QStringLiteral("Harbour Deli"));
        QVERIFY(view.Form().IsModified());
        QCOMPARE(book.Book().Rows("SELECT CompanyName FROM Customer order by PayeeID"),
                 (QStringList{"Bright Cafe", "Harbour Deli"}));
    }

    void printingAnEmptyFormSaysSoAndTheFrameOpensTheForms()
    {
        CSalesBook book;
        Fill(book);
        CMainFrame frame(book.Doc());
        QVERIFY(!frame.IsCommandAvailable(CommandId::kSale));
        RegisterSalesFeatures(frame);
        QVERIFY(frame.IsCommandAvailable(CommandId::kSale) && frame.IsCommandAvailable(CommandId::kPurchase));
        WhenModalOpens([&book](QWidget* form) {
            QCOMPARE(Child<QLabel>(form, "titleLabel")->text(), QStringLiteral("Sell Product"));
            QVERIFY(Child<QWidget>(form, "taxText")->isVisibleTo(form));
            Click(form, "printButton");
            QCOMPARE(book.Prompter().Messages(), QStringList{"There is Nothing to Print"});
            Click(form, "confirmButton");
            QCOMPARE(book.Prompter().Messages().last(), QStringLiteral("Please add Sale Item!"));
            Click(form, "closeButton");
        });
        frame.RunCommand(CommandId::kSale);
        QCOMPARE(book.Book().Rows("SELECT count(*) FROM TransItem"), QStringList{"0"});
    }
};

QTEST_MAIN(CSalesDialogsTest)
#include "CSalesDialogsTest.moc"
