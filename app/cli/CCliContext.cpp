#include "CCliContext.h"

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

int CCliContext::Usage(const QString& usage)
{
    m_err << QLatin1String("usage: quillet-cli [--data FILE] [--yes] ") << usage << Qt::endl;
    return kUsage;
}
