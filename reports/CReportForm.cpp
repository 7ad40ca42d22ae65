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
    const std::optional<ReportKind> kind = ReportKindAt(m_kind);
    if (!kind) {
        return false;
    }
    if (ReportKindNeedsDates(*kind)) {
        if (!m_from) {
            m_doc.Prompter().ShowMessage(QStringLiteral("Select From Date"));
            return false;
        }
        if (!m_to) {
            m_doc.Prompter().ShowMessage(QStringLiteral("Select To Date"));
            return false;
        }
    }
    const ReportRange range = m_from && m_to ? ReportRange::Days(*m_from, *m_to) : ReportRange();
    m_report = CReportBuilder(m_doc).Build(*kind, range);
    return true;
}

bool CReportForm::SaveReport()
{
    return CReportSaver::Save(m_report, m_doc.Prompter());
}
