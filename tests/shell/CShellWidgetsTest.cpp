#include "CCalculatorDlg.h"
#include "CIconPushButton.h"
#include "CScaledStyle.h"
#include "CWidgetPrompter.h"
#include "UiScale.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QStyleOption>
#include <QTest>
#include <QTimer>

namespace {

// Runs check on the modal dialog that opens next, once it is up.
void OnNextModal(const std::function<void(QWidget*)>& check)
{
    QTimer::singleShot(0, [check] {
        QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
        check(QApplication::activeModalWidget());
    });
}

} // namespace

class CShellWidgetsTest : public QObject
{
    Q_OBJECT

private slots:
    // Arrows (submenus, menu buttons) grow with the scale like the font, drawn whole in their room.
    void arrowsGrowWithTheScale()
    {
        SetUiScale(1);
        const CScaledStyle small;
        SetUiScale(2);
        const CScaledStyle large;
        const QRect room(0, 0, 100, 100);
        QVERIFY(large.ArrowLength(room) > small.ArrowLength(room));
        QCOMPARE(large.ArrowLength(QRect(0, 0, 6, 100)), 6);
        QVERIFY(large.pixelMetric(QStyle::PM_MenuButtonIndicator) > small.pixelMetric(QStyle::PM_MenuButtonIndicator));

        QImage image(100, 100, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        QStyleOption option;
        option.rect = room;
        option.state = QStyle::State_Enabled;
        large.drawPrimitive(QStyle::PE_IndicatorArrowRight, &option, &painter);
        painter.end();
        int top = image.height(), bottom = -1;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(image.pixel(x, y)) > 128) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
        }
        QVERIFY(bottom - top + 1 >= large.ArrowLength(room) - 2);

        // A drop-down list's arrow too.
        const auto arrowHeight = [](QStyle& style) {
            QComboBox combo;
            combo.setStyle(&style);
            combo.addItem(QStringLiteral("A"));
            combo.resize(200, 60);
            const QImage shot = combo.grab().toImage();
            int first = shot.height(), last = -1;
            for (int y = 0; y < shot.height(); ++y) {
                for (int x = shot.width() - 40; x < shot.width() - 4; ++x) {
                    if (qGray(shot.pixel(x, y)) < 80) {
                        first = std::min(first, y);
                        last = std::max(last, y);
                    }
                }
            }
            return last - first + 1;
        };
        CScaledStyle largeList;
        SetUiScale(1);
        CScaledStyle smallList;
        SetUiScale(2);
        QVERIFY(arrowHeight(largeList) > arrowHeight(smallList));
    }

    // The file dialog's pictures, its column headers' sort marks and the dialog itself grow with
    // the scale, so a person at scale 2 can read and aim at them.
    void fileDialogsGrowWithTheScale()
    {
        const auto markHeight = [](const QStyle& style) {
            QImage image(100, 100, QImage::Format_ARGB32);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            QStyleOptionHeader header;
            header.rect = QRect(0, 0, 100, 100);
            header.state = QStyle::State_Enabled;
            header.sortIndicator = QStyleOptionHeader::SortDown;
            style.drawPrimitive(QStyle::PE_IndicatorHeaderArrow, &header, &painter);
            painter.end();
            int rows = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    if (qAlpha(image.pixel(x, y)) > 128) {
                        ++rows;
                        break;
                    }
                }
            }
            return rows;
        };
        const auto largestPicture = [](const QStyle& style) {
            int largest = 0;
            for (const QSize& size : style.standardIcon(QStyle::SP_ComputerIcon).availableSizes()) {
                largest = std::max(largest, size.height());
            }
            return largest;
        };
        const auto dialogWidth = [] {
            QApplication::setFont(ScaledFont(10));
            int width = 0;
            OnNextModal([&width](QWidget* dialog) {
                width = dialog->width();
                QTest::keyClick(dialog, Qt::Key_Escape);
            });
            CWidgetPrompter prompter(QStringLiteral("Pocket Quillet"));
            CFileChoice choice;
            choice.title = QStringLiteral("Backup");
            prompter.ChooseSaveFile(choice);
            return width;
        };
        const QFont font = QApplication::font();
        SetUiScale(1);
        const CScaledStyle small;
        const int smallDialog = dialogWidth();
        SetUiScale(2);
        const CScaledStyle large;
        const int largeDialog = dialogWidth();
        QApplication::setFont(font);

        QVERIFY(markHeight(large) > markHeight(small));
        QVERIFY(large.pixelMetric(QStyle::PM_HeaderMarkSize) > small.pixelMetric(QStyle::PM_HeaderMarkSize));
        QVERIFY(largestPicture(large) > largestPicture(small));
        // Bounded by the test screen's 800 pixels.
        QVERIFY2(largeDialog > smallDialog, qPrintable(QStringLiteral("%1 vs %2").arg(largeDialog).arg(smallDialog)));
    }

    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void checkBoxModeTogglesOnEachClick()
    {
        CIconPushButton button(CIconFactory::Kind::OnHand, QStringLiteral("Paid"));
        button.SetCheckBoxMode(true);
        button.show();
        QTest::mouseClick(&button, Qt::LeftButton);
        QVERIFY(button.isChecked());
        QVERIFY(button.IsHot());
        QTest::mouseClick(&button, Qt::LeftButton);
        QVERIFY(!button.isChecked());
    }

    void aPopupMenuDropsDownAtTheBottomLeftCorner()
    {
        CIconPushButton button(CIconFactory::Kind::PayeeLists, QStringLiteral("Lists"));
        QMenu menu;
        menu.addAction(QStringLiteral("Vendor List"));
        button.SetPopupMenu(&menu);
        button.show();
        QPoint shownAt;
        bool hotWhileOpen = false;
        QTimer::singleShot(0, &menu, [&] {
            QTRY_VERIFY(menu.isVisible());
            shownAt = menu.geometry().topLeft();
            hotWhileOpen = button.IsHot();
            menu.close();
        });
        QTest::mouseClick(&button, Qt::LeftButton);
        // Where the style puts it, give or take its frame.
        const QPoint corner = button.mapToGlobal(QPoint(0, button.height()));
        QVERIFY2(
            (shownAt - corner).manhattanLength() <= 6,
            qPrintable(
                QStringLiteral("%1,%2 for %3,%4").arg(shownAt.x()).arg(shownAt.y()).arg(corner.x()).arg(corner.y())));
        QVERIFY(hotWhileOpen);
    }

    void theCaptionComesAfterTheIcon()
    {
        CIconPushButton withIcon(CIconFactory::Kind::Add, QStringLiteral("New"));
        CIconPushButton plain(QStringLiteral("New"));
        // The icon and its gap add their width; both fit their caption.
        QCOMPARE(withIcon.sizeHint().width() - plain.sizeHint().width(), withIcon.iconSize().width() + 8);
        QVERIFY(plain.sizeHint().width() > QFontMetrics(plain.font()).horizontalAdvance(QStringLiteral("New")));
    }

    void promptersQuestionIsAYesNoBoxTitledWithTheProgram()
    {
        CWidgetPrompter prompter(QStringLiteral("Pocket Quillet"));
        QString title;
        QString text;
        OnNextModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box != nullptr);
            title = box->windowTitle();
            text = box->text();
            QVERIFY(box->button(QMessageBox::Yes) != nullptr);
            box->button(QMessageBox::No)->click();
        });
        QVERIFY(!prompter.AskYesNo(QStringLiteral("Close the Program?"), CPrompter::Icon::Information));
        QCOMPARE(title, QStringLiteral("Pocket Quillet"));
        QCOMPARE(text, QStringLiteral("Close the Program?"));
    }

    // Enter answers the default: No for a warning (a question that destroys), Yes otherwise.
    void aWarningQuestionDefaultsToNo()
    {
        CWidgetPrompter prompter(QStringLiteral("Quillet"));
        QMessageBox::Icon shown = QMessageBox::NoIcon;
        OnNextModal([&shown](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box != nullptr);
            shown = box->icon();
            QTest::keyClick(box, Qt::Key_Return);
        });
        QVERIFY(!prompter.AskYesNo(QStringLiteral("Delete the product 'Tape Measure'?"), CPrompter::Icon::Warning));
        QCOMPARE(shown, QMessageBox::Warning);

        OnNextModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Return); });
        QVERIFY(prompter.AskYesNo(QStringLiteral("Close the Program?"), CPrompter::Icon::Question));
    }

    void promptersNumberPadIsTheCalculator()
    {
        CWidgetPrompter prompter(QStringLiteral("Pocket Quillet"));
        QString topLine;
        OnNextModal([&](QWidget* modal) {
            auto* pad = qobject_cast<CCalculatorDlg*>(modal);
            QVERIFY(pad != nullptr);
            topLine = pad->findChild<QLabel*>(QStringLiteral("topLine"))->text();
            QCOMPARE(pad->DisplayText(), QStringLiteral("4."));
            QTest::keyClicks(pad, QStringLiteral("*3"));
            QTest::keyClick(pad, Qt::Key_Escape);
        });
        QCOMPARE(prompter.RunNumberPad(QStringLiteral("On Hand"), QStringLiteral("Bolt"), 4), std::nullopt);
        QCOMPARE(topLine, QStringLiteral("Bolt"));

        OnNextModal([](QWidget* modal) {
            QTest::keyClicks(modal, QStringLiteral("7.25"));
            QTest::keyClick(modal, Qt::Key_Return);
        });
        QCOMPARE(prompter.RunNumberPad(QStringLiteral("Price"), QStringLiteral("Change Price"), 0),
                 std::optional<double>(7.25));
    }
};

QTEST_MAIN(CShellWidgetsTest)
#include "CShellWidgetsTest.moc"
