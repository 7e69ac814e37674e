// The sheet's probing run as the List page shows it: the "Modem" label and
// the messages of discovery, with a scripted detect_port.
#include <gtest/gtest.h>

#include <platform/application.h>
#include <probestate.h>
#include <tarvelapp.h>
#include <tarveltexts.h>

#include "uitestsupport.h"

namespace tarvel_ui_test {
namespace {

TEST(TarvelPortLabelTest, ShowsTheFoundPortCountedFromOne) {
  const std::pair<int, std::string> cases[] = {{0, "COM1"}, {3, "COM4"}};
  for (const auto& [port, label] : cases) {
    OpenSheet open(port);
    open.ShowListPage();
    EXPECT_EQ(open.PortLabel(), label);
    EXPECT_EQ(theApp.m_nModemPort, port);
  }
}

TEST(TarvelPortLabelTest, SaysSearchingWhileDiscoveryRunsAndShowsThePortOnceFound) {
  OpenSheet open(2, /*holdDetect=*/true);
  open.ShowListPage();
  EXPECT_EQ(open.PortLabel(), "Searching...");
  open.detect.Release();
  ASSERT_TRUE(open.WaitForProbeDone());
  EXPECT_EQ(open.PortLabel(), "COM3");
}

// Answers Retry to the first box, holding the next run's calls so that the
// label can be seen while it searches; Cancel afterwards.
class RetryOnce : public platform::MessageBoxService {
 public:
  explicit RetryOnce(ScriptedDetect& detect) : detect_(detect) {}
  int Show(const platform::MessageBoxRequest& request) override {
    texts.push_back(request.text);
    if (texts.size() > 1) return platform::IDCANCEL;
    detect_.Hold();
    return platform::IDRETRY;
  }
  std::vector<std::string> texts;

 private:
  ScriptedDetect& detect_;
};

TEST(TarvelPortLabelTest, SaysNotFoundAfterNoModemAnsweredAndSearchingAgainOnRetry) {
  OpenSheet open(-1, /*holdDetect=*/true);
  RetryOnce boxes(open.detect);
  platform::ScopedMessageBoxService service(&boxes);
  open.ShowListPage();
  open.detect.Release();
  ASSERT_TRUE(platform::ProcessEventsUntil([&] { return boxes.texts.size() == 1 && g_bProbeDone == 0; }, 5000));
  EXPECT_EQ(boxes.texts[0], tarvel_text::kModemNotFound);
  EXPECT_EQ(open.PortLabel(), "Searching...");  // Retry started a new run

  open.detect.Release();
  ASSERT_TRUE(platform::ProcessEventsUntil([&] { return boxes.texts.size() == 2; }, 5000));
  EXPECT_EQ(open.PortLabel(), "Not found");
  EXPECT_EQ(open.process.quitCodes, (std::vector<int>{0}));  // Cancel ends the program
}

TEST(TarvelPortLabelTest, ProgrammingBeforeAPortIsKnownOffersRetryAndCancelEndsTheProgram) {
  OpenSheet open(2, /*holdDetect=*/true);
  open.RegionCombo().UserSelect(0);
  open.boxes.answers = {platform::IDRETRY, platform::IDCANCEL};
  open.View().SimulateDoubleClick(kAland.x, kAland.y);
  EXPECT_TRUE(open.process.quitCodes.empty());
  EXPECT_TRUE(theApp.m_bPending);  // Retry: still pending
  open.View().SimulateDoubleClick(kAland.x, kAland.y);
  EXPECT_EQ(open.BoxTexts(), (std::vector<std::string>{tarvel_text::kSearchingForModem,
                                                       tarvel_text::kSearchingForModem}));
  EXPECT_EQ(open.process.quitCodes, (std::vector<int>{0}));
  EXPECT_TRUE(FakeModemLibrary::calls.empty());
}

// Cancel in the box that OK or Apply raises on the Map page ends the program:
// the List page's Apply handling that follows asks nothing more.
TEST(TarvelPortLabelTest, CancelWhileApplyingBeforeAPortIsKnownAsksOnce) {
  for (int button : {platform::ID_APPLY_NOW, platform::ID_SHEET_OK}) {
    OpenSheet open(2, /*holdDetect=*/true);
    open.RegionList().UserClick(0);
    open.CountryList().UserClick(0);
    open.boxes.answers = {platform::IDCANCEL, platform::IDRETRY};
    open.sheet->PressButton(button);
    EXPECT_EQ(open.BoxTexts(), (std::vector<std::string>{tarvel_text::kSearchingForModem})) << button;
    EXPECT_EQ(open.process.quitCodes, (std::vector<int>{0})) << button;
    EXPECT_TRUE(FakeModemLibrary::calls.empty());
  }
}

TEST(TarvelPortLabelTest, AProbeThatOutlivesTheWatchIsRecordedAndTheUserWarned) {
  OpenSheet open(-1, /*holdDetect=*/true, /*timeLimitMs=*/30);
  ASSERT_TRUE(platform::ProcessEventsUntil([&] { return !open.boxes.shown.empty(); }, 5000));
  EXPECT_EQ(open.BoxTexts(), (std::vector<std::string>{tarvel_text::kCommDriverFailed}));
  EXPECT_EQ(open.boxes.shown[0].caption, "Ostrane");
  // COM4 is asked first, and is the port held.
  EXPECT_EQ(open.folder.Read("tarvel.cfg"), "COM1=1\r\nCOM2=1\r\nCOM3=1\r\nCOM4=0\r\n");
}

}  // namespace
}  // namespace tarvel_ui_test
