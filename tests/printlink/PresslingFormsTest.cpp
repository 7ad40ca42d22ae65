#include "JobFixtures.h"
#include "PdfText.h"
#include "PrintJobWire.h"
#include "StatusTexts.h"
#include "TAboutForm.h"
#include "TControlForm.h"
#include "TListenForm.h"
#include "TMainForm.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

QStringList LabelTexts(const QWidget& widget)
{
    QStringList texts;
    for (const QLabel* label : widget.findChildren<QLabel*>()) {
        texts.append(label->text());
    }
    return texts;
}

QPushButton* Button(const QWidget& widget, const QString& text)
{
    for (QPushButton* button : widget.findChildren<QPushButton*>()) {
        if (button->text() == text) {
            return button;
        }
    }
    return nullptr;
}

// Runs check on the modal window that opens next, then closes it.
void OnNextModal(const std::function<void(QWidget*)>& check)
{
    QTimer::singleShot(0, [check] {
        QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
        QWidget* modal = QApplication::activeModalWidget();
        check(modal);
        modal->close();
    });
}

} // namespace

class PresslingFormsTest : public QObject
{
    Q_OBJECT

private slots:
    void controlWindowShowsTheJobStatusGrid()
    {
        TAboutForm about;
        TControlForm control(about);
        QCOMPARE(control.windowTitle(), QStringLiteral("Orvane Pressling"));
        QVERIFY(LabelTexts(control).contains(QStringLiteral("Job Status")));
        auto* grid = control.findChild<QTableWidget*>();
        QVERIFY(grid != nullptr);
        QCOMPARE(grid->rowCount(), 20);
        QCOMPARE(grid->columnCount(), 1);
        QCOMPARE(grid->columnWidth(0), 420);
        QCOMPARE(grid->rowHeight(19), 16);
        control.SetStatusRow(9, QStringLiteral("Connected by a Mobile Device"));
        QCOMPARE(control.StatusRow(9), QStringLiteral("Connected by a Mobile Device"));
        QCOMPARE(control.StatusRow(10), QString());

        control.show();
        QVERIFY(QTest::qWaitForWindowExposed(&control));
        QPushButton* hide = Button(control, QStringLiteral("Hide"));
        QVERIFY(hide != nullptr);
        QTest::mouseClick(hide, Qt::LeftButton);
        QVERIFY(!control.isVisible());
    }

    void aboutButtonShowsTheAboutBoxModally()
    {
        TAboutForm about;
        TControlForm control(about);
        control.show();
        QStringList shown;
        QString caption;
        OnNextModal([&](QWidget* modal) {
            caption = modal->windowTitle();
            shown = LabelTexts(*modal);
        });
        QTest::mouseClick(Button(control, QStringLiteral("About")), Qt::LeftButton);
        QCOMPARE(caption, QStringLiteral("About Orvane Pressling"));
        for (const char* text :
             {"Orvane Pocket Quillet", "Desktop Pressling Component", "Version 1.2", "www.orvane.example"}) {
            QVERIFY2(shown.contains(QString::fromLatin1(text)), text);
        }
        QVERIFY(Button(about, QStringLiteral("OK")) != nullptr);
    }

    // Over the control window wherever it stands, on the screen when the box opens without it.
    void theAboutBoxOpensCentredOverTheControlWindow()
    {
        TAboutForm about;
        TControlForm control(about);
        control.move(317, 129);
        control.show();
        QVERIFY(QTest::qWaitForWindowExposed(&control));
        QRect shown;
        OnNextModal([&](QWidget* modal) { shown = modal->frameGeometry(); });
        QTest::mouseClick(Button(control, QStringLiteral("About")), Qt::LeftButton);
        QVERIFY(shown.isValid());
        QVERIFY((shown.center() - control.frameGeometry().center()).manhattanLength() <= 1);

        // Over a window at the screen's corner it is moved onto the screen, as centred as it fits.
        control.move(0, 0);
        OnNextModal([&](QWidget* modal) { shown = modal->frameGeometry(); });
        QTest::mouseClick(Button(control, QStringLiteral("About")), Qt::LeftButton);
        const QRect screen = control.screen()->availableGeometry();
        QCOMPARE(shown.top(), screen.top());
        QVERIFY(qAbs(shown.center().x() - control.frameGeometry().center().x()) <= 1);

        control.hide();
        for (const QWidget* over : {static_cast<const QWidget*>(&control), static_cast<const QWidget*>(nullptr)}) {
            about.CentreOver(over);
            about.show();
            QVERIFY(QTest::qWaitForWindowExposed(&about));
            QVERIFY((about.frameGeometry().center() - screen.center()).manhattanLength() <= 1);
            about.hide();
        }
    }

    void aWebAddressThatCannotBeOpenedSaysSo()
    {
        TAboutForm about;
        TControlForm control(about);
        QUrl opened;
        control.SetUrlOpener([&](const QUrl& url) {
            opened = url;
            return false;
        });
        QLabel* link = nullptr;
        for (QLabel* label : control.findChildren<QLabel*>()) {
            if (label->text().contains(QStringLiteral("www.orvane.example"))) {
                link = label;
            }
        }
        QVERIFY(link != nullptr);
        QString message;
        OnNextModal([&](QWidget* modal) { message = qobject_cast<QMessageBox*>(modal)->text(); });
        emit link->linkActivated(QStringLiteral("http://www.orvane.example"));
        QCOMPARE(opened, QUrl(QStringLiteral("http://www.orvane.example")));
        QCOMPARE(message, QStringLiteral("Unable to start web browser."));
    }

    void notifyIconCutsItsHintAndAnimatesThroughItsImages()
    {
        TMainForm mainForm;
        TNotifyIcon& icon = mainForm.NotifyIcon();
        QCOMPARE(icon.Hint(), QStringLiteral("Quillet Printer Link"));
        QVERIFY(icon.Active());
        icon.SetHint(QString(70, u'h'));
        QCOMPARE(icon.Hint(), QString(64, u'h'));

        QCOMPARE(icon.ShownImage(), 0);
        icon.SetIconIndex(2);
        QCOMPARE(icon.ShownImage(), 2);
        icon.SetAnimateDelay(10);
        icon.SetAnimated(true);
        QList<int> seen;
        QTRY_VERIFY((seen.append(icon.ShownImage()), seen.contains(0) && seen.contains(1) && seen.contains(3)));
        icon.SetAnimated(false);
        QCOMPARE(icon.ShownImage(), 2);
    }

    void popupMenuOpensTheControlWindowOrShutsDown()
    {
        TMainForm mainForm;
        int opened = 0;
        int shutdowns = 0;
        connect(&mainForm, &TMainForm::OpenRequested, [&] { ++opened; });
        connect(&mainForm, &TMainForm::ShutdownRequested, [&] { ++shutdowns; });
        const QList<QAction*> actions = mainForm.NotifyIcon().PopupMenu()->actions();
        QCOMPARE(actions.size(), 2);
        QCOMPARE(actions[0]->text(), QStringLiteral("Open Pressling"));
        QCOMPARE(actions[1]->text(), QStringLiteral("Shutdown"));
        actions[0]->trigger();
        actions[1]->trigger();
        QCOMPARE(opened, 1);
        QCOMPARE(shutdowns, 1);
    }

    void aPageIsWrittenAsAPdfFileNamedByDateAndNumber()
    {
        QTemporaryDir folder;
        TMainForm mainForm(folder.path());
        const PrintOutcome outcome = mainForm.PrintingInvoice(LoadJob(QStringLiteral("sale_with_tax")));
        const QString path =
            QDir(folder.path()).filePath(QDate::currentDate().toString(Qt::ISODate) + QStringLiteral("_1042.pdf"));
        QVERIFY(outcome.printed);
        QCOMPARE(outcome.note, QStringLiteral("saved as ") + path);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QFileInfo(path).fileName()});
        const QString text = PdfText(path);
        if (text.isNull()) {
            QSKIP("pdftotext is not installed");
        }
        for (const char* expected : {"INVOICE", "Orvane Hardware", "Bright Cafe", "Espresso cups", "Coffee beans 1kg",
                                     "Paper napkins", "TAX TOTAL", "39.65"}) {
            QVERIFY2(text.contains(QString::fromLatin1(expected)), expected);
        }
    }

    void aPdfThatCannotBeWrittenIsAFailure()
    {
        QTemporaryDir folder;
        QFile blocker(QDir(folder.path()).filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        TMainForm mainForm(blocker.fileName() + QStringLiteral("/out"));
        const PrintOutcome outcome = mainForm.PrintingInvoice(LoadJob(QStringLiteral("purchase_order")));
        QVERIFY(!outcome.printed);
        QCOMPARE(outcome.note,
                 QStringLiteral("cannot create the folder ") + blocker.fileName() + QStringLiteral("/out"));
    }

    void withoutADefaultPrinterPagesGoToTheDocumentsFolder()
    {
        if (!QPrinterInfo::defaultPrinter().isNull()) {
            QSKIP("this machine has a default printer");
        }
        QTemporaryDir documents;
        qputenv("QUILLET_DOCUMENTS", documents.path().toLocal8Bit());
        TMainForm mainForm;
        const PrintOutcome outcome = mainForm.PrintingInvoice(LoadJob(QStringLiteral("purchase_order")));
        qunsetenv("QUILLET_DOCUMENTS");
        QVERIFY(outcome.printed);
        QVERIFY2(
            outcome.note.startsWith(QStringLiteral("saved as ") + documents.path() + QStringLiteral("/Pressling/")),
            qPrintable(outcome.note));
    }

    void listenFormReportsAJobInTheControlWindowAndAnimatesTheIcon()
    {
        QTemporaryDir folder;
        TMainForm mainForm(folder.path());
        TAboutForm about;
        TControlForm control(about);
        TListenForm listen(mainForm, control, ListenerTiming{200, 60000});
        QVERIFY(listen.Listen(0));

        QTcpSocket client;
        client.connectToHost(QHostAddress::LocalHost, listen.Port());
        QTRY_COMPARE(control.StatusRow(0), QStringLiteral("Connected by a Mobile Device"));
        QCOMPARE(control.windowTitle(), QStringLiteral("Pressling  - Connected by a Mobile Device"));
        client.write(PrintJobWire::EncodeText(LoadJob(QStringLiteral("sale_with_tax"))));
        QTRY_VERIFY(control.StatusRow(0).endsWith(QStringLiteral("  Send Data to Printer ...")));
        QVERIFY(mainForm.NotifyIcon().Animated());
        QTRY_VERIFY(control.StatusRow(0).contains(QStringLiteral("  Finish Data Sending ... saved as ")));
        QTRY_VERIFY(!mainForm.NotifyIcon().Animated());
        QCOMPARE(mainForm.NotifyIcon().ShownImage(), 0);
        const QString finished = control.StatusRow(0);
        client.disconnectFromHost();
        QTRY_COMPARE(control.windowTitle(), QStringLiteral("Pressling - Disconnected"));
        // The row keeps where the page went.
        QCOMPARE(control.StatusRow(0), finished);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 1);
        QVERIFY(mainForm.NotifyIcon().LastMessage().isEmpty());
    }

    void aFailedJobIsShownKeptAndPrintedAgainFromItsRowsMenu()
    {
        QTemporaryDir folder;
        const QString blocked = QDir(folder.path()).filePath(QStringLiteral("out"));
        QFile blocker(blocked);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        TMainForm mainForm(blocked);
        TAboutForm about;
        TControlForm control(about);
        TListenForm listen(mainForm, control, ListenerTiming{50, 60000});
        QVERIFY(listen.Listen(0));

        QTcpSocket client;
        client.connectToHost(QHostAddress::LocalHost, listen.Port());
        QTRY_COMPARE(control.StatusRow(0), QStringLiteral("Connected by a Mobile Device"));
        client.write(PrintJobWire::EncodeText(LoadJob(QStringLiteral("purchase_order"))));
        const QString failed = QStringLiteral("  Printing failed: cannot create the folder ") + blocked;
        QTRY_VERIFY(control.StatusRow(0).endsWith(failed));
        QVERIFY(mainForm.NotifyIcon().LastMessage().startsWith(QStringLiteral("Job Status row 1: Printing failed: ")));
        QVERIFY(mainForm.NotifyIcon().LastMessage().contains(QStringLiteral("Print again")));
        client.disconnectFromHost();
        QTRY_COMPARE(control.windowTitle(), QStringLiteral("Pressling - Disconnected"));
        QVERIFY(control.StatusRow(0).endsWith(failed));

        // Only a row holding a failed job offers "Print again".
        control.show();
        QVERIFY(QTest::qWaitForWindowExposed(&control));
        QAction* printAgain = control.RowMenu()->actions().value(0);
        QVERIFY(printAgain != nullptr);
        QCOMPARE(printAgain->text(), QStringLiteral("Print again"));
        control.ShowRowMenu(1);
        QVERIFY(!printAgain->isEnabled());
        control.RowMenu()->hide();
        control.ShowRowMenu(0);
        QVERIFY(printAgain->isEnabled());

        // The cause mended, the job prints and the row says where it went.
        QVERIFY(QFile::remove(blocked));
        printAgain->trigger();
        QVERIFY2(control.StatusRow(0).contains(QStringLiteral("  Finish Data Sending ... saved as ") + blocked),
                 qPrintable(control.StatusRow(0)));
        QCOMPARE(QDir(blocked).entryList(QDir::Files).size(), 1);
        control.ShowRowMenu(0);
        QVERIFY(!printAgain->isEnabled());
        control.RowMenu()->hide();
    }
};

QTEST_MAIN(PresslingFormsTest)
#include "PresslingFormsTest.moc"
