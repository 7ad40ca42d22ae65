#pragma once

#include <QString>

// quillet-cli's manual page (roff, section 1), written from the command table so it never drifts
// from --help. version names the release in the page's header.
class CCliManPage
{
public:
    static QString Page(const QString& version);
};
