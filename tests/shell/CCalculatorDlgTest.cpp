#include "CCalculatorDlg.h"
#include "UnnamedControls.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class CCalculatorDlgTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void everyKeyHasAnAccessibleName()
    {
        CCalculatorDlg dialog(QStringLiteral("Unit Cost"), QStringLiteral("Change Unit Cost "), 12);
        dialog.show();
        QCOMPARE(UnnamedControls(&dialog).join(", "), QString());
    }

    void showsTheCallersTextsAndStartingValue()
    {
        CCalculatorDlg dialog(QStringLiteral("Unit Cost"), QStringLiteral("Change Unit Cost "), 12);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Unit Cost"));
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("topLine"))->text(), QStringLiteral("Change Unit Cost "));
        QCOMPARE(dialog.DisplayText(), QStringLiteral("12."));
    }

    // A long title or subject widens the pad instead of being cut; the keys stay centred.
    void aLongSubjectWidensThePad()
    {
        CCalculatorDlg narrow(QStringLiteral("Qty"), QStringLiteral("Bolt"), 0);
        const QString code(40, QLatin1Char('W'));
        CCalculatorDlg wide(QStringLiteral("Qty +/-"), code, 0);
        QVERIFY(wide.width() > narrow.width());
        const auto* line = wide.findChild<QLabel*>(QStringLiteral("topLine"));
        QVERIFY(line->contentsRect().width() >= line->fontMetrics().horizontalAdvance(code));
        QVERIFY(line->geometry().right() < wide.width());
        const auto* key = wide.findChild<QPushButton*>(QStringLiteral("key6"));
        QVERIFY(qAbs(key->geometry().center().x() - wide.width() / 2) <= 2);
    }

    void keysAndTypedCharactersDriveTheDisplay()
    {
        CCalculatorDlg dialog(QStringLiteral("Calculator"), QStringLiteral("Pocket Quillet"), 0);
        dialog.show();
        QTest::keyClicks(&dialog, QStringLiteral("2+3*4="));
        QCOMPARE(dialog.DisplayText(), QStringLiteral("20."));
        QTest::keyClick(&dialog, Qt::Key_Delete);
        QCOMPARE(dialog.DisplayText(), QStringLiteral("0."));
        QTest::keyClicks(&dialog, QStringLiteral("c7"));
        for (const char* key : {"keyAdd", "key5", "keyPoint", "key2", "keyEquals"}) {
            QTest::mouseClick(dialog.findChild<QPushButton*>(QString::fromLatin1(key)), Qt::LeftButton);
        }
        QCOMPARE(dialog.DisplayText(), QStringLiteral("12.2"));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("keyNegate")), Qt::LeftButton);
        QCOMPARE(dialog.DisplayText(), QStringLiteral("-12.2"));
    }

    void enterWithAPendingOperationShowsTheResultForASecond()
    {
        CCalculatorDlg dialog(QStringLiteral("Price"), QStringLiteral("Change Price"), 0);
        dialog.show();
        QSignalSpy finished(&dialog, &QDialog::finished);
        QTest::keyClicks(&dialog, QStringLiteral("1/3"));
        QTest::keyClick(&dialog, Qt::Key_Return);
        QCOMPARE(dialog.DisplayText(), QStringLiteral("0.33"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(finished.count(), 0);
        // Keys pressed during the pause change nothing.
        QTest::keyClicks(&dialog, QStringLiteral("9"));
        QCOMPARE(dialog.DisplayText(), QStringLiteral("0.33"));
        QVERIFY(finished.wait(3000));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Result(), 0.33);
    }

    void enterWithoutAPendingOperationClosesAtOnce()
    {
        CCalculatorDlg dialog(QStringLiteral("On Hand"), QStringLiteral("Change On Hand"), 3);
        dialog.show();
        QTest::keyClicks(&dialog, QStringLiteral("12.5"));
        QTest::keyClick(&dialog, Qt::Key_Enter);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Result(), 12.5);
    }

    void escapeCancels()
    {
        CCalculatorDlg dialog(QStringLiteral("On Hand"), QStringLiteral("Bolt"), 3);
        dialog.show();
        QTest::keyClicks(&dialog, QStringLiteral("8"));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
    }

    void aLongNumberIsShownWholeInASmallerFont()
    {
        CCalculatorDlg dialog(QStringLiteral("Calculator"), QStringLiteral("Pocket Quillet"), 0);
        dialog.show();
        auto* display = dialog.findChild<QLabel*>(QStringLiteral("display"));
        const QFont full = display->font();
        const auto fits = [display] {
            return QFontMetrics(display->font()).horizontalAdvance(display->text()) <=
                   display->contentsRect().width() - display->indent();
        };
        QTest::keyClicks(&dialog, QStringLiteral("999999999999.99"));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("keyNegate")), Qt::LeftButton);
        QCOMPARE(dialog.DisplayText(), QStringLiteral("-999,999,999,999.99"));
        QVERIFY(fits());
        QVERIFY(display->font().pixelSize() < full.pixelSize());
        // Back at full size once it fits again.
        QTest::keyClicks(&dialog, QStringLiteral("c12"));
        QCOMPARE(display->font(), full);
        QTest::keyClick(&dialog, Qt::Key_Return);
        QCOMPARE(dialog.Result(), 12.0);
    }

    void okOnAnErrorHandsBackNothing()
    {
        CCalculatorDlg dialog(QStringLiteral("Price"), QStringLiteral("Change Price"), 7);
        dialog.show();
        QTest::keyClicks(&dialog, QStringLiteral("5/0="));
        QCOMPARE(dialog.DisplayText(), QStringLiteral("ERROR"));
        QTest::keyClick(&dialog, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void germanLocaleUsesTheCommaKeyAndReturnsTheNumber()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        CCalculatorDlg dialog(QStringLiteral("Price"), QStringLiteral("Change Price"), 0);
        dialog.show();
        QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("keyPoint"))->text(), QStringLiteral(","));
        QTest::keyClicks(&dialog, QStringLiteral("2,5"));
        QCOMPARE(dialog.DisplayText(), QStringLiteral("2,5"));
        QTest::keyClick(&dialog, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Result(), 2.5);
    }
};

QTEST_MAIN(CCalculatorDlgTest)
#include "CCalculatorDlgTest.moc"
