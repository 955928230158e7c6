// Thin calls from the lexer and the conversions into the runtime library's number and
// date texts, with the current year that two-digit years are read against.

#include "script/vbscript/RuntimeBridge.h"

#include "base/Clock.h"
#include "script/vbscript/runtime/DateFormat.h"
#include "script/vbscript/runtime/DateParse.h"
#include "script/vbscript/runtime/NumberText.h"

namespace tabulo::vbs::rt {

static int currentYear() {
    return CurrentLocalTime().Year;
}

std::string doubleText(double v) {
    return rt::doubleToString(v);
}
std::string singleText(float v) {
    return rt::singleToString(v);
}
std::string currencyText(int64_t scaled) {
    return rt::currencyToString(scaled);
}

std::string dateText(double serial, int dateOrder) {
    return rt::dateToString(serial, dateOrder).value_or(rt::doubleToString(serial));
}

bool textToNumber(const std::string& text, double& out) {
    auto v = rt::parseNumber(text);
    if (!v) return false;
    out = *v;
    return true;
}

bool dateFromText(const std::string& text, int dateOrder, double& out) {
    auto v = rt::parseDate(text, dateOrder, currentYear());
    if (!v) return false;
    out = *v;
    return true;
}

bool cdateFromText(const std::string& text, int dateOrder, double& out) {
    auto v = rt::textToDate(text, dateOrder, currentYear());
    if (!v) return false;
    out = *v;
    return true;
}

bool dateLiteral(const std::string& text, double& out) {
    auto v = rt::parseDateLiteral(text, currentYear());
    if (!v) return false;
    out = *v;
    return true;
}

} // namespace tabulo::vbs::rt
