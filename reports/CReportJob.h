#pragma once

#include "CReport.h"
#include "CReportBuilder.h"
#include "ReportKind.h"
#include "ReportRange.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QObject;

// A report of a range kind built on a thread of its own, through a connection of its own to the
// same book (statements are never shared between threads), so that the window keeps turning
// while a decade's movements are read. Progress and the result are handed to the functions
// given, on the thread of the receiver; none is called once the job is cancelled or destroyed,
// and a destroyed job's thread ends by itself soon after.
class CReportJob
{
public:
    // The rows read so far; at most every kProgressMs.
    using Progress = std::function<void(qint64 rowsRead)>;
    // The report is there when built, with the rows read so far when the read failed midway.
    using Done = std::function<void(CReportBuilder::Outcome outcome, std::optional<CReport> report)>;

    static constexpr int kProgressMs = 100;

    CReportJob(QObject& receiver, Progress progress, Done done);
    ~CReportJob();
    CReportJob(const CReportJob&) = delete;
    CReportJob& operator=(const CReportJob&) = delete;

    // Starts building (cancelling one still running) from the book at the address (a file path
    // or a server URI).
    void Start(const QString& book, ReportKind kind, const ReportRange& range);
    // Stops the running build; nothing more is heard of it.
    void Cancel();
    // Cancels, and waits until the build's thread has let go of its connection (a file's read
    // stops at once), for a command that copies or replaces the book's file; false when it did
    // not within waitMs.
    bool Stop(int waitMs);
    bool IsRunning() const { return m_running != nullptr; }

private:
    struct Run;

    QObject& m_receiver;
    Progress m_progress;
    Done m_done;
    std::shared_ptr<Run> m_running;
};
