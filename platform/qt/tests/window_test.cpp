#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/application.h"
#include "platform/screenshot.h"
#include "test_pages.h"

namespace platform::test {
namespace {

class TimedPage : public LoggingPage {
 public:
  explicit TimedPage(Log* log) : LoggingPage("A", log) {}
  void OnTimer(unsigned id) override {
    ticks.push_back(id);
    if (killOnTick) KillTimer(id);
  }
  void OnPostedMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override {
    posted.push_back({message, wParam, lParam});
    postedOnThread = std::this_thread::get_id();
  }
  struct Posted {
    unsigned message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
  };
  std::vector<unsigned> ticks;
  std::vector<Posted> posted;
  std::thread::id postedOnThread;
  bool killOnTick = false;
};

class WindowTest : public testing::Test {
 protected:
  WindowTest() : page(&log), sheet(&log) { sheet.AddPage(&page); }
  Log log;
  TimedPage page;
  LoggingSheet sheet;
};

TEST_F(WindowTest, TimersFireUntilKilled) {
  EXPECT_EQ(page.SetTimer(1, 10), 0u);  // no window yet
  ASSERT_TRUE(sheet.Create());
  EXPECT_EQ(page.SetTimer(1, 10), 1u);
  EXPECT_EQ(page.TimerPeriod(1), 10u);
  EXPECT_TRUE(ProcessEventsUntil([&] { return page.ticks.size() >= 3; }, 5000));
  EXPECT_TRUE(page.KillTimer(1));
  EXPECT_FALSE(page.KillTimer(1));
  EXPECT_FALSE(page.HasTimer(1));
  std::size_t seen = page.ticks.size();
  ProcessEvents(40);
  EXPECT_EQ(page.ticks.size(), seen);
  EXPECT_EQ(page.ticks[0], 1u);
}

TEST_F(WindowTest, TimerKilledInItsOwnHandlerFiresOnceAndTimersStopWithTheWindow) {
  ASSERT_TRUE(sheet.Create());
  page.killOnTick = true;
  page.SetTimer(7, 5);
  ASSERT_TRUE(ProcessEventsUntil([&] { return !page.ticks.empty(); }, 5000));
  ProcessEvents(30);
  EXPECT_EQ(page.ticks, std::vector<unsigned>{7});

  page.killOnTick = false;
  page.SetTimer(2, 5);
  sheet.DestroyWindow();
  std::size_t seen = page.ticks.size();
  ProcessEvents(30);
  EXPECT_EQ(page.ticks.size(), seen);
}

TEST_F(WindowTest, MessagePostedFromAWorkerReachesTheWindowOnTheUiThread) {
  ASSERT_TRUE(sheet.Create());
  WindowHandle handle = page.GetSafeHwnd();
  ASSERT_NE(handle, 0u);
  std::thread worker([handle] { PostMessage(handle, 0x405, 0, 0); });
  worker.join();
  ASSERT_TRUE(ProcessEventsUntil([&] { return !page.posted.empty(); }, 5000));
  EXPECT_EQ(page.posted[0].message, 0x405u);
  EXPECT_EQ(page.postedOnThread, std::this_thread::get_id());
}

TEST_F(WindowTest, MessagePostedAfterTheWindowWentIsDropped) {
  ASSERT_TRUE(sheet.Create());
  WindowHandle handle = page.GetSafeHwnd();
  sheet.DestroyWindow();
  EXPECT_EQ(page.GetSafeHwnd(), 0u);
  EXPECT_FALSE(IsWindow(handle));
  std::atomic<bool> posted{false};
  std::thread worker([&] { posted = PostMessage(handle, 0x405, 0, 0); });
  worker.join();
  EXPECT_TRUE(posted);  // the post itself is accepted ...
  ProcessEvents(30);
  EXPECT_TRUE(page.posted.empty());  // ... and dropped on delivery
}

TEST_F(WindowTest, ScreenshotOfTheSheetIsAPngFile) {
  std::filesystem::path file = std::filesystem::temp_directory_path() / "platform_sheet_shot.png";
  std::filesystem::remove(file);
  EXPECT_FALSE(SaveScreenshot(sheet, file.string()));
  ASSERT_TRUE(sheet.Create());
  ASSERT_TRUE(SaveScreenshot(sheet, file.string()));
  ASSERT_TRUE(std::filesystem::exists(file));
  std::ifstream in(file, std::ios::binary);
  char magic[4] = {};
  in.read(magic, 4);
  EXPECT_EQ(std::string(magic + 1, 3), "PNG");
  std::filesystem::remove(file);
}

TEST(ScreenshotRunTest, EnvironmentMakesTheSheetShootEachPageThenClose) {
  std::filesystem::path dir = std::filesystem::temp_directory_path() / "platform_shots";
  std::filesystem::remove_all(dir);
  setenv("PLATFORM_SCREENSHOT_DIR", dir.c_str(), 1);
  setenv("PLATFORM_SCREENSHOT_DELAY_MS", "0", 1);
  Log log;
  LoggingPage a("Map", &log), b("List", &log);
  LoggingSheet sheet(&log);
  sheet.AddPage(&a);
  sheet.AddPage(&b);
  int result = sheet.DoModal();
  unsetenv("PLATFORM_SCREENSHOT_DIR");
  unsetenv("PLATFORM_SCREENSHOT_DELAY_MS");
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_TRUE(std::filesystem::exists(dir / "1-Map.png"));
  EXPECT_TRUE(std::filesystem::exists(dir / "2-List.png"));
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace platform::test
