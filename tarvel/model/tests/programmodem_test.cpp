#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "codeblock.h"
#include "recordingsheet.h"
#include "tarvelapp.h"
#include "testsupport.h"

namespace {

using platform::Cursor;
using Calls = std::vector<std::string>;

// The modem library as the test scripts it.
struct LibraryCall {
  int port;
  std::array<int, 4> codes;
  int flag;
  Cursor cursor;  // what the user saw during the call
};
std::vector<LibraryCall> g_calls;
int g_result = 0;
tarvel_test::RecordingCursor* g_cursor = nullptr;

int ScriptedSetCountryCode(int port, int* codes, int flag) {
  g_calls.push_back({port, {codes[0], codes[1], codes[2], codes[3]}, flag, g_cursor->current});
  return g_result;
}

// Region 1 holds countries with the stored codes of the cases below.
class ProgramModem : public ::testing::Test {
 protected:
  void SetUp() override {
    g_calls.clear();
    g_result = 0;
    g_cursor = &cursor;
    previousLibrary = CTarvelApp::SetModemLibrary(&ScriptedSetCountryCode);
    CTarvelApp& a = *app;
    a.m_itemCount[1] = 10;
    const std::array<std::uint8_t, 9> codes = {0, 22, 20, 43, 3, 5, 50, 26, 1};
    for (std::size_t i = 0; i < codes.size(); ++i) {
      a.m_items[1][i + 1].modemCode = codes[i];
      a.m_items[1][i + 1].name = "Country" + std::to_string(i + 1);
    }
    a.StartSelection();
    a.m_nModemPort = 2;
    CTarvelApp::SetSheet(&sheet);
    app->SelectRegion(1);
  }
  void TearDown() override {
    CTarvelApp::SetSheet(nullptr);
    CTarvelApp::SetModemLibrary(previousLibrary);
    g_cursor = nullptr;
  }

  void Choose(int country) {
    app->SelectCountry(country);
    sheet.Clear();
  }

  std::unique_ptr<CTarvelApp> app = std::make_unique<CTarvelApp>();
  tarvel_test::RecordingSheet sheet;
  tarvel_test::ScriptedBoxes boxes;
  tarvel_test::RecordingCursor cursor;
  tarvel_test::RecordingProcess process;
  platform::ScopedMessageBoxService boxService{&boxes};
  platform::ScopedCursorService cursorService{&cursor};
  platform::ScopedProcessService processService{&process};
  CTarvelApp::ModemLibraryFn previousLibrary = nullptr;
};

TEST_F(ProgramModem, SendsTheCodeBlockAndFlagForTheStoredCode) {
  const struct {
    int country;
    int stored;
    std::array<int, 4> block;
    int flag;
  } cases[] = {
      {1, 0, {22, 22, 22, 0}, 1},  // 0 goes out as 22, with the flag of a stored 0
      {2, 22, {22, 22, 22, 0}, 0},
      {3, 20, {20, 22, 22, 0}, 0},
      {4, 43, {43, 22, 22, 0}, 0},
      {5, 3, {3, 14, 22, 0}, 1},
      {6, 5, {5, 22, 22, 0}, 1},   // table entry 0
      {7, 50, {50, 16, 22, 0}, 1}, // the table's last entry
      {8, 26, {26, 19, 22, 0}, 1},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(app->m_items[1][c.country].modemCode, c.stored);
    Choose(c.country);
    g_calls.clear();
    app->ProgramModem();
    ASSERT_EQ(g_calls.size(), 1u) << c.stored;
    EXPECT_EQ(g_calls[0].port, 2);
    EXPECT_EQ(g_calls[0].codes, c.block) << c.stored;
    EXPECT_EQ(g_calls[0].flag, c.flag) << c.stored;
  }
}

TEST(CodeBlock, StaysInsideTheSecondCodeTable) {
  EXPECT_EQ(SECOND_CODE.size(), 51u);
  for (unsigned code : {51u, 99u, 255u}) {
    const CodeBlock block = CodeBlock::For(static_cast<std::uint8_t>(code));
    EXPECT_EQ(block.codes, (std::array<int, 4>{static_cast<int>(code), 22, 22, 0}));
    EXPECT_EQ(block.flag, 1);
  }
}

TEST_F(ProgramModem, SuccessShowsTheNameAndMakesThePairProgrammed) {
  Choose(5);
  EXPECT_TRUE(app->ProgramModem());
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "Modem successfully reset \nfor Country5.");
  EXPECT_EQ(boxes.shown[0].caption, "Ostrane");
  EXPECT_EQ(boxes.shown[0].type, platform::MB_OK | platform::MB_ICONINFORMATION);
  EXPECT_EQ(app->m_nProgRegion, 1);
  EXPECT_EQ(app->m_nProgCountry, 5);
  EXPECT_FALSE(app->m_bPending);
  EXPECT_FALSE(sheet.modified);
  EXPECT_EQ(sheet.map.calls, (Calls{"current Country5"}));
  EXPECT_EQ(sheet.list.calls, (Calls{"current Country5"}));

  // The wait cursor is shown for the call and the one it replaced comes back.
  ASSERT_EQ(g_calls.size(), 1u);
  EXPECT_EQ(g_calls[0].cursor, Cursor::Wait);
  EXPECT_EQ(cursor.current, Cursor::Arrow);

  // The programmed country chosen again is not pending and is not sent again.
  Choose(5);
  app->ProgramModem();
  EXPECT_EQ(g_calls.size(), 1u);
  EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST_F(ProgramModem, NothingPendingShowsNothingAndCallsNothing) {
  app->ProgramModem();
  EXPECT_TRUE(g_calls.empty());
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_TRUE(cursor.history.empty());
}

TEST_F(ProgramModem, FailureKeepsTheChoicePendingAndApplyAsItWas) {
  Choose(5);
  g_result = -1;
  app->ProgramModem();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "Modem reset FAILED.\nEvaluate using a terminal program.");
  EXPECT_EQ(boxes.shown[0].caption, "Ostrane");
  EXPECT_EQ(boxes.shown[0].type, platform::MB_OK);
  EXPECT_TRUE(app->m_bPending);
  EXPECT_TRUE(sheet.modifiedCalls.empty());
  EXPECT_TRUE(sheet.modified);
  EXPECT_EQ(app->m_nProgRegion, 0);
  EXPECT_EQ(app->m_nProgCountry, 0);
  EXPECT_TRUE(sheet.map.calls.empty());
  EXPECT_EQ(cursor.current, Cursor::Arrow);

  // Any result other than -1 is success: a second try programs it.
  g_result = 7;
  app->ProgramModem();
  EXPECT_EQ(g_calls.size(), 2u);
  EXPECT_FALSE(app->m_bPending);
}

TEST_F(ProgramModem, NoPortKnownOffersRetryAndCancelQuits) {
  const struct {
    int answer;
    bool quits;
  } cases[] = {{platform::IDRETRY, false}, {platform::IDCANCEL, true}, {platform::IDFAILED, true}};
  for (const auto& c : cases) {
    app->StartSelection();  // no port known
    app->SelectRegion(1);
    Choose(5);
    boxes.shown.clear();
    process.quitCodes.clear();
    boxes.answers = {c.answer, c.answer};
    app->ProgramModem();
    // The next page's Apply handling runs before the sheet closes: once the
    // user has chosen to end the program, it asks nothing more.
    app->ProgramModem();
    ASSERT_EQ(boxes.shown.size(), c.quits ? 1u : 2u) << c.answer;
    EXPECT_EQ(boxes.shown[0].text, "Unable to reset the modem.\nCurrently searching for a Sorvan Modem.\n");
    EXPECT_EQ(boxes.shown[0].caption, "Ostrane");
    EXPECT_EQ(boxes.shown[0].type, platform::MB_RETRYCANCEL);
    EXPECT_EQ(process.quitCodes.size(), c.quits ? 1u : 0u) << c.answer;
    EXPECT_TRUE(g_calls.empty());
    EXPECT_TRUE(app->m_bPending);
    EXPECT_TRUE(sheet.modifiedCalls.empty());
    EXPECT_EQ(cursor.current, Cursor::Arrow);
  }
}

}  // namespace
