#include <gtest/gtest.h>

#include <platform/application.h>

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  platform::StartDesktop();
  return RUN_ALL_TESTS();
}
