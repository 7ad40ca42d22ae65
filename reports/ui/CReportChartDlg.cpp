#include "CReportChartDlg.h"

#include "CFileChoice.h"
#include "CIconPushButton.h"
#include "CMainFrame.h"
#include "CPrompter.h"
#include "DataFilePaths.h"
#include "UiScale.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace {

constexpr int kChartWidth = 300;
constexpr int kChartHeight = 220;
constexpr int kMargin = 4;

// The value axis starts at zero (or below, for a negative margin) and ends on a round number.
QValueAxis* CreateValueAxis(const ReportChart& chart)
{
    double low = 0.0;
    double high = 0.0;
    for (const ReportChart::Series& series : chart.series) {
        for (double value : series.values) {
            low = std::min(low, value);
            high = std::max(high, value);
        }
    }
    auto* axis = new QValueAxis;
    axis->setRange(low, high > low ? high : low + 1.0);
    axis->applyNiceNumbers();
    axis->setLabelFormat(QStringLiteral("%.0f"));
    axis->setLabelsFont(ScaledFont(7));
    return axis;
}

QChart* CreateChart(const ReportChart& data)
{
    auto* chart = new QChart;
    chart->setTitle(data.title);
    chart->setTitleFont(ScaledFont(9, true));
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setFont(ScaledFont(7));
    chart->legend()->setVisible(data.series.size() > 1);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(Scaled(kMargin), Scaled(kMargin), Scaled(kMargin), Scaled(kMargin)));

    auto* bars = new QBarSeries;
    for (const ReportChart::Series& series : data.series) {
        auto* set = new QBarSet(series.name);
        set->append(series.values);
        bars->append(set);
    }
    chart->addSeries(bars);

    auto* categories = new QBarCategoryAxis;
    categories->append(data.categories);
    categories->setLabelsFont(ScaledFont(7));
    chart->addAxis(categories, Qt::AlignBottom);
    bars->attachAxis(categories);
    QValueAxis* values = CreateValueAxis(data);
    chart->addAxis(values, Qt::AlignLeft);
    bars->attachAxis(values);
    return chart;
}

} // namespace

CReportChartDlg::CReportChartDlg(const ReportChart& chart, const QString& fileName, CPrompter& prompter,
                                 QWidget* parent)
    : QDialog(parent), m_fileName(fileName), m_prompter(prompter), m_view(new QChartView(CreateChart(chart), this))
{
    setObjectName(QStringLiteral("reportChartDialog"));
    setWindowTitle(CMainFrame::kApplicationTitle);
    m_view->setObjectName(QStringLiteral("chartView"));
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setMinimumSize(Scaled(kChartWidth), Scaled(kChartHeight));

    auto* save = new CIconPushButton(QStringLiteral("Save Chart..."), this);
    save->setObjectName(QStringLiteral("saveChartButton"));
    auto* close = new CIconPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(save, &QPushButton::clicked, this, &CReportChartDlg::SaveChart);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Scaled(kMargin), Scaled(kMargin), Scaled(kMargin), Scaled(kMargin));
    layout->addWidget(m_view, 1);
    layout->addLayout(buttons);
}

bool CReportChartDlg::SavePicture(const QString& path) const
{
    return m_view->grab().save(path, "PNG");
}

void CReportChartDlg::SaveChart()
{
    CFileChoice choice;
    choice.title = QStringLiteral("Save Chart");
    choice.suggestedName = QDir(DocumentsFolder()).filePath(m_fileName);
    choice.defaultExtension = QStringLiteral("png");
    choice.filter = QStringLiteral("PNG Images (*.png)");
    choice.confirmOverwrite = true;
    const QString path = m_prompter.ChooseSaveFile(choice);
    if (!path.isEmpty() && !SavePicture(path)) {
        m_prompter.ShowMessage(QStringLiteral("Can not open the file"));
    }
}
