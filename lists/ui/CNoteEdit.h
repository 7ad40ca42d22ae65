#pragma once

#include <QColor>
#include <QPlainTextEdit>

// The multi-line note field of a setup dialog: its own colours, a vertical scroll bar, Enter
// starts a new line (Tab moves on), and the text is held to a number of characters.
class CNoteEdit final : public QPlainTextEdit
{
    Q_OBJECT

public:
    CNoteEdit(int maxLength, QWidget* parent = nullptr);

    void SetColors(const QColor& background, const QColor& text);

private:
    void LimitLength();

    int m_maxLength;
};
