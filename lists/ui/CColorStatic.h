#pragma once

#include <QColor>
#include <QLabel>

// A label of a setup dialog with its own background and text colours.
class CColorStatic final : public QLabel
{
    Q_OBJECT

public:
    explicit CColorStatic(const QString& text, QWidget* parent = nullptr);

    void SetColors(const QColor& background, const QColor& text);
    QColor BackgroundColor() const;
    QColor TextColor() const;
};
