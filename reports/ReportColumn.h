#pragma once

#include <QString>

// A column of a report: its caption, its width in handheld pixels and how its cells align.
struct ReportColumn
{
    enum class Align
    {
        Left,
        Right
    };

    QString caption;
    int width = 0;
    Align align = Align::Left;
};
