#include "CDbConnection.h"
#include "CDbStatement.h"
#include "CDocOperation.h"
#include "CGeneratedBook.h"
#include "CInventoryDoc.h"
#include "CMainFrame.h"
#include "CWidgetPrompter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <algorithm>

namespace {

// Large enough that a save dated near its beginning replays for well over a second.
constexpr int kMovements = 400000;
constexpr int kProducts = 200;

// How the event loop turned while a progress dialog was up: the longest stretch between two turns
// (a 10 ms timer's ticks), counted from the moment it appeared to the end of the work.
class CLoopWatch
{
public:
    explicit CLoopWatch(QWidget& window) : m_window(window)
    {
        m_ticker.setInterval(10);
        QObject::connect(&m_ticker, &QTimer::timeout, [this] { Tick(); });
    }

    void Start()
    {
        m_clock.start();
        m_ticker.start();
    }
    // The work returned.
    void Stop()
    {
        m_ticker.stop();
        m_end = m_clock.elapsed();
    }

    bool ProgressSeen() const { return m_shownAt >= 0; }
    qint64 ShownAt() const { return m_shownAt; }
    QString ProgressText() const { return m_text; }
    bool CancelOffered() const { return m_cancelOffered; }
    qint64 LongestGap() const { return std::max(m_longest, m_end - m_lastTick); }
    qint64 End() const { return m_end; }

private:
    void Tick()
    {
        const qint64 now = m_clock.elapsed();
        auto* dialog = m_window.findChild<QProgressDialog*>(QStringLiteral("progressDialog"));
        if (dialog == nullptr || !dialog->isVisible()) {
            return;
        }
        if (m_shownAt < 0) {
            m_shownAt = now;
            m_text = dialog->labelText();
            m_cancelOffered = dialog->findChild<QPushButton*>() != nullptr;
        } else {
            m_longest = std::max(m_longest, now - m_lastTick);
        }
        m_lastTick = now;
    }

    QWidget& m_window;
    QTimer m_ticker;
    QElapsedTimer m_clock;
    qint64 m_shownAt = -1;
    qint64 m_lastTick = 0;
    qint64 m_longest = 0;
    qint64 m_end = 0;
    QString m_text;
    bool m_cancelOffered = false;
};

double LastOnHand(CDbConnection& connection, const QString& productID)
{
    CDbStatement last(connection, QStringLiteral("SELECT UnitsOnHand FROM TransItem WHERE ProductID = ?1 "
                                                 "ORDER BY TransDate DESC, ItemOrder DESC, TransactionID DESC, "
                                                 "rowid DESC LIMIT 1"));
    last.Bind(1, productID);
    return last.Next() ? last.Double(0) : -1;
}

SalePurchasePosting Purchase(CInventoryDoc& doc, const QString& productID, const QDateTime& date, double quantity)
{
    const ItemRecord& product = doc.Products().at(doc.FindProduct(productID, Qt::CaseSensitive));
    TransactionLine line;
    line.ProductID = product.ProductID;
    line.ProductName = product.ProductDesc;
    line.CategoryName = product.CategoryName;
    line.Quantity = quantity;
    line.Price = 10;
    line.UnitCost = 10;
    line.TaxName = QStringLiteral("None");
    line.ItemTotal = quantity * 10;
    SalePurchasePosting posting;
    posting.TransType = 0;
    posting.PreviousDate = date;
    posting.NewDate = date;
    posting.Lines = {line};
    posting.InvoiceNum = QStringLiteral("LATE");
    posting.CompanyName = QStringLiteral("Vendor");
    return posting;
}

} // namespace

class WriteProgressTest : public QObject
{
    Q_OBJECT

private slots:
    // A write cannot stop half-way: its progress has no Cancel, and neither Escape nor closing it
    // takes it away from over the window.
    void aProgressThatCannotStopHasNoCancelAndStays()
    {
        QWidget window;
        window.show();
        CWidgetPrompter prompter(CMainFrame::kApplicationTitle);
        prompter.SetParent(&window);
        prompter.BeginProgress(QStringLiteral("Importing ...."), 10, CPrompter::Cancel::Offered);
        QVERIFY(window.findChild<QPushButton*>() != nullptr);
        prompter.EndProgress();

        prompter.BeginProgress(QStringLiteral("Saving…"), 0, CPrompter::Cancel::NotOffered);
        auto* dialog = window.findChild<QProgressDialog*>(QStringLiteral("progressDialog"));
        QVERIFY(dialog != nullptr);
        QVERIFY(dialog->findChild<QPushButton*>() == nullptr);
        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(prompter.StepProgress(1));
        QVERIFY(dialog->isVisible());
        dialog->close();
        QVERIFY(prompter.StepProgress(2));
        QVERIFY(dialog->isVisible());
        prompter.EndProgress();
    }

    void aBackDatedSaveOfALargeBookShowsProgressAndKeepsTheWindowTurning()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Large.cdb"));
        CDbConnection connection(path);
        CWidgetPrompter prompter(CMainFrame::kApplicationTitle);
        QWidget window;
        window.resize(400, 300);
        window.show();
        prompter.SetParent(&window);
        CInventoryDoc doc(connection, prompter);
        doc.SetDataFilePath(path);
        QCOMPARE(doc.LoadCatalogue([](const QString&) {}), CInventoryDoc::CatalogueLoad::Loaded);
        QVERIFY(CGeneratedBook::Write(doc, kMovements, QDate(2020, 1, 1), QDate(2026, 12, 31), kProducts,
                                      CGeneratedBook::Derive::No));
        doc.ReloadCatalogue();
        const QString product = CGeneratedBook::ProductCode(7);
        {
            // The product's history derived, so that its last on-hand tells the purchase went through.
            CDocOperation derive(doc);
            QVERIFY(doc.RecomputeProductHistory(product, -1, QDateTime(QDate(2000, 1, 1), QTime(0, 0))));
            QVERIFY(derive.Commit());
        }
        const double onHand = LastOnHand(connection, product);

        CLoopWatch watch(window);
        watch.Start();
        const PostingResult result =
            doc.PostSalePurchase(Purchase(doc, product, QDateTime(QDate(2020, 2, 1), QTime(9, 0)), 5));
        watch.Stop();
        qInfo("save %lld ms, progress at %lld ms, longest gap %lld ms", watch.End(), watch.ShownAt(),
              watch.LongestGap());

        QVERIFY2(watch.ProgressSeen(), qPrintable(QStringLiteral("the save took %1 ms").arg(watch.End())));
        QVERIFY2(watch.ShownAt() <= 600, qPrintable(QString::number(watch.ShownAt())));
        QCOMPARE(watch.ProgressText(), QStringLiteral("Saving…"));
        QVERIFY(!watch.CancelOffered());
        QVERIFY2(watch.LongestGap() <= 250, qPrintable(QStringLiteral("%1 ms without a turn of the event loop, "
                                                                      "save %2 ms")
                                                           .arg(watch.LongestGap())
                                                           .arg(watch.End())));
        QVERIFY(window.findChild<QProgressDialog*>() == nullptr);

        // Saved, replayed through the end of the book, and committed: another connection sees it.
        QVERIFY(result.Saved);
        CDbConnection other(path);
        CDbStatement rows(other, QStringLiteral("SELECT count(*) FROM TransItem WHERE TransactionID = ?1"));
        rows.BindInt64(1, result.TransactionID);
        QVERIFY(rows.Next());
        QCOMPARE(rows.Int64(0), 1);
        QCOMPARE(LastOnHand(other, product), onHand + 5);
        CDbStatement last(other, QStringLiteral("SELECT LineTotal FROM TransItem ORDER BY TransDate DESC, ItemOrder "
                                                "DESC, TransactionID DESC, rowid DESC LIMIT 1"));
        QVERIFY(last.Next());
        QVERIFY(last.Double(0) != 0);
    }
};

QTEST_MAIN(WriteProgressTest)
#include "WriteProgressTest.moc"
