#include "CCliContext.h"

#include "NumberBounds.h"
#include "PlainNumber.h"

#include <cstdio>

CCliContext::CCliContext(const QString& dataFile, bool assumeYes)
    : m_connection(dataFile), m_prompter(assumeYes), m_doc(m_connection, m_prompter), m_out(stdout), m_err(stderr)
{
    m_doc.SetDataFilePath(dataFile);
}

bool CCliContext::LoadCatalogue(bool printStatus)
{
    const auto status = [this, printStatus](const QString& text) {
        if (printStatus && !text.isEmpty()) {
            m_out << text << Qt::endl;
        }
    };
    return m_doc.LoadCatalogue(status) == CInventoryDoc::CatalogueLoad::Loaded;
}

int CCliContext::Fail(const QString& message)
{
    m_err << message << Qt::endl;
    return kFailed;
}

int CCliContext::Printed(const QString& command)
{
    m_out.flush();
    // The stream hands its text to stdio, which may only find out when its own buffer goes out.
    const bool written = m_out.status() == QTextStream::Ok && std::fflush(stdout) == 0 && std::ferror(stdout) == 0;
    return written ? 0 : Fail(command + QStringLiteral(": writing to stdout failed"));
}

int CCliContext::Usage(const QString& usage, const QString& why)
{
    if (!why.isEmpty()) {
        m_err << why << Qt::endl;
    }
    m_err << QLatin1String("usage: quillet-cli [--data FILE] [--yes] ") << usage << Qt::endl;
    return kUsage;
}

std::optional<double> CCliContext::Number(const QString& name, const QString& text)
{
    const ParsedNumber parsed = ParsePlainNumberText(text);
    if (!parsed.value) {
        m_err << name << QLatin1String(": ") << parsed.refusal << Qt::endl;
    }
    return parsed.value;
}

std::optional<int> CCliContext::Integer(const QString& name, const QString& text)
{
    const std::optional<int> value = ParsePlainInteger(text);
    if (!value) {
        m_err << name << QLatin1String(": '") << text << QLatin1String("' is not a whole number.") << Qt::endl;
    }
    return value;
}
