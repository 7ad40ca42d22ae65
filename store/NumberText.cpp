#include "NumberText.h"

#include <array>
#include <charconv>

QString ShortestNumberText(double value)
{
    // Fixed notation: scripts and people read "100000", not "1e+05". The largest double needs
    // 309 digits.
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
    return QString::fromLatin1(buffer.data(), static_cast<int>(result.ptr - buffer.data()));
}
