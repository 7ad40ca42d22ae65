#include "CCategoryDlg.h"
#include "CColorEdit.h"
#include "CCustomerSetupDlg.h"
#include "CItemSetupDlg.h"
#include "CSaleTaxDlg.h"
#include "CTestBook.h"
#include "ModalDriver.h"
#include "UnnamedControls.h"

#include <QClipboard>
#include <QComboBox>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

namespace {

QStringList ListRows(QTableWidget* list)
{
    QStringList rows;
    for (int row = 0; row < list->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < list->columnCount(); ++column) {
            cells << list->item(row, column)->text();
        }
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

void ClickRow(QTableWidget* list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row, 0)).center());
}

// Tabs on from the focused control until the named one has the focus.
void TabTo(const char* name)
{
    for (int step = 0; step < 30 && QApplication::focusWidget()->objectName() != QLatin1String(name); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(name));
}

QStringList ComboEntries(QComboBox* combo)
{
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i) {
        entries << QStringLiteral("%1:%2").arg(combo->itemText(i)).arg(combo->itemData(i).toInt());
    }
    return entries;
}

void AddVendor(CTestBook& book, int id, const QString& name)
{
    QVERIFY(book.Exec(QStringLiteral("INSERT INTO Vendor(PayeeID,CompanyName) Values(%1,'%2')").arg(id).arg(name)));
}

} // namespace

class CListDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QGuiApplication::clipboard()->clear();
    }

    void aNumericEditTakesOnlyANumberWithTwoDecimals()
    {
        CColorEdit edit;
        edit.SetNumeric(true);
        edit.show();
        QTest::keyClicks(&edit, QStringLiteral(".5"));
        QCOMPARE(edit.text(), QStringLiteral(".5"));

        edit.clear();
        QTest::keyClicks(&edit, QStringLiteral("1a,2-3.4.56"));
        QCOMPARE(edit.text(), QStringLiteral("1,23.45"));
        // Two decimals: only backspace, wherever the caret stands.
        edit.setCursorPosition(0);
        QTest::keyClicks(&edit, QStringLiteral("9"));
        QCOMPARE(edit.text(), QStringLiteral("1,23.45"));
        edit.end(false);
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QTest::keyClicks(&edit, QStringLiteral("7"));
        QCOMPARE(edit.text(), QStringLiteral("1,23.47"));
        // Typing over the selection (as after Tab into the field) replaces it.
        edit.selectAll();
        QTest::keyClicks(&edit, QStringLiteral("8.25"));
        QCOMPARE(edit.text(), QStringLiteral("8.25"));

        QGuiApplication::clipboard()->setText(QStringLiteral("88"));
        edit.clear();
        QTest::keySequence(&edit, QKeySequence::Paste);
        QCOMPARE(edit.text(), QString());

        edit.SetNumeric(false);
        QTest::keySequence(&edit, QKeySequence::Paste);
        QTest::keyClicks(&edit, QStringLiteral("x."));
        QCOMPARE(edit.text(), QStringLiteral("88x."));
    }

    void everyControlOfTheSetupDialogsHasAnAccessibleName()
    {
        CTestBook book;
        CCategoryDlg categories(book.Doc());
        categories.show();
        QCOMPARE(UnnamedControls(&categories).join(", "), QString());
        CSaleTaxDlg taxes(book.Doc());
        taxes.show();
        QCOMPARE(UnnamedControls(&taxes).join(", "), QString());
        CCustomerSetupDlg customer(book.Doc(), std::nullopt);
        customer.show();
        QCOMPARE(UnnamedControls(&customer).join(", "), QString());
    }

    void theCategoryDialogAddsUpdatesAndDeletesThroughItsButtons()
    {
        CTestBook book;
        CCategoryDlg dialog(book.Doc());
        dialog.show();
        auto* list = Child<QTableWidget>(&dialog, "list");
        auto* name = Child<QLineEdit>(&dialog, "nameEdit");
        auto* update = Child<QPushButton>(&dialog, "updateButton");
        auto* remove = Child<QPushButton>(&dialog, "deleteButton");
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Pocket Quillet"));
        QCOMPARE(list->horizontalHeaderItem(0)->text(), QStringLiteral("Category Name"));
        QCOMPARE(ListRows(list), (QStringList{"Hardware", "Software"}));
        QVERIFY(!update->isEnabled() && !remove->isEnabled());

        QTest::keyClicks(name, QStringLiteral("Tools"));
        Click(&dialog, "addButton");
        QCOMPARE(ListRows(list), (QStringList{"Hardware", "Software", "Tools"}));
        QCOMPARE(name->text(), QString());

        ClickRow(list, 2);
        QCOMPARE(name->text(), QStringLiteral("Tools"));
        QVERIFY(update->isEnabled() && remove->isEnabled());
        name->setText(QStringLiteral("hardware"));
        Click(&dialog, "updateButton");
        QCOMPARE(ListRows(list), (QStringList{"Hardware", "Software", "Tools"}));
        QVERIFY(update->isEnabled());
        name->setText(QStringLiteral("Garden"));
        Click(&dialog, "updateButton");
        QCOMPARE(ListRows(list), (QStringList{"Garden", "Hardware", "Software"}));
        QVERIFY(!update->isEnabled() && !remove->isEnabled());
        QCOMPARE(name->text(), QString());

        ClickRow(list, 0);
        book.Prompter().AnswerYes();
        Click(&dialog, "deleteButton");
        QCOMPARE(ListRows(list), (QStringList{"Hardware", "Software"}));
        QCOMPARE(book.Prompter().Shown(), (QStringList{"The New Category Code Exists! Please Change to Other Name.",
                                                       "? Delete the category 'Garden'?"}));

        Click(&dialog, "closeButton");
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void theSaleTaxDialogShowsRatesInTheLocalesForm()
    {
        CTestBook book;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        CSaleTaxDlg dialog(book.Doc());
        dialog.show();
        auto* list = Child<QTableWidget>(&dialog, "list");
        auto* name = Child<QLineEdit>(&dialog, "nameEdit");
        auto* rate = Child<QLineEdit>(&dialog, "rateEdit");
        QCOMPARE(ListRows(list), QStringList{"None|0,00%"});
        QCOMPARE(rate->text(), QStringLiteral("0,0"));

        // Rates are read exactly in the locale; text that is no rate is refused, never read as 0.
        QTest::keyClicks(name, QStringLiteral("PST"));
        for (const QString& typed : {QStringLiteral("abc"), QStringLiteral("7.5"), QStringLiteral("1.007,5")}) {
            rate->clear();
            QTest::keyClicks(rate, typed);
            Click(&dialog, "addButton");
        }
        QCOMPARE(book.Prompter().Shown(), (QStringList{"'abc' is not a number.", "'7.5' is not a number.",
                                                       "The tax rate must be from 0 to 100 percent."}));
        book.Prompter().Clear();
        rate->clear();
        QTest::keyClicks(rate, QStringLiteral("8,875"));
        Click(&dialog, "addButton");
        QCOMPARE(ListRows(list), (QStringList{"None|0,00%", "PST|8,875%"}));
        QCOMPARE(name->text(), QString());
        QCOMPARE(rate->text(), QStringLiteral("0,0"));

        // Shown with its three decimals; changing only the name keeps 8.875.
        ClickRow(list, 1);
        QCOMPARE(name->text(), QStringLiteral("PST"));
        QCOMPARE(rate->text(), QStringLiteral("8,875"));
        name->clear();
        QTest::keyClicks(name, QStringLiteral("GST"));
        Click(&dialog, "updateButton");
        QCOMPARE(book.Doc().Taxes()[0].TaxName, QStringLiteral("GST"));
        QCOMPARE(book.Doc().Taxes()[0].TaxRate, 8.875);
        ClickRow(list, 0);
        rate->clear();
        QTest::keyClicks(rate, QStringLiteral("8,25"));
        Click(&dialog, "updateButton");
        QCOMPARE(ListRows(list), (QStringList{"GST|8,25%", "None|0,00%"}));
        QCOMPARE(book.Doc().Taxes()[0].TaxRate, 8.25);

        // The built-in tax stays as it is.
        ClickRow(list, 1);
        Click(&dialog, "updateButton");
        Click(&dialog, "deleteButton");
        QCOMPARE(book.Prompter().Shown(), (QStringList{"The Build-in Sale Tax Can not be Modified!",
                                                       "The Build-in Sale Tax Can not be Deleted!"}));
        QCOMPARE(Child<QPushButton>(&dialog, "updateButton")->isEnabled(), true);

        // Also once an Add of other text was refused.
        book.Prompter().Clear();
        name->clear();
        QTest::keyClicks(name, QStringLiteral("VAT"));
        rate->clear();
        QTest::keyClicks(rate, QStringLiteral("abc"));
        Click(&dialog, "addButton");
        rate->clear();
        QTest::keyClicks(rate, QStringLiteral("5"));
        Click(&dialog, "updateButton");
        Click(&dialog, "deleteButton");
        QCOMPARE(book.Prompter().Shown(),
                 (QStringList{"'abc' is not a number.", "The Build-in Sale Tax Can not be Modified!",
                              "The Build-in Sale Tax Can not be Deleted!"}));
        QCOMPARE(ListRows(list), (QStringList{"GST|8,25%", "None|0,00%"}));
    }

    void aNewProductTakesItsNumbersFromTheNumberPad()
    {
        CTestBook book;
        book.Doc().SetClock([] { return QDateTime(QDate(2026, 3, 1), QTime(10, 0)); });
        CItemSetupDlg dialog(book.Doc(), QString());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* category = Child<QComboBox>(&dialog, "categoryCombo");
        auto* tax = Child<QComboBox>(&dialog, "taxCombo");
        auto* vendor = Child<QComboBox>(&dialog, "vendorCombo");
        auto* price = Child<QLineEdit>(&dialog, "salePriceEdit");
        auto* quantity = Child<QLineEdit>(&dialog, "quantityEdit");
        auto* cost = Child<QLineEdit>(&dialog, "unitCostEdit");
        QCOMPARE(category->currentText(), QStringLiteral("Hardware"));
        QCOMPARE(tax->currentText(), QStringLiteral("None"));
        QCOMPARE(vendor->currentIndex(), -1);
        for (QLineEdit* number : {price, quantity, cost}) {
            QCOMPARE(number->text(), QStringLiteral("0"));
        }
        QVERIFY(!Child<QWidget>(&dialog, "avgCostEdit")->isVisible());

        auto& prompter = book.Prompter();
        prompter.AnswerNumber(12);
        QTest::mouseClick(quantity, Qt::LeftButton);
        QTRY_COMPARE(quantity->text(), QStringLiteral("12"));
        QCOMPARE(QApplication::focusWidget(), quantity);
        prompter.AnswerNumber(-1);
        QTest::mouseClick(price, Qt::LeftButton);
        prompter.AnswerNumber(1234.5);
        QTest::mouseClick(price, Qt::LeftButton);
        QTRY_COMPARE(price->text(), QStringLiteral("1,234.50"));
        prompter.AnswerNumber(2.5);
        QTest::mouseClick(cost, Qt::LeftButton);
        QTRY_COMPARE(cost->text(), QStringLiteral("2.50"));
        QCOMPARE(prompter.Shown(), (QStringList{"# On Hand | Change On Hand | 0", "# Price | Change Price | 0",
                                                "You can not input a negative value!", "# Price | Change Price | 0",
                                                "# Unit Cost | Change Unit Cost  | 0"}));

        Click(&dialog, "okButton");
        QCOMPARE(prompter.Messages().last(), QStringLiteral("Name Can not Be Empty!"));
        QVERIFY(dialog.isVisible());
        Child<QLineEdit>(&dialog, "nameEdit")->setText(QStringLiteral(" Screw "));
        Child<QPlainTextEdit>(&dialog, "noteEdit")->setPlainText(QString(300, QLatin1Char('n')));
        tax->setEditText(QStringLiteral("No such tax"));
        Click(&dialog, "okButton");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.SavedName(), QStringLiteral("Screw"));
        QCOMPARE(book.Rows("SELECT ProductID, CategoryID, TaxID, PayeeID, SalePrice, UnitsOnHand, AvgCost, "
                           "length(ProductNote) FROM Item"),
                 QStringList{"Screw|0|-1|-1|1234.5|12|2.5|255"});
    }

    // Tab passes through the number fields without opening the pad, so the keyboard reaches every
    // field and both buttons; digits typed into a number field are the number saved.
    void theKeyboardReachesEveryFieldAndTypesTheNumbers()
    {
        CTestBook book;
        CItemSetupDlg dialog(book.Doc(), QString());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        Child<QWidget>(&dialog, "categoryCombo")->setFocus();
        QStringList chain;
        for (int step = 0; step < 14; ++step) {
            chain << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(chain, (QStringList{"categoryCombo", "newCategoryButton", "nameEdit", "descEdit", "salePriceEdit",
                                     "quantityEdit", "taxCombo", "newTaxButton", "unitCostEdit", "vendorCombo",
                                     "noteEdit", "okButton", "cancelButton", "categoryCombo"}));
        QCOMPARE(book.Prompter().Shown(), QStringList{});

        TabTo("nameEdit");
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Tape Measure"));
        TabTo("salePriceEdit");
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("12.5"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(Child<QLineEdit>(&dialog, "salePriceEdit")->text(), QStringLiteral("12.50"));
        // Enter after typing takes the number; Enter on an untouched field opens the pad.
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("3"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(Child<QLineEdit>(&dialog, "quantityEdit")->text(), QStringLiteral("3"));
        TabTo("unitCostEdit");
        book.Prompter().AnswerNumber(2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QTRY_COMPARE(Child<QLineEdit>(&dialog, "unitCostEdit")->text(), QStringLiteral("2.00"));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("unitCostEdit"));
        QCOMPARE(book.Prompter().Shown(), QStringList{"# Unit Cost | Change Unit Cost  | 0"});

        // Typed, then Tab takes it; Enter in the next field accepts the form.
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2.25"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("vendorCombo"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(book.Rows("SELECT ProductID, SalePrice, UnitsOnHand, UnitCost FROM Item"),
                 QStringList{"Tape Measure|12.5|3|2.25"});
    }

    void anExistingProductShowsItsRecordAndKeepsItsChoices()
    {
        CTestBook book;
        AddVendor(book, 4, QStringLiteral("Zeta Tools"));
        AddVendor(book, 2, QStringLiteral("acme"));
        AddVendor(book, 3, QStringLiteral("Beta"));
        QVERIFY(book.Exec(QStringLiteral("INSERT INTO Tax(TaxID,TaxName,TaxRate) Values(2,'PST',7)")));
        QVERIFY(book.Exec(QStringLiteral("INSERT INTO Item(ProductID,ProductDesc,ProductNote,CategoryID,PayeeID,"
                                         "UnitsOnHand,UnitCost,SalePrice,TaxID,AvgCost) "
                                         "Values('Bolt','Hex bolt','Zinc',1,3,2.5,0.1,0.35,2,0.125)")));
        book.Doc().ReloadCatalogue();
        CItemSetupDlg dialog(book.Doc(), QStringLiteral("Bolt"));
        dialog.show();
        auto* category = Child<QComboBox>(&dialog, "categoryCombo");
        auto* tax = Child<QComboBox>(&dialog, "taxCombo");
        auto* vendor = Child<QComboBox>(&dialog, "vendorCombo");
        QCOMPARE(ComboEntries(vendor), (QStringList{"acme:2", "Beta:3", "Zeta Tools:4"}));
        QCOMPARE(ComboEntries(tax), (QStringList{"None:1", "PST:2"}));
        QCOMPARE(category->currentText(), QStringLiteral("Software"));
        QCOMPARE(tax->currentText(), QStringLiteral("PST"));
        QCOMPARE(vendor->currentText(), QStringLiteral("Beta"));
        QCOMPARE(Child<QLineEdit>(&dialog, "descEdit")->text(), QStringLiteral("Hex bolt"));
        // Texts open at their start, so a long one shows its beginning.
        QCOMPARE(Child<QLineEdit>(&dialog, "descEdit")->cursorPosition(), 0);
        QCOMPARE(vendor->lineEdit()->cursorPosition(), 0);
        QCOMPARE(Child<QPlainTextEdit>(&dialog, "noteEdit")->toPlainText(), QStringLiteral("Zinc"));
        QCOMPARE(Child<QLineEdit>(&dialog, "salePriceEdit")->text(), QStringLiteral("0.35"));
        QCOMPARE(Child<QLineEdit>(&dialog, "quantityEdit")->text(), QStringLiteral("2.50"));
        QCOMPARE(Child<QLineEdit>(&dialog, "unitCostEdit")->text(), QStringLiteral("0.10"));
        QCOMPARE(Child<QLineEdit>(&dialog, "avgCostEdit")->text(), QStringLiteral("0.13"));
        QVERIFY(Child<QWidget>(&dialog, "avgCostEdit")->isVisible());

        // New Tax: what is added there is offered at once, and the chosen tax stays chosen.
        WhenModalOpens([](QWidget* setup) {
            QTest::keyClicks(Child<QLineEdit>(setup, "nameEdit"), QStringLiteral("GST"));
            Click(setup, "addButton");
            Click(setup, "closeButton");
        });
        Click(&dialog, "newTaxButton");
        QCOMPARE(ComboEntries(tax), (QStringList{"GST:3", "None:1", "PST:2"}));
        QCOMPARE(tax->currentText(), QStringLiteral("PST"));
        // New: a category deleted there is chosen no more.
        WhenModalOpens([&book](QWidget* setup) {
            ClickRow(Child<QTableWidget>(setup, "list"), 0);
            book.Prompter().AnswerYes();
            Click(setup, "deleteButton");
            Click(setup, "closeButton");
        });
        category->setCurrentIndex(0);
        Click(&dialog, "newCategoryButton");
        QCOMPARE(ComboEntries(category), QStringList{"Software:1"});
        QCOMPARE(category->currentIndex(), -1);

        // Saved exactly as shown: the unrounded average cost stays, as nothing changed it.
        category->setCurrentIndex(0);
        Click(&dialog, "okButton");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.SavedName(), QString());
        QCOMPARE(book.Rows("SELECT ProductID, CategoryID, TaxID, PayeeID, UnitsOnHand, AvgCost FROM Item"),
                 QStringList{"Bolt|1|2|3|2.5|0.125"});
        QCOMPARE(book.Rows("SELECT * FROM TransItem"), QStringList{});
    }
};

QTEST_MAIN(CListDialogsTest)
#include "CListDialogsTest.moc"
