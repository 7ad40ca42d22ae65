// Prints through a real default printer: a CUPS queue that writes PDF files (cups-pdf). Needs root
// to start the scheduler and add the queue; skips where that cannot be had.

#include "CPresslingProcess.h"
#include "PresslingJobs.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <unistd.h>

namespace {

const QString kQueue = QStringLiteral("PresslingTestPDF");
const QString kPidFile = QStringLiteral("/run/cups/cupsd.pid");

QString Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    process.waitForFinished(20000);
    return QString::fromLocal8Bit(process.readAll());
}

bool SchedulerRuns()
{
    return Run(QStringLiteral("lpstat"), {QStringLiteral("-r")}).contains(QStringLiteral("is running"));
}

bool WaitFor(const std::function<bool()>& done, int timeoutMs)
{
    for (int waited = 0; waited < timeoutMs; waited += 50) {
        if (done()) {
            return true;
        }
        QThread::msleep(50);
    }
    return done();
}

// Starts the scheduler when it is not running, adds a PDF queue and makes it the default; undoes
// all of it when destroyed.
class CCupsPdfPrinter
{
public:
    CCupsPdfPrinter()
    {
        if (geteuid() != 0 || QStandardPaths::findExecutable(QStringLiteral("cupsd")).isEmpty() ||
            !QFileInfo::exists(QStringLiteral("/usr/lib/cups/backend/cups-pdf"))) {
            m_problem = QStringLiteral("needs root, cupsd and the cups-pdf backend");
            return;
        }
        if (!SchedulerRuns()) {
            Run(QStringLiteral("cupsd"), {});
            m_startedScheduler = WaitFor(SchedulerRuns, 5000);
            if (!m_startedScheduler) {
                m_problem = QStringLiteral("cupsd does not start here");
                return;
            }
        }
        m_previousDefault = Run(QStringLiteral("lpstat"), {QStringLiteral("-d")}).section(u':', 1).trimmed();
        Run(QStringLiteral("lpadmin"),
            {"-p", kQueue, "-E", "-v", "cups-pdf:/", "-m", "lsb/usr/cups-pdf/CUPS-PDF_opt.ppd", "-o",
             "pdftops-renderer-default=pdftocairo"});
        Run(QStringLiteral("lpadmin"), {"-d", kQueue});
        if (!Run(QStringLiteral("lpstat"), {QStringLiteral("-d")}).contains(kQueue)) {
            m_problem = QStringLiteral("the PDF queue cannot be added");
        }
    }

    ~CCupsPdfPrinter()
    {
        Run(QStringLiteral("lpadmin"), {"-x", kQueue});
        if (!m_previousDefault.isEmpty() && !m_previousDefault.contains(u' ')) {
            Run(QStringLiteral("lpadmin"), {"-d", m_previousDefault});
        }
        if (m_startedScheduler) {
            QFile pidFile(kPidFile);
            if (pidFile.open(QIODevice::ReadOnly)) {
                const pid_t pid = pidFile.readAll().trimmed().toInt();
                if (pid > 0) {
                    kill(pid, SIGTERM);
                }
            }
            WaitFor([] { return !SchedulerRuns(); }, 5000);
        }
    }

    const QString& Problem() const { return m_problem; }

private:
    QString m_problem;
    QString m_previousDefault;
    bool m_startedScheduler = false;
};

// cups-pdf writes root's pages to ~root/PDF.
QString OutputFolder()
{
    return QDir::home().filePath(QStringLiteral("PDF"));
}

} // namespace

TEST(PresslingCups, AJobPrintsOnTheDefaultPrinter)
{
    CCupsPdfPrinter printer;
    if (!printer.Problem().isEmpty()) {
        GTEST_SKIP() << printer.Problem().toStdString();
    }
    CPresslingProcess pressling;
    const quint16 port = CPresslingProcess::FreePort();
    ASSERT_TRUE(pressling.Start({"--port", QString::number(port)}, port));

    // A number no other page has, to find this page among the queue's files.
    const QString number = QStringLiteral("CUPS%1").arg(QDateTime::currentMSecsSinceEpoch());
    EXPECT_EQ(SendJob(port, PresslingJobs::Utf16Le(PresslingJobs::Sale(number))),
              PresslingJobs::Utf16Le(QStringLiteral("Message Received")));
    QString printed;
    const bool found = WaitFor(
        [&] {
            for (const QFileInfo& file : QDir(OutputFolder()).entryInfoList({"*.pdf"}, QDir::Files)) {
                if (file.fileName().contains(number, Qt::CaseInsensitive)) {
                    const QString text = PdfText(file.filePath());
                    if (text.contains(QStringLiteral("56.32"))) {
                        printed = text;
                        QFile::remove(file.filePath());
                        return true;
                    }
                }
            }
            return false;
        },
        30000);
    ASSERT_TRUE(found) << "no page in " << OutputFolder().toStdString();
    EXPECT_TRUE(printed.contains(number));
    EXPECT_TRUE(printed.contains(QStringLiteral("Brass hinges 75mm")));
    // Nothing fell back to a PDF file of Pressling's own.
    EXPECT_FALSE(QDir(pressling.DocumentsFolder()).exists(QStringLiteral("Pressling")));
}
