#pragma once

#include <QColor>
#include <QWidget>

// The strip under the toolbar that names the current screen: centred black text on a light blue band.
class CTitleStrip final : public QWidget
{
    Q_OBJECT

public:
    explicit CTitleStrip(const QString& text, QWidget* parent = nullptr);

    // Sets the text and repaints at once.
    void SetText(const QString& text);
    const QString& Text() const { return m_text; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    QColor m_background{109, 191, 237};
    QColor m_textColor{0, 0, 0};
};
