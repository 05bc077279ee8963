#include "base/scramble.h"

#include <QList>

namespace tivora {

namespace {

constexpr int kShift = 85;

// Windows-1252 bytes 0x80..0x9F; 0 marks the five unassigned codes.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int ToCode(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<int>(c);
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] != 0 && kHighControls[i] == c)
            return 0x80 + i;
    return -1;
}

} // namespace

QByteArray ToWindows1252(const QString& text) {
    QByteArray bytes;
    for (const char32_t c : text.toUcs4()) {
        const int code = ToCode(c);
        if (code >= 0)
            bytes.append(static_cast<char>(code));
    }
    return bytes;
}

QString FromWindows1252(const QByteArray& bytes) {
    QString text;
    for (const char b : bytes) {
        const auto code = static_cast<unsigned char>(b);
        if (code >= 0x80 && code < 0xA0) {
            // Unassigned codes keep their byte value, as Windows does.
            const char16_t mapped = kHighControls[code - 0x80];
            text.append(QChar(mapped != 0 ? mapped : char16_t(code)));
        } else {
            text.append(QChar(char16_t(code)));
        }
    }
    return text;
}

QByteArray ScrambleText(const QByteArray& text) {
    QByteArray result;
    result.reserve(text.size());
    for (const char b : text) {
        const int code = static_cast<unsigned char>(b) + kShift;
        if (code <= 255)
            result.append(static_cast<char>(code));
    }
    return result;
}

QByteArray UnscrambleText(const QByteArray& text) {
    QByteArray result;
    result.reserve(text.size());
    for (const char b : text) {
        const int code = static_cast<unsigned char>(b) - kShift;
        if (code >= 0)
            result.append(static_cast<char>(code));
    }
    return result;
}

} // namespace tivora
