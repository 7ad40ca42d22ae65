#pragma once

#include "ITextMeasure.h"

// Measures every character as the same number of printer pixels, in any font.
class CFixedWidthMeasure final : public ITextMeasure
{
public:
    explicit CFixedWidthMeasure(int pixelsPerCharacter) : m_pixelsPerCharacter(pixelsPerCharacter) {}

    int TextWidth(const PageFont&, const QString& text) const override
    {
        return m_pixelsPerCharacter * int(text.size());
    }

private:
    int m_pixelsPerCharacter;
};
