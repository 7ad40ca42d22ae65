#pragma once

#include <QColor>
#include <QLineEdit>

// An edit field of a setup dialog with its own background and text colours. In numeric mode
// (off by default) it takes only the characters of a number with at most MaxDecimals() digits
// after its point, typed one by one; pasting and dropping text are refused then.
class CColorEdit final : public QLineEdit
{
    Q_OBJECT

public:
    explicit CColorEdit(QWidget* parent = nullptr);

    void SetColors(const QColor& background, const QColor& text);
    QColor BackgroundColor() const;
    QColor TextColor() const;

    void SetNumeric(bool numeric);
    bool IsNumeric() const { return m_numeric; }
    void SetMaxDecimals(int maxDecimals) { m_maxDecimals = maxDecimals; }
    int MaxDecimals() const { return m_maxDecimals; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool RefusesKey(const QKeyEvent& event) const;

    bool m_numeric = false;
    int m_maxDecimals = 2;
};
