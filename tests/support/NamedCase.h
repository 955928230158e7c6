#pragma once
// Names a data-driven test case after its `name` member, for INSTANTIATE_TEST_SUITE_P.

#include <gtest/gtest.h>
#include <string>

namespace tabulo::test {

template <typename Case> std::string NamedCase(const testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

} // namespace tabulo::test
