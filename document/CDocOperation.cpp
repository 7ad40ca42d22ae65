#include "CDocOperation.h"

#include "CInventoryDoc.h"

CDocOperation::CDocOperation(CInventoryDoc& doc, const QString& text) : m_doc(doc), m_started(doc.EnterOperation(text))
{}

CDocOperation::~CDocOperation()
{
    if (m_started && !m_ended) {
        m_doc.LeaveOperation(false);
    }
}

bool CDocOperation::Commit()
{
    if (!m_started || m_ended) {
        return false;
    }
    m_ended = true;
    return m_doc.LeaveOperation(true);
}
