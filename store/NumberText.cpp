#include "NumberText.h"

#include <array>
#include <charconv>

QString ShortestNumberText(double value)
{
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return QString::fromLatin1(buffer.data(), static_cast<int>(result.ptr - buffer.data()));
}
