#pragma once

#include "CReportForm.h"
#include "CScreenView.h"

class CIconPushButton;
class CInventoryDoc;
class CReportListCtrl;
class CReportListModel;
class QCalendarWidget;
class QComboBox;
class QLabel;

// "Reports": the kind list, "From" and "To" (each picks a day on the month calendar), "Report"
// to build the chosen kind into the list, "Save" to write the list as a CSV file, and "Chart"
// to draw the valuation or sales summary per category. Choosing another kind empties the list
// until it is built; the picked days stay.
class CReportView final : public CScreenView
{
    Q_OBJECT

public:
    explicit CReportView(CInventoryDoc& doc, QWidget* parent = nullptr);

    const CReportForm& Form() const { return m_form; }

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
    void BuildReport();
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
};
