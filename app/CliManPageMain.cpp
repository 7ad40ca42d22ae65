// Writes quillet-cli's manual page at build time, from the same command table as --help.

#include "CCliManPage.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fputs("usage: quillet-cli-manpage VERSION OUTPUT\n", stderr);
        return 2;
    }
    QSaveFile out(arguments[2]);
    if (!out.open(QIODevice::WriteOnly) || out.write(CCliManPage::Page(arguments[1]).toUtf8()) < 0 || !out.commit()) {
        std::fprintf(stderr, "quillet-cli-manpage: cannot write %s\n", qPrintable(arguments[2]));
        return 1;
    }
    return 0;
}
