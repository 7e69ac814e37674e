#include <gtest/gtest.h>

#include "platform/application.h"

namespace {

// The desktop starts when the tests run, not when they are only listed.
class Desktop : public testing::Environment {
 public:
  void SetUp() override { platform::StartDesktop(); }
};

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  testing::AddGlobalTestEnvironment(new Desktop);
  return RUN_ALL_TESTS();
}
