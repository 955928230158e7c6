#pragma once
// The few places where the interpreter hands numbers and dates to the script
// runtime library (number text, date serials).

#include <cstdint>
#include <string>

namespace tabulo::vbs::rt {

std::string doubleText(double v);
std::string singleText(float v);
std::string currencyText(int64_t scaled);
std::string dateText(double serial, int dateOrder);
bool textToNumber(const std::string& text, double& out);
bool dateFromText(const std::string& text, int dateOrder, double& out); // IsDate's reading
// CDate's reading: a date or time, else a number that is a valid date serial.
bool cdateFromText(const std::string& text, int dateOrder, double& out);
bool dateLiteral(const std::string& text, double& out); // #...# in the source

} // namespace tabulo::vbs::rt
