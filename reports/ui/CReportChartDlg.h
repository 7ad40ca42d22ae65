#pragma once

#include "ReportChart.h"

#include <QDialog>

class CPrompter;
class QChartView;

// A report's chart in a window of its own: bars per category, one colour per series, with
// "Save Chart..." to write the picture as a PNG file and "Close".
class CReportChartDlg final : public QDialog
{
    Q_OBJECT

public:
    // fileName: the name the picture is offered under, without folder or extension.
    CReportChartDlg(const ReportChart& chart, const QString& fileName, CPrompter& prompter, QWidget* parent = nullptr);

    // Writes the chart as it is drawn now; false when the file cannot be written.
    bool SavePicture(const QString& path) const;

private:
    void SaveChart();

    QString m_fileName;
    CPrompter& m_prompter;
    QChartView* m_view;
};
