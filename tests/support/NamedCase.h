#pragma once
// Names the cases of a data-driven test for INSTANTIATE_TEST_SUITE_P: NamedCase takes the
// case's `name` as it is; CaseName makes one from its `what`, so that "a field past the
// record length" becomes "AFieldPastTheRecordLength".

#include <cctype>
#include <gtest/gtest.h>
#include <string>

namespace tabulo::test {

template <typename Case> std::string NamedCase(const testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

template <typename Case> std::string CaseName(const testing::TestParamInfo<Case>& info) {
    std::string name;
    bool wordStart = true;
    for (const char* c = info.param.what; *c; ++c) {
        const auto ch = static_cast<unsigned char>(*c);
        if (std::isalnum(ch)) name += wordStart ? static_cast<char>(std::toupper(ch)) : *c;
        wordStart = !std::isalnum(ch);
    }
    return name;
}

} // namespace tabulo::test
