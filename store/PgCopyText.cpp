#include "PgCopyText.h"

#include "ColumnValue.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>

namespace {

bool NeedsEscape(char c)
{
    return c == '\\' || c == '\t' || c == '\n' || c == '\r';
}

void AppendEscaped(QByteArray& row, const QByteArray& text)
{
    if (std::none_of(text.begin(), text.end(), NeedsEscape)) {
        row += text;
        return;
    }
    for (const char c : text) {
        switch (c) {
        case '\\':
            row += "\\\\";
            break;
        case '\t':
            row += "\\t";
            break;
        case '\n':
            row += "\\n";
            break;
        case '\r':
            row += "\\r";
            break;
        default:
            row += c;
        }
    }
}

template <typename Number>
void AppendNumber(QByteArray& row, Number value)
{
    // Fixed notation, as StoredText writes numbers; the largest double needs 309 digits.
    std::array<char, 400> buffer{};
    std::to_chars_result result{};
    if constexpr (std::is_floating_point_v<Number>) {
        result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
    } else {
        result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    }
    row.append(buffer.data(), result.ptr - buffer.data());
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// The escapes the server writes, and the octal and hex forms it reads as well.
void AppendUnescaped(QByteArray& text, const char* from, const char* end)
{
    while (from < end) {
        const auto* backslash = static_cast<const char*>(std::memchr(from, '\\', end - from));
        if (backslash == nullptr || backslash + 1 == end) {
            text.append(from, end - from);
            return;
        }
        text.append(from, backslash - from);
        from = backslash + 1;
        const char escaped = *from++;
        switch (escaped) {
        case 'b':
            text += '\b';
            break;
        case 'f':
            text += '\f';
            break;
        case 'n':
            text += '\n';
            break;
        case 'r':
            text += '\r';
            break;
        case 't':
            text += '\t';
            break;
        case 'v':
            text += '\v';
            break;
        case 'x':
            if (from < end && HexDigit(*from) >= 0) {
                int value = HexDigit(*from++);
                if (from < end && HexDigit(*from) >= 0) {
                    value = value * 16 + HexDigit(*from++);
                }
                text += static_cast<char>(value);
            } else {
                text += escaped;
            }
            break;
        default:
            if (escaped >= '0' && escaped <= '7') {
                int value = escaped - '0';
                for (int digits = 1; digits < 3 && from < end && *from >= '0' && *from <= '7'; ++digits) {
                    value = value * 8 + (*from++ - '0');
                }
                text += static_cast<char>(value);
            } else {
                text += escaped;
            }
        }
    }
}

} // namespace

void AppendCopyField(QByteArray& row, const CDbVariant& value)
{
    switch (value.GetKind()) {
    case CDbVariant::Kind::Null:
        row += "\\N";
        break;
    case CDbVariant::Kind::Int32:
    case CDbVariant::Kind::Bool:
        AppendNumber(row, value.ToInt32());
        break;
    case CDbVariant::Kind::Double:
        AppendNumber(row, value.ToDouble());
        break;
    default:
        AppendEscaped(row, StoredText(value).toUtf8());
    }
}

void SplitCopyRow(const char* row, qsizetype length, std::vector<CopyField>& fields)
{
    if (length > 0 && row[length - 1] == '\n') {
        --length;
    }
    const char* const end = row + length;
    size_t count = 0;
    for (const char* start = row;; ++count) {
        const char* stop = start;
        while (stop < end && *stop != '\t') {
            ++stop;
        }
        if (fields.size() <= count) {
            fields.emplace_back();
        }
        CopyField& field = fields[count];
        field.text.clear();
        field.null = stop - start == 2 && start[0] == '\\' && start[1] == 'N';
        if (!field.null) {
            AppendUnescaped(field.text, start, stop);
        }
        if (stop == end) {
            break;
        }
        start = stop + 1;
    }
    fields.resize(count + 1);
}
