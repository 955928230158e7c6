#pragma once
// What a field accepts, in words, for the accessible description of its box or label:
// "date, DD/MM/YYYY; up to 10 characters; required". The codes are read as the key
// filter and the update checks read them.

#include <string>

namespace tabulo {

std::string FieldDescription(const std::string& format, int length, int dateOrder);

} // namespace tabulo
