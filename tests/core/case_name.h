#pragma once

#include <gtest/gtest.h>

#include <string>

namespace quorvel::testing_support {

// Names each case of a parameterised test after its `name` field, so a failure says which row.
struct CaseName {
    template <class Case>
    std::string operator()(const testing::TestParamInfo<Case>& caseInfo) const
    {
        return caseInfo.param.name;
    }
};

}  // namespace quorvel::testing_support
