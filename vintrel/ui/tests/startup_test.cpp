// Starts the real program.
#include <gtest/gtest.h>

TEST(StartupTest, Placeholder) {}
