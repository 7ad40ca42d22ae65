#pragma once

#include "CCalculator.h"

#include <QDialog>

#include <functional>
#include <optional>

class CIconPushButton;
class QLabel;

// The number pad: the calculator's keys and display as a modal dialog. The caller gives the
// caption, a subject line above the display and a starting value; OK (or Enter) hands back the
// number on the display, Escape or Cancel closes without one, and so does OK while the display
// shows ERROR. Digits, the point, + - * / % = work from the keyboard too; Delete and Backspace
// clear the entry. The display's text shrinks to fit, so every digit stays in view.
class CCalculatorDlg final : public QDialog
{
    Q_OBJECT

public:
    CCalculatorDlg(const QString& title, const QString& topLine, double start, QWidget* parent = nullptr);

    // Runs the pad modally; the confirmed number, or nothing when cancelled.
    static std::optional<double> Run(const QString& title, const QString& topLine, double start,
                                     QWidget* parent = nullptr);

    // Set when the dialog ended with OK.
    double Result() const { return m_result; }
    QString DisplayText() const;
    // OK: when an operation was pending, its result stays on the display for a moment first.
    void Confirm();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateKeys();
    void WidenForTexts();
    CIconPushButton* AddKey(const QString& caption, const QString& objectName, double x, double y, bool isDigit,
                            std::function<void()> press);
    void Press(const std::function<void()>& key);
    void UpdateDisplay();
    // The display's font, made smaller when the text would not fit at its full size.
    void FitDisplayFont();
    void Finish();

    CCalculator m_calculator;
    QLabel* m_topLine = nullptr;
    QLabel* m_display = nullptr;
    QFont m_displayFont;
    bool m_confirming = false;
    double m_result = 0.0;
};
