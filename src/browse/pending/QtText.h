#pragma once
// Temporary: the dialogs' Windows-1252 conversion, until it is on main.
#include <QString>
#include <string>

namespace tabulo {

inline QString ToQString(const std::string& cp1252) {
    static const char16_t kHigh[32] = {
        0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
    QString s;
    s.reserve(static_cast<qsizetype>(cp1252.size()));
    for (unsigned char c : cp1252) s += QChar(c >= 0x80 && c < 0xA0 ? kHigh[c - 0x80] : char16_t(c));
    return s;
}

} // namespace tabulo
