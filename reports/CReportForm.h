#pragma once

#include "CReport.h"
#include "ReportKind.h"
#include "ReportRange.h"

#include <QDate>
#include <QString>

#include <optional>

class CInventoryDoc;

// What the reports screen holds and does, without the widgets: the chosen kind, the days picked
// for From and To (shown as the buttons' captions), building the chosen report and saving the
// one built last. Messages go through the document's prompter.
class CReportForm
{
public:
    enum class DateTarget
    {
        From,
        To
    };

    explicit CReportForm(CInventoryDoc& doc) : m_doc(doc) {}

    // A position of the kind list. Another kind drops the report built last, which was of the
    // old kind; the picked days stay for the next range kind (the valuation summary has none).
    void SelectKind(int index);
    int SelectedKind() const { return m_kind; }
    bool ShowsDateButtons() const;

    void PickDate(DateTarget target, const QDate& day);
    std::optional<QDate> PickedDate(DateTarget target) const { return target == DateTarget::From ? m_from : m_to; }
    // The picked day as a date cell shows it, or "From" / "To" while none is picked.
    QString FromCaption() const;
    QString ToCaption() const;

    // "Report": builds the chosen kind. A range kind without a picked From or To day shows
    // "Select From Date" or "Select To Date" and keeps the report shown before; false then.
    bool BuildReport();
    // What "Report" builds, after the same checks; nothing (with the message shown) when a day is
    // missing. For building elsewhere (on a worker) and handing the report to TakeReport.
    struct Request
    {
        ReportKind kind;
        ReportRange range;
    };
    std::optional<Request> RequestReport();
    // Keeps a report built from RequestReport as the one built last.
    void TakeReport(CReport report) { m_report = std::move(report); }
    // The report built last; nothing before the first.
    const std::optional<CReport>& Report() const { return m_report; }
    // "Save" of the report built last (whatever kind the list shows now).
    bool SaveReport();

private:
    CInventoryDoc& m_doc;
    int m_kind = 0;
    std::optional<QDate> m_from;
    std::optional<QDate> m_to;
    std::optional<CReport> m_report;
};
