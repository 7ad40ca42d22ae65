#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A bar chart of a report's group totals: one bar per category for each series.
struct ReportChart
{
    struct Series
    {
        QString name;
        QList<double> values; // one per category
    };

    QString title;
    QStringList categories;
    QList<Series> series;
};
