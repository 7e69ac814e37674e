// The real `tarvel` started headless: with the data files it shows its sheet;
// without them it refuses to start.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "testsupport.h"

namespace {

namespace fs = std::filesystem;

struct ProgramRun {
  int status = -1;
  std::string out;
  std::string err;
};

std::string ReadAll(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Starts tarvel in `folder` on the offscreen platform, with every serial port
// mapped to no device, and lets it quit by itself after a moment.
ProgramRun RunTarvel(const tarvel_test::TempDir& folder, const std::string& screenshot = "") {
  const std::string config = folder.File("fennick.conf");
  {
    std::ofstream out(config);
    out << "COM1=none\nCOM2=none\nCOM3=none\nCOM4=none\n";
  }
  std::string command = "cd '" + folder.path() + "' && env QT_QPA_PLATFORM=offscreen TARVEL_AUTOQUIT_MS=1500" +
                        " FENNICK_CONFIG='" + config + "'";
  if (!screenshot.empty()) command += " TARVEL_SCREENSHOT='" + screenshot + "'";
  command += " timeout 30 '" TARVEL_EXE "' > out.txt 2> err.txt";
  ProgramRun run;
  const int raw = std::system(command.c_str());
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = ReadAll(folder.File("out.txt"));
  run.err = ReadAll(folder.File("err.txt"));
  return run;
}

TEST(TarvelProgramTest, ShowsItsSheetWithTheMapAndListTabs) {
  tarvel_test::TempDir folder;
  for (int n = 1; n <= 7; ++n) {
    const std::string name = "struct" + std::to_string(n) + ".mpr";
    fs::create_symlink(fs::path(TARVEL_DATA_DIR) / name, folder.File(name));
  }
  const ProgramRun run = RunTarvel(folder, folder.File("sheet.png"));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("sheet: Ostrane\ntab: Map\ntab: List\n"), std::string::npos) << run.out;
  EXPECT_GT(fs::file_size(folder.File("sheet.png")), 1000u);
}

TEST(TarvelProgramTest, RefusesToStartWithoutItsDataFiles) {
  tarvel_test::TempDir folder;
  const ProgramRun run = RunTarvel(folder);
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.err.find("[Ostrane] "), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("struct1.mpr"), std::string::npos) << run.err;
  EXPECT_EQ(run.out.find("sheet:"), std::string::npos) << run.out;
}

}  // namespace
