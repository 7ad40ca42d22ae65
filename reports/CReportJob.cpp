#include "CReportJob.h"

#include "CDbConnection.h"

#include <QElapsedTimer>
#include <QMetaObject>
#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

// What a build's thread shares with the job: whether it was cancelled and where to post.
struct CReportJob::Run : std::enable_shared_from_this<CReportJob::Run>
{
    std::mutex mutex;
    std::condition_variable ended;
    std::atomic<bool> cancelled{false};
    bool closed = false; // the thread let go of its connection
    QObject* receiver = nullptr;

    // Queues call on the receiver's thread unless cancelled by then (or before it runs there).
    void Post(std::function<void()> call)
    {
        const std::lock_guard<std::mutex> lock(mutex);
        if (cancelled || receiver == nullptr) {
            return;
        }
        QMetaObject::invokeMethod(
            receiver,
            [self = shared_from_this(), call = std::move(call)] {
                if (!self->cancelled) {
                    call();
                }
            },
            Qt::QueuedConnection);
    }
    void Cancel()
    {
        const std::lock_guard<std::mutex> lock(mutex);
        cancelled = true;
        receiver = nullptr;
    }
    void Close()
    {
        const std::lock_guard<std::mutex> lock(mutex);
        closed = true;
        ended.notify_all();
    }
    bool WaitClosed(int waitMs)
    {
        std::unique_lock<std::mutex> lock(mutex);
        return ended.wait_for(lock, std::chrono::milliseconds(waitMs), [this] { return closed; });
    }
};

CReportJob::CReportJob(QObject& receiver, Progress progress, Done done)
    : m_receiver(receiver), m_progress(std::move(progress)), m_done(std::move(done))
{}

CReportJob::~CReportJob()
{
    Cancel();
}

void CReportJob::Start(const QString& book, ReportKind kind, const ReportRange& range)
{
    Cancel();
    auto run = std::make_shared<Run>();
    run->receiver = &m_receiver;
    m_running = run;
    // The calls below run on the receiver's thread, where the job lives, after checking that
    // the run was not cancelled: the job is still there then.
    const auto reportProgress = [this](qint64 rows) { m_progress(rows); };
    const auto finish = [this, run](CReportBuilder::Outcome outcome, std::optional<CReport> report) {
        if (m_running == run) {
            m_running.reset();
        }
        m_done(outcome, std::move(report));
    };
    QThreadPool::globalInstance()->start([run, book, kind, range, reportProgress, finish] {
        CDbConnection connection(book);
        CReport report(kind, CReportBuilder::Columns(kind));
        QElapsedTimer sinceProgress;
        sinceProgress.start();
        const auto progress = [&](qint64 rows) {
            if (run->cancelled) {
                return false;
            }
            if (sinceProgress.elapsed() >= kProgressMs) {
                sinceProgress.restart();
                run->Post([reportProgress, rows] { reportProgress(rows); });
            }
            return true;
        };
        const CReportBuilder::Outcome outcome = CReportBuilder::BuildRange(connection, kind, range, report, progress);
        connection.Close();
        run->Close();
        run->Post([finish, outcome, report = std::move(report)]() mutable { finish(outcome, std::move(report)); });
    });
}

bool CReportJob::Stop(int waitMs)
{
    const std::shared_ptr<Run> run = m_running;
    Cancel();
    return run == nullptr || run->WaitClosed(waitMs);
}

void CReportJob::Cancel()
{
    if (m_running != nullptr) {
        m_running->Cancel();
        m_running.reset();
    }
}
