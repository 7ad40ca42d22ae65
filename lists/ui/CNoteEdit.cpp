#include "CNoteEdit.h"

CNoteEdit::CNoteEdit(int maxLength, QWidget* parent) : QPlainTextEdit(parent), m_maxLength(maxLength)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, &CNoteEdit::LimitLength);
}

void CNoteEdit::SetColors(const QColor& background, const QColor& text)
{
    QPalette colors = palette();
    colors.setColor(QPalette::Base, background);
    colors.setColor(QPalette::Text, text);
    setPalette(colors);
}

// Typing, pasting and setting the text are all cut back, keeping the beginning.
void CNoteEdit::LimitLength()
{
    const QString text = toPlainText();
    if (text.size() <= m_maxLength) {
        return;
    }
    const QSignalBlocker quiet(this);
    setPlainText(text.left(m_maxLength));
    moveCursor(QTextCursor::End);
}
