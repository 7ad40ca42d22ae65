#pragma once

#include "CReportForm.h"
#include "CReportJob.h"
#include "CScreenView.h"

class CIconPushButton;
class CInventoryDoc;
class CReportListCtrl;
class CReportListModel;
class QCalendarWidget;
class QComboBox;
class QLabel;
class QTimer;

// "Reports": the kind list, "From" and "To" (each picks a day on the month calendar), "Report"
// to build the chosen kind into the list, "Save" to write the list as a CSV file, and "Chart"
// to draw the valuation or sales summary per category. Choosing another kind empties the list
// until it is built; the picked days stay.
//
// A report of a range is read on a worker thread: meanwhile "Report" reads "Cancel", the rows
// read so far show after a moment, and the list keeps the report shown before until the new one
// is there. Cancel, another kind or leaving the window drops the build.
class CReportView final : public CScreenView
{
    Q_OBJECT

public:
    explicit CReportView(CInventoryDoc& doc, QWidget* parent = nullptr);

    const CReportForm& Form() const { return m_form; }
    bool IsBuilding() const { return m_job.IsRunning(); }
    // A build in progress ends, its connection to the file closed.
    void ReleaseStoreCursor() override;

    // How long a build runs before its progress shows.
    static constexpr int kProgressDelayMs = 300;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* CreateButtonRow();
    void KindChanged(int index);
    void BeginPick(CReportForm::DateTarget target);
    void DayChosen(const QDate& day);
    void HideCalendar();
    void PlaceCalendar();
    void ShowControls(bool shown);
    void UpdateDateButtons();
    void ReportClicked();
    void BuildReport();
    void CancelBuild();
    void BuildProgress(qint64 rowsRead);
    void BuildDone(CReportBuilder::Outcome outcome, std::optional<CReport> report);
    void ShowBuilding(bool building);
    void ShowReport();
    void ShowChart();

    CInventoryDoc& m_doc;
    CReportForm m_form;
    CReportForm::DateTarget m_target = CReportForm::DateTarget::From;
    QComboBox* m_kindList;
    CIconPushButton* m_fromButton;
    QLabel* m_dash;
    CIconPushButton* m_toButton;
    CIconPushButton* m_reportButton;
    CIconPushButton* m_saveButton;
    CIconPushButton* m_chartButton;
    CReportListModel* m_model;
    CReportListCtrl* m_list;
    QCalendarWidget* m_calendar;
    QLabel* m_progress;
    QTimer* m_progressDelay;
    CReportJob m_job;
};
