#pragma once
// Names data-driven test cases after their description: "a field past the record
// length" becomes "AFieldPastTheRecordLength".

#include <cctype>
#include <gtest/gtest.h>
#include <string>

namespace tabulo::cli {

template <typename Case> std::string CaseName(const testing::TestParamInfo<Case>& info) {
    std::string name;
    bool wordStart = true;
    for (const char* c = info.param.what; *c; ++c) {
        auto ch = static_cast<unsigned char>(*c);
        if (std::isalnum(ch)) name += wordStart ? static_cast<char>(std::toupper(ch)) : *c;
        wordStart = !std::isalnum(ch);
    }
    return name;
}

} // namespace tabulo::cli
