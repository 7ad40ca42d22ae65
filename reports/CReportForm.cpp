#include "CReportForm.h"

#include "CInventoryDoc.h"
#include "CPrompter.h"
#include "CReportBuilder.h"
#include "CReportSaver.h"
#include "ReportCellText.h"
#include "ReportRange.h"

void CReportForm::SelectKind(int index)
{
    if (index != m_kind) {
        m_report.reset();
    }
    m_kind = index;
}

bool CReportForm::ShowsDateButtons() const
{
    return m_kind != static_cast<int>(ReportKind::ValuationSummary);
}

void CReportForm::PickDate(DateTarget target, const QDate& day)
{
    (target == DateTarget::From ? m_from : m_to) = day;
}

QString CReportForm::FromCaption() const
{
    return m_from ? DateCellText(*m_from) : QStringLiteral("From");
}

QString CReportForm::ToCaption() const
{
    return m_to ? DateCellText(*m_to) : QStringLiteral("To");
}

bool CReportForm::BuildReport()
{
    const std::optional<Request> request = RequestReport();
    if (!request) {
        return false;
    }
    m_report = CReportBuilder(m_doc).Build(request->kind, request->range);
    return true;
}

std::optional<CReportForm::Request> CReportForm::RequestReport()
{
    const std::optional<ReportKind> kind = ReportKindAt(m_kind);
    if (!kind) {
        return std::nullopt;
    }
    if (ReportKindNeedsDates(*kind)) {
        if (!m_from) {
            m_doc.Prompter().ShowMessage(QStringLiteral("Select From Date"));
            return std::nullopt;
        }
        if (!m_to) {
            m_doc.Prompter().ShowMessage(QStringLiteral("Select To Date"));
            return std::nullopt;
        }
    }
    return Request{*kind, m_from && m_to ? ReportRange::Days(*m_from, *m_to) : ReportRange()};
}

bool CReportForm::SaveReport()
{
    return CReportSaver::Save(m_report, m_doc.Prompter());
}
