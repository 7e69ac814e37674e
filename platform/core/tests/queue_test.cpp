#include "platform/queue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

struct Recorder : platform::MessageTarget {
  std::vector<unsigned> messages;
  void OnPostedMessage(unsigned message, std::uintptr_t, std::intptr_t) override { messages.push_back(message); }
};

TEST(Queue, MessagesFromAnotherThreadArriveInOrderOnTheDrainingThread) {
  Recorder target;
  const platform::WindowHandle handle = platform::RegisterWindow(&target);
  std::thread poster([handle] {
    for (unsigned m = 1; m <= 3; ++m) platform::PostMessage(handle, m, 0, 0);
  });
  poster.join();
  platform::DrainQueuedCalls();
  EXPECT_EQ(target.messages, (std::vector<unsigned>{1, 2, 3}));
  platform::UnregisterWindow(handle);
}

TEST(Queue, MessageToAWindowThatIsGoneIsDropped) {
  auto* target = new Recorder;
  const platform::WindowHandle handle = platform::RegisterWindow(target);
  EXPECT_TRUE(platform::PostMessage(handle, 7, 0, 0));
  platform::UnregisterWindow(handle);
  delete target;
  EXPECT_FALSE(platform::IsWindow(handle));
  EXPECT_EQ(platform::DrainQueuedCalls(), 1);  // ran, found nobody, dropped
  EXPECT_FALSE(platform::PostMessage(0, 7, 0, 0));
}

TEST(Queue, RunUntilWaitsForACallFromAnotherThread) {
  std::atomic<int> seen{0};
  std::thread later([&seen] {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    platform::QueueCall([&seen] { seen = 1; });
  });
  EXPECT_TRUE(platform::RunQueuedCallsUntil([&seen] { return seen == 1; }, 5000));
  later.join();
  EXPECT_FALSE(platform::RunQueuedCallsUntil([] { return false; }, 10));
}

}  // namespace
