#include "CGeneratedBook.h"
#include "CReportRowDelegate.h"
#include "CReportView.h"
#include "CTestBook.h"
#include "ModalDriver.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableView>
#include <QThreadPool>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

// Movements enough for a build of well over a second here, few enough to be written in seconds.
constexpr int kMovements = 300000;
const QDate kFirstDay(2024, 1, 1);
const QDate kLastDay(2026, 12, 31);

// The longest gap between two ticks of a timer that should tick every few milliseconds.
class CStallMeter
{
public:
    CStallMeter()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout,
                         [this] { m_longest = std::max(m_longest, m_sinceTick.restart()); });
        m_sinceTick.start();
        m_timer.start();
    }
    qint64 LongestMs() const { return m_longest; }

private:
    QTimer m_timer;
    QElapsedTimer m_sinceTick;
    qint64 m_longest = 0;
};

} // namespace

class ReportStallTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        m_book = std::make_unique<CTestBook>();
        CGeneratedBook::Write(m_book->Doc(), kMovements, kFirstDay, kLastDay, CGeneratedBook::kProducts,
                              CGeneratedBook::Derive::No);
    }
    void init()
    {
        m_view = std::make_unique<CReportView>(m_book->Doc());
        m_view->resize(480, 640);
        m_view->show();
    }
    void cleanup()
    {
        m_view.reset();
        // A build dropped by its window ends on its own, promptly.
        QVERIFY(QThreadPool::globalInstance()->waitForDone(2000));
    }

    void aDecadesReportBuildsWhileTheWindowKeepsTurning()
    {
        Pick(ReportKind::ValuationDetail, kFirstDay, kLastDay);
        auto* progress = Child<QLabel>(m_view.get(), "reportProgress");
        bool progressShown = false;
        bool rowsCounted = false;
        QElapsedTimer took;
        took.start();
        const CStallMeter meter;
        Click(m_view.get(), "reportButton");
        QCOMPARE(Child<QPushButton>(m_view.get(), "reportButton")->text(), QStringLiteral("Cancel"));
        QVERIFY(QTest::qWaitFor(
            [&] {
                progressShown = progressShown || progress->isVisible();
                rowsCounted =
                    rowsCounted || (progress->isVisible() && progress->text().endsWith(QLatin1String(" read")));
                return !m_view->IsBuilding();
            },
            30000));
        QTest::qWait(50);
        // The list shows every movement between its product headings and totals.
        auto* list = Child<QTableView>(m_view.get(), "reportList");
        QVERIFY(list->model()->rowCount() > kMovements);
        // Too many rows to measure each, yet no cell is cut (a few stretches of rows, the totals last).
        const QFontMetrics metrics(CReportRowDelegate::ListFont());
        const int rows = list->model()->rowCount();
        for (const int row : {0, rows / 3, rows / 2, rows - 1}) {
            for (int near = row; near < std::min(rows, row + 200); ++near) {
                for (int column = 0; column < list->model()->columnCount(); ++column) {
                    const QString text = list->model()->index(near, column).data().toString();
                    QVERIFY2(metrics.horizontalAdvance(text) + CReportRowDelegate::TextInsets() <=
                                 list->horizontalHeader()->sectionSize(column),
                             qPrintable(text));
                }
            }
        }
        QCOMPARE(Child<QPushButton>(m_view.get(), "reportButton")->text(), QStringLiteral("Report"));
        QVERIFY(!progress->isVisible());
        qInfo("built in %lld ms, the longest stall %lld ms", took.elapsed(), meter.LongestMs());
        QVERIFY2(took.elapsed() < CReportView::kProgressDelayMs || progressShown, "no progress while building");
        QVERIFY2(took.elapsed() < 1000 || rowsCounted, "no count of the rows read");
        QVERIFY2(meter.LongestMs() < 100, qPrintable(QStringLiteral("the window stood still for %1 ms of %2 ms")
                                                         .arg(meter.LongestMs())
                                                         .arg(took.elapsed())));
    }

    // Cancel, another kind, a whole-file command or closing the window drop the build; the screen
    // stays as it was.
    void aBuildCanBeCancelledOrLeft()
    {
        Pick(ReportKind::SalesByItem, kFirstDay, kFirstDay);
        Build();
        auto* list = Child<QTableView>(m_view.get(), "reportList");
        const int oneDay = list->model()->rowCount();
        QVERIFY(oneDay > 0);

        Pick(ReportKind::SalesByItem, kFirstDay, kLastDay);
        Click(m_view.get(), "reportButton");
        QTest::qWait(100);
        QVERIFY(m_view->IsBuilding());
        Click(m_view.get(), "reportButton");
        QVERIFY(!m_view->IsBuilding());
        QCOMPARE(Child<QPushButton>(m_view.get(), "reportButton")->text(), QStringLiteral("Report"));
        QVERIFY(Child<QPushButton>(m_view.get(), "fromButton")->isEnabled());
        // The cancelled read stops at once rather than reading to its end.
        QVERIFY(QThreadPool::globalInstance()->waitForDone(500));
        QTest::qWait(50);
        QCOMPARE(list->model()->rowCount(), oneDay);

        Click(m_view.get(), "reportButton");
        QTest::qWait(50);
        Child<QComboBox>(m_view.get(), "kindList")->setCurrentIndex(static_cast<int>(ReportKind::ValuationDetail));
        QVERIFY(!m_view->IsBuilding());
        QCOMPARE(list->model()->rowCount(), 0);

        // A command about to replace the file waits for the read to let go of it.
        Click(m_view.get(), "reportButton");
        QTest::qWait(50);
        QVERIFY(m_view->IsBuilding());
        QElapsedTimer released;
        released.start();
        m_view->ReleaseStoreCursor();
        QVERIFY(!m_view->IsBuilding());
        QVERIFY(released.elapsed() < 500);
        QVERIFY(QThreadPool::globalInstance()->waitForDone(500));

        Click(m_view.get(), "reportButton");
        QTest::qWait(50);
        QVERIFY(m_view->IsBuilding());
        m_view.reset();
        QVERIFY(QThreadPool::globalInstance()->waitForDone(500));
    }

private:
    void Pick(ReportKind kind, const QDate& first, const QDate& last)
    {
        Child<QComboBox>(m_view.get(), "kindList")->setCurrentIndex(static_cast<int>(kind));
        auto* calendar = Child<QCalendarWidget>(m_view.get(), "calendar");
        Click(m_view.get(), "fromButton");
        emit calendar->clicked(first);
        Click(m_view.get(), "toButton");
        emit calendar->clicked(last);
    }
    void Build()
    {
        Click(m_view.get(), "reportButton");
        QVERIFY(QTest::qWaitFor([this] { return !m_view->IsBuilding(); }, 30000));
    }

    std::unique_ptr<CTestBook> m_book;
    std::unique_ptr<CReportView> m_view;
};

QTEST_MAIN(ReportStallTest)
#include "ReportStallTest.moc"
