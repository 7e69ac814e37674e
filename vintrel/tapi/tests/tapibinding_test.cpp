#include "tapibinding.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr std::int32_t kUnavailable = tapi::LINEERR_OPERATIONUNAVAIL;

void DummyCallback(std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t) {}

// Calls each of the eight functions with fixed arguments and returns their results.
std::vector<std::int32_t> CallAllEight() {
  std::uint32_t app = 0, devices = 0, version = 0, line = 0;
  unsigned char buffer[16] = {};
  return {
      tapi::lineClose(1),
      tapi::lineDevSpecific(1, 0, 0, buffer, 8),
      tapi::lineGetDevCaps(1, 0, 0x10004, 0, buffer),
      tapi::lineGetLineDevStatus(1, buffer),
      tapi::lineInitialize(&app, nullptr, DummyCallback, "Lumvaric", &devices),
      tapi::lineNegotiateAPIVersion(1, 0, 0x10003, 0x10004, &version, buffer),
      tapi::lineOpen(1, 0, &line, 0x10004, 0, 0, 2, 0, nullptr),
      tapi::lineSetStatusMessages(1, 0x40C, 0),
  };
}

std::filesystem::path BinFolder() { return std::filesystem::read_symlink("/proc/self/exe").parent_path(); }

class TapiBinding : public testing::Test {
 protected:
  void TearDown() override { tapi::ResetTapiBinding(); }
};

TEST_F(TapiBinding, MissingLibraryFailsEveryCallAndIsNeverLoadedAgain) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("tapibinding-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const std::filesystem::path library = folder / "libtapi-late.so";
  tapi::ResetTapiBinding(library.c_str());

  EXPECT_EQ(tapi::lineInitialize(nullptr, nullptr, nullptr, "Lumvaric", nullptr), kUnavailable);
  EXPECT_EQ(tapi::TapiModule, tapi::kNotAvailable);

  // The library appears after the first attempt: it is not looked for again.
  std::filesystem::copy_file(BinFolder() / "libtapitest_full.so", library);
  EXPECT_EQ(CallAllEight(), std::vector<std::int32_t>(8, kUnavailable));
  EXPECT_EQ(tapi::lineClose(1), kUnavailable);

  // A fresh binding finds it, so the failures above came from the remembered first attempt.
  tapi::ResetTapiBinding(library.c_str());
  EXPECT_EQ(tapi::lineClose(1), 0);
  std::filesystem::remove_all(folder);
}

TEST_F(TapiBinding, MissingEntryPointFailsOnlyThatCallEveryTime) {
  tapi::ResetTapiBinding("TAPITEST_NOSTATUS.DLL");
  std::vector<std::int32_t> expected(8, 0);
  expected[3] = kUnavailable;  // lineGetLineDevStatus
  EXPECT_EQ(CallAllEight(), expected);
  EXPECT_EQ(CallAllEight(), expected);

  void* slot = nullptr;
  EXPECT_EQ(tapi::LoadTapiProc("lineGetLineDevStatus", &slot), kUnavailable);
  EXPECT_EQ(slot, nullptr);
  EXPECT_EQ(tapi::LoadTapiProc("lineOpen", &slot), 0);
  EXPECT_NE(slot, nullptr);
}

// With every entry point the library's result and arguments pass through unchanged.
TEST_F(TapiBinding, ResultsAndArgumentsPassThroughUnchanged) {
  tapi::ResetTapiBinding("TAPITEST_FULL.DLL");
  platform::LibraryHandle library = platform::LoadLibrary("TAPITEST_FULL.DLL");
  ASSERT_NE(library, nullptr);
  auto setResult = reinterpret_cast<void (*)(std::int32_t)>(platform::GetProcAddress(library, "tapitest_set_result"));
  auto journal = reinterpret_cast<const char* (*)()>(platform::GetProcAddress(library, "tapitest_journal"));
  ASSERT_TRUE(setResult && journal);

  std::uint32_t app = 0, devices = 0, version = 0, line = 0;
  unsigned char block[16] = {};
  auto text = [](const char* format, auto... args) {
    char out[256];
    std::snprintf(out, sizeof out, format, args...);
    return std::string(out);
  };
  struct Case {
    std::int32_t result;
    std::function<std::int32_t()> call;
    std::string journal;
  };
  const Case cases[] = {
      {0, [&] { return tapi::lineClose(0x10001); }, "lineClose 65537"},
      {0x1234, [&] { return tapi::lineDevSpecific(7, 0, 0, block, 8); },
       text("lineDevSpecific 7 0 0 %p 8", static_cast<void*>(block))},
      {tapi::LINEERR_NOMEM, [&] { return tapi::lineGetDevCaps(77, 3, 0x10004, 0, block); },
       text("lineGetDevCaps 77 3 65540 0 %p", static_cast<void*>(block))},
      {tapi::LINEERR_STRUCTURETOOSMALL, [&] { return tapi::lineGetLineDevStatus(9, block); },
       text("lineGetLineDevStatus 9 %p", static_cast<void*>(block))},
      {tapi::LINEERR_REINIT, [&] { return tapi::lineInitialize(&app, nullptr, DummyCallback, "Lumvaric", &devices); },
       text("lineInitialize %p (nil) %p Lumvaric %p", static_cast<void*>(&app),
            reinterpret_cast<void*>(&DummyCallback), static_cast<void*>(&devices))},
      {0, [&] { return tapi::lineNegotiateAPIVersion(77, 1, 0x10003, 0x10004, &version, block); },
       text("lineNegotiateAPIVersion 77 1 65539 65540 %p %p", static_cast<void*>(&version), static_cast<void*>(block))},
      {tapi::LINEERR_OPERATIONFAILED, [&] { return tapi::lineOpen(77, 1, &line, 0x10004, 0, 5, 2, 0, nullptr); },
       text("lineOpen 77 1 %p 65540 0 5 2 0 (nil)", static_cast<void*>(&line))},
      {0, [&] { return tapi::lineSetStatusMessages(9, 0x2040C, 0); }, "lineSetStatusMessages 9 132108 0"},
  };
  for (const Case& c : cases) {
    setResult(c.result);
    EXPECT_EQ(c.call(), c.result) << c.journal;
    EXPECT_EQ(journal(), c.journal);
  }
  EXPECT_EQ(app, 77u);
  EXPECT_EQ(devices, 2u);
}

}  // namespace
