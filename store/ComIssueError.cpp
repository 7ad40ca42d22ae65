#include "ComIssueError.h"

#include <QtDebug>

namespace {
std::function<void(const QString&)>& Sink()
{
    static std::function<void(const QString&)> sink;
    return sink;
}
} // namespace

void ComIssueError(long code)
{
    const QString text = QString::asprintf("_com_issue_error(%ld)\n", code);
    if (Sink()) {
        Sink()(text);
        return;
    }
    // qDebug ends the line itself.
    qDebug().noquote() << text.chopped(1);
}

void SetComIssueErrorSink(std::function<void(const QString&)> sink)
{
    Sink() = std::move(sink);
}
