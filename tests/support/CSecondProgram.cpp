#include "CSecondProgram.h"

CSecondProgram::CSecondProgram(const QString& path) : m_connection(path), m_doc(m_connection, m_prompter)
{
    m_doc.SetDataFilePath(path);
    m_doc.LoadCatalogue([](const QString&) {});
}
