#include "platform/dynlib.h"

#include <gtest/gtest.h>

namespace {

TEST(DynLib, MissingLibraryAndSymbolGiveNull) {
  EXPECT_EQ(platform::LoadLibrary("NOSUCHLIBRARY.DLL"), nullptr);
  EXPECT_EQ(platform::LoadLibrary(""), nullptr);
  EXPECT_EQ(platform::GetProcAddress(nullptr, "x"), nullptr);
}

TEST(DynLib, SystemLibraryLoadsAndResolves) {
  platform::LibraryHandle libm = platform::LoadLibrary("libm.so.6");
  ASSERT_NE(libm, nullptr);
  EXPECT_NE(platform::GetProcAddress(libm, "cos"), nullptr);
  EXPECT_EQ(platform::GetProcAddress(libm, "no_such_function"), nullptr);
}

}  // namespace
