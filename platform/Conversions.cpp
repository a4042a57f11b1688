#include "Conversions.h"

#include <limits>
#include <optional>

namespace {

std::optional<int> digitValue(QChar c)
{
    const char16_t code = c.unicode();
    if (code >= u'0' && code <= u'9')
        return code - u'0';
    if (code >= u'\u06F0' && code <= u'\u06F9')
        return code - u'\u06F0';
    if (code >= u'\u0660' && code <= u'\u0669')
        return code - u'\u0660';
    return std::nullopt;
}

[[noreturn]] void throwNotAnInteger(const QString& text)
{
    throw ConversionError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

} // namespace

int StrToInt(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;

    bool negative = false;
    if (begin < end && (text.at(begin) == u'-' || text.at(begin) == u'+')) {
        negative = text.at(begin) == u'-';
        ++begin;
    }
    if (begin == end)
        throwNotAnInteger(text);

    // The magnitude of INT_MIN is one more than INT_MAX, so the limit depends on the sign.
    const qint64 limit =
        negative ? -qint64(std::numeric_limits<int>::min()) : std::numeric_limits<int>::max();
    qint64 magnitude = 0;
    for (qsizetype i = begin; i < end; ++i) {
        const std::optional<int> digit = digitValue(text.at(i));
        if (!digit)
            throwNotAnInteger(text);
        magnitude = magnitude * 10 + *digit;
        if (magnitude > limit)
            throwNotAnInteger(text);
    }
    return int(negative ? -magnitude : magnitude);
}

QString IntToStr(qint64 value)
{
    return QString::number(value);
}
