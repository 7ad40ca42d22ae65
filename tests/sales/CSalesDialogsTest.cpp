#include "CHomeView.h"
#include "CInventoryView.h"
#include "CMainFrame.h"
#include "CSalesBook.h"
#include "CTransItemDlg.h"
#include "CommandIds.h"
#include "ModalDriver.h"
#include "SalesFeatures.h"
#include "TransactionTypes.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QDateEdit>
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
        const CTransactionForm form(book.Doc(), kTransSale);
        CTransItemDlg dialog(book.Doc(), form.NewLineForm());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Varuz Uzedovazu"));
        auto* product = Child<QComboBox>(&dialog, "productCombo");
        auto* tax = Child<QComboBox>(&dialog, "taxCombo");
        QCOMPARE(product->count(), 2);
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
        QCOMPARE(QApplication::focusWidget(), product);
        book.Prompter().AnswerNumber(8.25);
        QTest::mouseClick(Child<QWidget>(&dialog, "priceEdit"), Qt::LeftButton);
        QTRY_COMPARE(Text(&dialog, "priceEdit"), QStringLiteral("8.25"));
        Choose(tax, "None");
        QCOMPARE(Text(&dialog, "taxRateEdit"), QStringLiteral("0.00"));
        Click(&dialog, "okButton");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Form().Line().ItemTotal, 99.0);
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
