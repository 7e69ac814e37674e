#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "log/eventlog.h"
#include "res/resource.h"
#include "uitestsupport.h"

namespace {

using Texts = std::vector<std::string>;

class LoggingSaveTest : public SheetTest {
 protected:
  LoggingSaveTest() {
    char pattern[] = "/tmp/vintrel-save-XXXXXX";
    folder = mkdtemp(pattern);
  }
  ~LoggingSaveTest() override {
    chmod(folder.c_str(), 0700);
    std::filesystem::remove_all(folder);
  }

  // Shows the Logging page and presses Save, answering the dialog with `path`.
  void SaveTo(const std::optional<std::string>& path) {
    OpenSheet();
    Sheet().SetActivePage(2);
    saveDialog.answer = path;
    Sheet().LoggingPage().GetButton(IDC_SAVE)->UserClick();
  }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  // The file's lines without their time stamps; every line must end in one 0x0A.
  static Texts LinesOf(const std::string& bytes) {
    Texts lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1)
      lines.push_back(WithoutStamp(bytes.substr(start, end - start)));
    EXPECT_EQ(start, bytes.size()) << "text after the last line feed";
    EXPECT_EQ(bytes.find('\r'), std::string::npos);
    return lines;
  }

  std::string folder;
};

TEST_F(LoggingSaveTest, OffersISDNLogAndWritesAnEmptyLogAsAnEmptyFile) {
  const std::string path = folder + "/ISDNLog";
  SaveTo(path);
  ASSERT_EQ(saveDialog.asked.size(), 1u);
  EXPECT_EQ(saveDialog.asked[0].initialName, "ISDNLog");
  EXPECT_TRUE(saveDialog.asked[0].confirmReplace);
  EXPECT_TRUE(std::filesystem::exists(path));
  EXPECT_EQ(std::filesystem::file_size(path), 0u);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(LoggingSaveTest, WritesStoredLinesOldestFirstEachEndedByOneLineFeed) {
  const std::string path = folder + "/ISDNLog";
  {
    std::ofstream old(path);
    old << "an older and much longer file that the save replaces\n";
  }
  EventLog.Append("TAPI : CONNECTED on Line 1");
  EventLog.Append("second");
  EventLog.Append("TAPI : DISCONNECT on Line 1");
  SaveTo(path);
  const std::string bytes = Read(path);
  EXPECT_EQ(LinesOf(bytes), (Texts{"TAPI : CONNECTED on Line 1", "second", "TAPI : DISCONNECT on Line 1"}));
  EXPECT_EQ(bytes.size(), 3 * 10 + 26 + 6 + 27 + 3u);
}

TEST_F(LoggingSaveTest, AfterMoreThan999AppendsWritesThe999StoredLines) {
  for (int i = 1; i <= 1010; ++i) EventLog.Append(("line " + std::to_string(i)).c_str());
  const std::string path = folder + "/ISDNLog";
  SaveTo(path);
  const Texts lines = LinesOf(Read(path));
  ASSERT_EQ(lines.size(), 999u);
  EXPECT_EQ(lines.front(), "line 12");
  EXPECT_EQ(lines.back(), "line 1010");
}

TEST_F(LoggingSaveTest, LinesArrivingWhileTheDialogIsOpenAreSavedToo) {
  EventLog.Append("before");
  saveDialog.whileOpen = [] { EventLog.Append("while the dialog is open"); };
  const std::string path = folder + "/ISDNLog";
  SaveTo(path);
  EXPECT_EQ(LinesOf(Read(path)), (Texts{"before", "while the dialog is open"}));
}

TEST_F(LoggingSaveTest, CancelWritesNothing) {
  EventLog.Append("kept");
  SaveTo(std::nullopt);
  EXPECT_TRUE(std::filesystem::is_empty(folder));
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(LoggingSaveTest, FailuresShowTheFileErrorAndLoseNothing) {
  // An unwritable folder; the superuser writes anywhere, but not into /sys.
  ASSERT_EQ(chmod(folder.c_str(), 0500), 0);
  std::string unwritable = folder + "/ISDNLog";
  if (geteuid() == 0) unwritable = "/sys/ISDNLog";
  struct Case {
    std::string path;
    std::string text;
  };
  const Case cases[] = {
      {unwritable, "Access to " + unwritable + " was denied."},
      {"/dev/full", "Disk full while accessing /dev/full."},
      {folder + "/missing/ISDNLog", folder + "/missing/ISDNLog was not found."},
  };
  for (int i = 1; i <= 3; ++i) EventLog.Append(("line " + std::to_string(i)).c_str());
  OpenSheet();
  Sheet().SetActivePage(2);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    boxes.shown.clear();
    saveDialog.answer = c.path;
    Sheet().LoggingPage().GetButton(IDC_SAVE)->UserClick();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, c.text);
    EXPECT_EQ(boxes.shown[0].caption, "Vintrel");
    EXPECT_EQ(boxes.shown[0].type, platform::MB_OK | platform::MB_ICONSTOP);
    EXPECT_EQ(StoredTexts(), (Texts{"line 1", "line 2", "line 3"}));
    EXPECT_EQ(ListTexts(), (Texts{"line 3", "line 2", "line 1"}));
  }
  // A named pipe that nobody reads: refused at once, the window never waits on it.
  const std::string pipe = folder + "/pipe";
  ASSERT_EQ(chmod(folder.c_str(), 0700), 0);
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  boxes.shown.clear();
  saveDialog.answer = pipe;
  alarm(10);  // a hang ends the test run instead of stalling it
  Sheet().LoggingPage().GetButton(IDC_SAVE)->UserClick();
  alarm(0);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_NE(boxes.shown[0].text.find(pipe), std::string::npos);
  EXPECT_EQ(StoredTexts(), (Texts{"line 1", "line 2", "line 3"}));

  // And a save that works afterwards has everything.
  saveDialog.answer = folder + "/ISDNLog";
  Sheet().LoggingPage().GetButton(IDC_SAVE)->UserClick();
  EXPECT_EQ(LinesOf(Read(folder + "/ISDNLog")), (Texts{"line 1", "line 2", "line 3"}));
}

}  // namespace
