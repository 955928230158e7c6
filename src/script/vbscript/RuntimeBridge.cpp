#include "RuntimeBridge.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tabulo::vbs::runtime {

static std::string significant(double v, int digits) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*G", digits, v);
    return buf;
}

std::string doubleText(double v) { return significant(v, 15); }
std::string singleText(float v) { return significant(v, 7); }
std::string currencyText(int64_t scaled) { return significant(double(scaled) / 10000.0, 19); }

std::string dateText(double serial, int) { return significant(serial, 15); }

bool textToNumber(const std::string& text, double& out) {
    const char* s = text.c_str();
    while (*s == ' ')
        ++s;
    if (!*s)
        return false;
    char* end = nullptr;
    out = std::strtod(s, &end);
    while (*end == ' ')
        ++end;
    return *end == 0;
}

bool textToDate(const std::string&, int, double&) { return false; }

double bankersRound(double x) { return std::nearbyint(x); }

} // namespace tabulo::vbs::runtime
