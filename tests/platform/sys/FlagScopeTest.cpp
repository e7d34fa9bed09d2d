// The update guard's scope puts back what it found, so scopes nest.

#include "platform/sys/FlagScope.h"

#include <gtest/gtest.h>

namespace {

TEST(FlagScope, NestedScopesKeepTheOuterFlag) {
    bool flag = false;
    {
        korvan::sys::FlagScope outer(flag);
        {
            korvan::sys::FlagScope inner(flag);
            EXPECT_TRUE(flag);
        }
        EXPECT_TRUE(flag) << "the inner scope left the outer one's flag up";
    }
    EXPECT_FALSE(flag);
}

} // namespace
