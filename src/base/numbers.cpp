#include "base/numbers.h"

#include <QLocale>
#include <QString>

#include <cmath>

namespace tivora {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<std::int64_t> DigitsNumber(std::string_view text, std::size_t maxDigits) {
    if (text.empty() || text.size() > maxDigits || text.size() > 18)
        return std::nullopt;
    std::int64_t value = 0;
    for (const char c : text) {
        if (!IsDigit(c))
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<double> DecimalNumber(std::string_view text) {
    const std::size_t end = text.size();
    std::size_t i = 0;
    if (i < end && (text[i] == '-' || text[i] == '+'))
        ++i;
    std::size_t digits = 0;
    for (; i < end && IsDigit(text[i]); ++i)
        ++digits;
    if (i < end && text[i] == '.')
        for (++i; i < end && IsDigit(text[i]); ++i)
            ++digits;
    if (digits == 0 || i != end)
        return std::nullopt;
    bool ok = false;
    const double value =
        QLocale::c().toDouble(QString::fromLatin1(text.data(), qsizetype(end)), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace tivora
