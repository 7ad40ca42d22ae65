// pressling: the desktop print link. Sits in the notification area, takes print jobs from
// handhelds on TCP port 5421 and prints each on the default printer.

#include "CSingleInstance.h"
#include "PresslingImages.h"
#include "PresslingOptions.h"
#include "TAboutForm.h"
#include "TControlForm.h"
#include "TListenForm.h"
#include "TMainForm.h"

#include <QApplication>
#include <QSystemTrayIcon>

#include <cstdio>

namespace {

QStringList ArgumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return arguments;
}

void PrintTo(FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

void ShowControl(TControlForm& control)
{
    control.show();
    control.raise();
    control.activateWindow();
}

} // namespace

int main(int argc, char* argv[])
{
    QString error;
    const std::optional<PresslingOptions> options = ParsePresslingOptions(ArgumentsOf(argc, argv), &error);
    if (!options) {
        PrintTo(stderr, QStringLiteral("pressling: %1\n%2").arg(error, PresslingUsage()));
        return 2;
    }
    if (options->help) {
        PrintTo(stdout, PresslingUsage());
        return 0;
    }
    // A copy already runs: it keeps serving, or closes on "/D"; this one never opens a window.
    // "/D" with no copy running has nothing to close and starts nothing either.
    const auto request = options->closeRunningCopy ? CSingleInstance::Request::Close : CSingleInstance::Request::Show;
    if (CSingleInstance::ReachRunningCopy(request) || options->closeRunningCopy) {
        return 0;
    }

    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("pressling"));
    application.setApplicationDisplayName(TControlForm::kTitle.toString());
    application.setDesktopFileName(QStringLiteral(PRESSLING_APP_ID));
    application.setWindowIcon(PresslingImages::ProgramIcon());
    application.setQuitOnLastWindowClosed(false);

    CSingleInstance instance;
    if (!instance.Claim()) {
        PrintTo(stderr, QStringLiteral("pressling: another copy is starting\n"));
        return 0;
    }
    QObject::connect(&instance, &CSingleInstance::CloseRequested, &application, &QApplication::quit);

    TMainForm mainForm(options->pdfFolder);
    TAboutForm about;
    TControlForm control(about);
    TListenForm listen(mainForm, control);
    if (!listen.Listen(options->port)) {
        PrintTo(stderr,
                QStringLiteral("pressling: cannot listen on port %1: %2\n").arg(options->port).arg(listen.ErrorText()));
    }
    QObject::connect(&mainForm, &TMainForm::OpenRequested, &control, [&control] { ShowControl(control); });
    QObject::connect(&mainForm, &TMainForm::ShutdownRequested, &application, &QApplication::quit);
    // Without a tray the control window is the only way in: shown at start, and again when the
    // program is started anew after the window was closed.
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        ShowControl(control);
        QObject::connect(&instance, &CSingleInstance::ShowRequested, &control, [&control] { ShowControl(control); });
    }
    return application.exec();
}
