#include "CColorEdit.h"

#include "NumericFilter.h"

#include <QKeyEvent>

CColorEdit::CColorEdit(QWidget* parent) : QLineEdit(parent) {}

void CColorEdit::SetColors(const QColor& background, const QColor& text)
{
    QPalette colors = palette();
    colors.setColor(QPalette::Base, background);
    colors.setColor(QPalette::Text, text);
    setPalette(colors);
}

QColor CColorEdit::BackgroundColor() const
{
    return palette().color(QPalette::Base);
}

QColor CColorEdit::TextColor() const
{
    return palette().color(QPalette::Text);
}

void CColorEdit::SetNumeric(bool numeric)
{
    m_numeric = numeric;
    // Paste comes by the keyboard, the context menu, the middle button and drops.
    setAcceptDrops(!numeric);
    setContextMenuPolicy(numeric ? Qt::NoContextMenu : Qt::DefaultContextMenu);
}

// The filter judges each typed character against the whole text left after it, wherever the
// caret stands.
// Keys that type nothing (arrows, Delete, shortcuts) pass, except paste.
bool CColorEdit::RefusesKey(const QKeyEvent& event) const
{
    if (event.matches(QKeySequence::Paste)) {
        return true;
    }
    if (event.key() == Qt::Key_Backspace) {
        return false;
    }
    const QString typed = event.text();
    if (typed.size() != 1 || !typed.at(0).isPrint()) {
        return false;
    }
    // A typed character replaces the selection (all of it after Tab into the field).
    QString kept = text();
    if (hasSelectedText()) {
        kept.remove(selectionStart(), selectedText().size());
    }
    return !AcceptsNumericCharacter(typed.at(0), kept, m_maxDecimals);
}

void CColorEdit::keyPressEvent(QKeyEvent* event)
{
    if (m_numeric && RefusesKey(*event)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// The middle button pastes the X11 selection.
void CColorEdit::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_numeric && event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}
