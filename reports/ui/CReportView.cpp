#include "CReportView.h"

#include "CDbConnection.h"
#include "CIconPushButton.h"
#include "CInventoryDoc.h"
#include "CPrompter.h"
#include "CReportChartBuilder.h"
#include "CReportChartDlg.h"
#include "CReportListCtrl.h"
#include "CReportListModel.h"
#include "UiScale.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QColor kDateButtonColor(57, 255, 248);
const QColor kDateButtonHotColor(160, 255, 251);
const QColor kButtonText(0, 0, 0);
constexpr int kMargin = 2;
} // namespace

CReportView::CReportView(CInventoryDoc& doc, QWidget* parent)
    : CScreenView(parent), m_doc(doc), m_form(doc), m_kindList(new QComboBox(this)),
      m_fromButton(new CIconPushButton(QStringLiteral("From"), this)), m_dash(new QLabel(QStringLiteral("--"), this)),
      m_toButton(new CIconPushButton(QStringLiteral("To"), this)),
      m_reportButton(new CIconPushButton(QStringLiteral("Report"), this)),
      m_saveButton(new CIconPushButton(QStringLiteral("Save"), this)),
      m_chartButton(new CIconPushButton(QStringLiteral("Chart"), this)), m_model(new CReportListModel(this)),
      m_list(new CReportListCtrl(m_model, this)), m_calendar(new QCalendarWidget(this)), m_progress(new QLabel(this)),
      m_progressDelay(new QTimer(this)), m_job(
                                             *this, [this](qint64 rowsRead) { BuildProgress(rowsRead); },
                                             [this](CReportBuilder::Outcome outcome, std::optional<CReport> report) {
                                                 BuildDone(outcome, std::move(report));
                                             })
{
    setObjectName(QStringLiteral("reportView"));
    m_kindList->setObjectName(QStringLiteral("kindList"));
    for (int index = 0; index < kReportKindCount; ++index) {
        m_kindList->addItem(ReportKindText(*ReportKindAt(index)));
    }
    m_list->setObjectName(QStringLiteral("reportList"));
    m_calendar->setObjectName(QStringLiteral("calendar"));
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_calendar->hide();
    m_progress->setObjectName(QStringLiteral("reportProgress"));
    m_progress->setAlignment(Qt::AlignCenter);
    m_progress->hide();
    m_progressDelay->setSingleShot(true);
    m_progressDelay->setInterval(kProgressDelayMs);
    connect(m_progressDelay, &QTimer::timeout, m_progress, &QWidget::show);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, Scaled(kMargin), 0, 0);
    layout->setSpacing(Scaled(kMargin));
    auto* kindRow = new QHBoxLayout;
    kindRow->setContentsMargins(Scaled(kMargin), 0, Scaled(kMargin), 0);
    kindRow->addWidget(m_kindList);
    layout->addLayout(kindRow);
    layout->addWidget(CreateButtonRow());
    layout->addWidget(m_progress);
    layout->addWidget(m_list, 1);

    connect(m_kindList, &QComboBox::currentIndexChanged, this, &CReportView::KindChanged);
    connect(m_fromButton, &QPushButton::clicked, this, [this] { BeginPick(CReportForm::DateTarget::From); });
    connect(m_toButton, &QPushButton::clicked, this, [this] { BeginPick(CReportForm::DateTarget::To); });
    connect(m_calendar, &QCalendarWidget::clicked, this, &CReportView::DayChosen);
    connect(m_calendar, &QCalendarWidget::activated, this, &CReportView::DayChosen);
    connect(m_reportButton, &QPushButton::clicked, this, &CReportView::ReportClicked);
    connect(m_saveButton, &QPushButton::clicked, this, [this] { m_form.SaveReport(); });
    connect(m_chartButton, &QPushButton::clicked, this, &CReportView::ShowChart);
    m_saveButton->setEnabled(false);
    m_chartButton->setEnabled(false);
}

QWidget* CReportView::CreateButtonRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(Scaled(kMargin), 0, Scaled(kMargin), 0);
    layout->setSpacing(Scaled(kMargin));
    m_fromButton->setObjectName(QStringLiteral("fromButton"));
    m_toButton->setObjectName(QStringLiteral("toButton"));
    m_reportButton->setObjectName(QStringLiteral("reportButton"));
    m_saveButton->setObjectName(QStringLiteral("saveButton"));
    m_chartButton->setObjectName(QStringLiteral("chartButton"));
    for (CIconPushButton* dateButton : {m_fromButton, m_toButton}) {
        dateButton->SetColors(kDateButtonColor, kButtonText, kDateButtonHotColor, kButtonText);
    }
    m_dash->setAlignment(Qt::AlignCenter);
    for (QWidget* widget : std::initializer_list<QWidget*>{m_fromButton, m_dash, m_toButton, m_reportButton,
                                                           m_saveButton, m_chartButton}) {
        QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        // The buttons stay where they are when the summary hides the days.
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
        layout->addWidget(widget, widget == m_dash ? 0 : 1);
    }
    return row;
}

// The list never shows a report under another kind's title, nor does Chart or Save act on one.
void CReportView::KindChanged(int index)
{
    CancelBuild();
    m_form.SelectKind(index);
    ShowReport();
    UpdateDateButtons();
}

void CReportView::ShowReport()
{
    const std::optional<CReport>& report = m_form.Report();
    m_model->SetReport(report);
    m_list->scrollToTop();
    // The header follows the rows only while they scroll; a new report starts at its left edge.
    m_list->horizontalScrollBar()->setValue(0);
    m_list->horizontalHeader()->setOffset(0);
    m_saveButton->setEnabled(report.has_value());
    m_chartButton->setEnabled(report && CReportChartBuilder::Build(*report).has_value());
}

void CReportView::UpdateDateButtons()
{
    const bool shown = m_form.ShowsDateButtons();
    m_fromButton->setVisible(shown);
    m_dash->setVisible(shown);
    m_toButton->setVisible(shown);
    m_fromButton->setText(m_form.FromCaption());
    m_toButton->setText(m_form.ToCaption());
}

void CReportView::ShowControls(bool shown)
{
    m_kindList->setVisible(shown);
    m_reportButton->setVisible(shown);
    m_saveButton->setVisible(shown);
    m_chartButton->setVisible(shown);
    if (shown) {
        UpdateDateButtons();
    } else {
        m_fromButton->hide();
        m_dash->hide();
        m_toButton->hide();
    }
}

void CReportView::BeginPick(CReportForm::DateTarget target)
{
    m_target = target;
    // With no day of its own yet, the calendar opens on the other end of the range.
    const auto other =
        target == CReportForm::DateTarget::From ? CReportForm::DateTarget::To : CReportForm::DateTarget::From;
    const std::optional<QDate> picked = m_form.PickedDate(target);
    m_calendar->setSelectedDate(picked.value_or(m_form.PickedDate(other).value_or(QDate::currentDate())));
    ShowControls(false);
    PlaceCalendar();
    m_calendar->raise();
    m_calendar->show();
    m_calendar->setFocus();
}

void CReportView::DayChosen(const QDate& day)
{
    HideCalendar();
    m_form.PickDate(m_target, day);
    UpdateDateButtons();
}

void CReportView::HideCalendar()
{
    m_calendar->hide();
    ShowControls(true);
}

// Across the top of the screen, over the controls it hides and the top of the list.
void CReportView::PlaceCalendar()
{
    const QSize hint = m_calendar->sizeHint();
    const int across = std::min(width(), std::max(hint.width(), width() * 9 / 10));
    const int down = std::min(height(), hint.height());
    m_calendar->setGeometry((width() - across) / 2, 0, across, down);
}

void CReportView::showEvent(QShowEvent* event)
{
    CScreenView::showEvent(event);
    HideCalendar();
}

void CReportView::hideEvent(QHideEvent* event)
{
    CScreenView::hideEvent(event);
    HideCalendar();
}

void CReportView::resizeEvent(QResizeEvent* event)
{
    CScreenView::resizeEvent(event);
    if (m_calendar->isVisible()) {
        PlaceCalendar();
    }
}

void CReportView::ReportClicked()
{
    if (IsBuilding()) {
        CancelBuild();
    } else {
        BuildReport();
    }
}

void CReportView::BuildReport()
{
    const std::optional<CReportForm::Request> request = m_form.RequestReport();
    if (!request) {
        return;
    }
    // The summary reads the catalogue in memory: nothing to wait for.
    if (!ReportKindNeedsDates(request->kind)) {
        m_form.BuildReport();
        ShowReport();
        return;
    }
    m_job.Start(m_doc.Connection().ConnectionText(), request->kind, request->range);
    m_progress->setText(QStringLiteral("Reading the movements..."));
    ShowBuilding(true);
}

void CReportView::ReleaseStoreCursor()
{
    if (!IsBuilding()) {
        return;
    }
    m_job.Stop(CDbConnection::kBusyTimeoutMs);
    ShowBuilding(false);
}

void CReportView::CancelBuild()
{
    if (!IsBuilding()) {
        return;
    }
    m_job.Cancel();
    ShowBuilding(false);
}

void CReportView::BuildProgress(qint64 rowsRead)
{
    // Until the store has sorted the movements none is read yet.
    if (rowsRead == 0) {
        return;
    }
    m_progress->setText(QStringLiteral("Reading the movements... %1 read").arg(QLocale().toString(rowsRead)));
}

void CReportView::BuildDone(CReportBuilder::Outcome outcome, std::optional<CReport> report)
{
    ShowBuilding(false);
    if (outcome == CReportBuilder::Outcome::Cancelled || !report) {
        return;
    }
    if (outcome == CReportBuilder::Outcome::Failed) {
        // A report read in part would look whole; it is shown with its headings only.
        m_doc.Prompter().ShowMessage(CReportBuilder::FailureMessage());
        report = CReport(report->Kind(), report->Columns());
    }
    m_form.TakeReport(std::move(*report));
    ShowReport();
}

// While a report is read, "Report" cancels it and the days stay as they were asked for.
void CReportView::ShowBuilding(bool building)
{
    m_reportButton->setText(building ? QStringLiteral("Cancel") : QStringLiteral("Report"));
    m_fromButton->setEnabled(!building);
    m_toButton->setEnabled(!building);
    if (building) {
        m_progressDelay->start();
    } else {
        m_progressDelay->stop();
        m_progress->hide();
    }
}

void CReportView::ShowChart()
{
    const std::optional<CReport>& report = m_form.Report();
    const std::optional<ReportChart> chart = report ? CReportChartBuilder::Build(*report) : std::nullopt;
    if (chart) {
        CReportChartDlg(*chart, ReportKindFileName(report->Kind()), m_doc.Prompter(), this).exec();
    }
}
