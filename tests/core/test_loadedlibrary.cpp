// Libraries loaded on first use: found functions can be called, and a missing library or
// function is reported rather than followed.
#include <gtest/gtest.h>

#include <cstring>

#include "core/loadedlibrary.h"

TEST(LoadedLibrary, FindsFunctionsOrSaysWhyNot) {
    const LoadedLibrary c("libc.so.6");
    ASSERT_TRUE(c.loaded());
    EXPECT_EQ(c.error(), nullptr);
    decltype(&std::strlen) length = nullptr;
    ASSERT_TRUE(c.find("strlen", length));
    EXPECT_EQ(length("repeater"), 8u);
    EXPECT_FALSE(c.find("no_such_function_in_libc", length));
    EXPECT_EQ(length, nullptr);

    const LoadedLibrary missing("liborv-no-such-library.so.9");
    EXPECT_FALSE(missing.loaded());
    ASSERT_NE(missing.error(), nullptr);
    EXPECT_NE(std::strstr(missing.error(), "liborv-no-such-library.so.9"), nullptr);
    EXPECT_FALSE(missing.find("strlen", length));
    EXPECT_EQ(length, nullptr);
}
