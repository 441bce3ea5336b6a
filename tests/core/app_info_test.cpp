#include <gtest/gtest.h>

#include <string>

#include "core/app_info.h"

TEST(AppInfo, NamesTheProductAndVersion)
{
    EXPECT_EQ(std::string(quorvel::kProductName), "Quorvel");
    EXPECT_EQ(std::string(quorvel::kProductVersion), "2.05");
}
