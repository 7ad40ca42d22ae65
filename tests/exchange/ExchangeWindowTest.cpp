#include "CHomeView.h"
#include "CMainFrame.h"
#include "CTestBook.h"
#include "CWidgetPrompter.h"
#include "CommandIds.h"
#include "ExchangeFeatures.h"
#include "ListFeatures.h"
#include "ModalDriver.h"

#include <QAbstractItemView>
#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>

namespace {

// "Import/Import Vendors List" and so on, for every entry of the File menu that is enabled.
QStringList EnabledEntries(const QMenu* menu, const QString& path = QString())
{
    QStringList entries;
    for (const QAction* action : menu->actions()) {
        const QString name = path + QString(action->text()).remove(QLatin1Char('&'));
        if (action->menu() != nullptr) {
            entries << EnabledEntries(action->menu(), name + "/");
        } else if (!action->isSeparator() && action->isEnabled()) {
            entries << name;
        }
    }
    return entries;
}

} // namespace

class ExchangeWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void theFileMenuOffersTheImportsAndExports()
    {
        CTestBook book;
        CMainFrame frame(book.Doc());
        RegisterExchangeFeatures(frame);
        const QMenu* file = frame.menuBar()->actions().first()->menu();
        const QStringList entries = EnabledEntries(file).filter(QRegularExpression("^(Im|Ex)port/"));
        QCOMPARE(entries, (QStringList{"Import/Import Vendors List", "Import/Import Customers List",
                                       "Import/Import Products List", "Export/Export Venders List",
                                       "Export/Export Customers List", "Export/Export Product Lists"}));
    }

    void anImportShowsTheListAfreshOnTheScreenShowingIt()
    {
        CTestBook book;
        CMainFrame frame(book.Doc());
        RegisterListFeatures(frame);
        RegisterExchangeFeatures(frame);
        QSignalSpy loaded(frame.HomeView(), &CHomeView::CatalogueLoaded);
        frame.show();
        QVERIFY(loaded.wait(5000));
        frame.RunCommand(CommandId::kCustomerList);
        const auto* list = Child<QAbstractItemView>(frame.CurrentView(), "payeeList");
        QCOMPARE(list->model()->rowCount(), 0);

        const QString path = book.FolderPath("customers.csv");
        QFile csv(path);
        QVERIFY(csv.open(QIODevice::WriteOnly));
        csv.write("Company,Street Address,City,State,Zip Code,Contact Name,Phone,Fax,Email,Note\n"
                  "Acme,,,,,,555-0100,,,\nBeta,,,,,,,,,\n");
        csv.close();
        book.Prompter().AnswerFile(path);
        frame.RunCommand(CommandId::kImportCustomers);
        QCOMPARE(list->model()->rowCount(), 2);
        QVERIFY(frame.CurrentView()->updatesEnabled());
        QCOMPARE(book.Prompter().Shown(), QStringList());
    }

    void theProgressDialogShowsAtOnceAndItsCancelIsHeard()
    {
        QWidget window;
        window.show();
        CWidgetPrompter prompter(CMainFrame::kApplicationTitle);
        prompter.SetParent(&window);
        prompter.BeginProgress("Importing customers ....", 2000, CPrompter::Cancel::Offered);
        auto* dialog = Child<QProgressDialog>(&window, "progressDialog");
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->labelText(), QStringLiteral("Importing customers ...."));
        QVERIFY(prompter.StepProgress(500));
        QCOMPARE(dialog->value(), 250);
        QTest::mouseClick(dialog->findChild<QPushButton*>(), Qt::LeftButton);
        QVERIFY(!prompter.StepProgress(600));
        prompter.EndProgress();
        QVERIFY(window.findChild<QProgressDialog*>() == nullptr);
    }

    void aMessageDuringALongTaskTakesTheOrdinaryPointer()
    {
        CWidgetPrompter prompter(CMainFrame::kApplicationTitle);
        prompter.BeginWaitCursor();
        Qt::CursorShape shown = Qt::WaitCursor;
        WhenModalOpens([&shown](QWidget* box) {
            shown = QApplication::overrideCursor()->shape();
            box->close();
        });
        prompter.ShowMessage("File Format Error in Line 3, Process Stops");
        QCOMPARE(shown, Qt::ArrowCursor);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        prompter.EndWaitCursor();
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }
};

QTEST_MAIN(ExchangeWindowTest)
#include "ExchangeWindowTest.moc"
