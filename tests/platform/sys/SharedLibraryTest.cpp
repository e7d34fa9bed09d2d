#include "platform/sys/SharedLibrary.h"

#include <gtest/gtest.h>

using korvan::sys::SharedLibrary;

TEST(SharedLibrary, AnAbsentLibraryIsEmptyAndAPresentOneFindsItsNames) {
    const SharedLibrary absent("libno-such-library-here.so");
    EXPECT_FALSE(absent.IsLoaded());
    EXPECT_FALSE(absent.LoadError().empty());
    EXPECT_EQ(absent.Symbol("strlen"), nullptr);

    const SharedLibrary c("libc.so.6");
    ASSERT_TRUE(c.IsLoaded());
    EXPECT_EQ(c.FileName(), "libc.so.6");
    EXPECT_NE(c.Symbol("strlen"), nullptr);
    EXPECT_EQ(c.Symbol("no_such_function_anywhere"), nullptr);
}
