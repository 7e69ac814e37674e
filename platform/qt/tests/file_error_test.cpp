#include <gtest/gtest.h>

#include <cerrno>

#include "platform/file_error.h"
#include "test_pages.h"

namespace platform::test {
namespace {

TEST(FileErrorTest, TextsByCause) {
  struct Case {
    int cause;
    const char* name;
    const char* text;
  };
  const Case cases[] = {
      {EACCES, "ISDNLog", "Access to ISDNLog was denied."},
      {EROFS, "/mnt/ISDNLog", "Access to /mnt/ISDNLog was denied."},
      {ENOSPC, "ISDNLog", "Disk full while accessing ISDNLog."},
      {EDQUOT, "ISDNLog", "Disk full while accessing ISDNLog."},
      {ENOENT, "a/ISDNLog", "a/ISDNLog was not found."},
      {ENOENT, "", "An unnamed file was not found."},
      {EACCES, "", "Access to an unnamed file was denied."},
      {EIO, "ISDNLog", "A hardware I/O error was reported while accessing ISDNLog."},
      {EBUSY, "ISDNLog", "A sharing violation occurred while accessing ISDNLog."},
      {12345, "ISDNLog", "An unexpected error occurred while accessing ISDNLog."},
      {EACCES, "100%1", "Access to 100%1 was denied."},  // the name is not read for "%1" again
  };
  for (const Case& c : cases) EXPECT_EQ(FileErrorText(c.cause, c.name), c.text) << c.cause;
}

TEST(FileErrorTest, ReportShowsAStopBoxWithTheCaption) {
  ScriptedBoxes boxes({IDOK});
  ScopedMessageBoxService scoped(&boxes);
  ReportFileError(ENOSPC, "ISDNLog", "Vintrel");
  ASSERT_EQ(boxes.asked.size(), 1u);
  EXPECT_EQ(boxes.asked[0].text, "Disk full while accessing ISDNLog.");
  EXPECT_EQ(boxes.asked[0].caption, "Vintrel");
  EXPECT_EQ(boxes.asked[0].type, unsigned{MB_OK | MB_ICONSTOP});
}

}  // namespace
}  // namespace platform::test
