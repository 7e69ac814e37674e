// Starts the real program on the offscreen platform, with message boxes
// written to stderr instead of shown (PLATFORM_UNATTENDED).
#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "simulator_process.h"

namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status = -1;  // exit status, -1 when it did not end by itself
  std::string output;
};

// Runs bin/vintrel with these variables added to the environment; kills it
// after timeoutMs.
Outcome RunVintrel(const std::map<std::string, std::string>& environment, const fs::path& folder,
                   int timeoutMs = 15000) {
  const fs::path program = fs::read_symlink("/proc/self/exe").parent_path() / "vintrel";
  const fs::path outputFile = folder / "output.txt";
  const pid_t pid = fork();
  if (pid == 0) {
    for (const auto& [name, value] : environment) setenv(name.c_str(), value.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("PLATFORM_UNATTENDED", "1", 1);
    const int fd = open(outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(fd, 1);
    dup2(fd, 2);
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  Outcome outcome;
  int status = 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (waitpid(pid, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      status = -1;
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  if (status != -1 && WIFEXITED(status)) outcome.status = WEXITSTATUS(status);
  std::ifstream in(outputFile);
  outcome.output.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return outcome;
}

fs::path SampleRegistry() { return fs::path(VINTREL_RES_DIR) / "simulated-adapter.reg"; }

class StartupTest : public testing::Test {
 protected:
  StartupTest() {
    char pattern[] = "/tmp/vintrel-start-XXXXXX";
    folder = mkdtemp(pattern);
  }
  ~StartupTest() override { fs::remove_all(folder); }
  fs::path folder;
};

TEST_F(StartupTest, WithoutAdapterSaysNoIsdnDeviceAndEndsWithStatus0) {
  const Outcome run = RunVintrel(
      {{"ISDN_SIM_SOCKET", (folder / "nobody.sock").string()}, {"PLATFORM_REGISTRY", SampleRegistry().string()}},
      folder);
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("Vintrel: No ISDN Device Installed\n"), std::string::npos) << run.output;
}

TEST_F(StartupTest, AdapterMissingFromRegistryGivesTheRegistryErrorAndStatusMinus1) {
  isdn::testing::SimulatorProcess sim;
  ASSERT_TRUE(sim.Running()) << sim.Error();
  std::ofstream(folder / "other.reg") << "REGEDIT4\n\n"
                                         "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Class\\"
                                         "{4D36E972-E325-11CE-BFC1-08002BE10318}\\0000]\n"
                                         "\"DeviceName\"=\"Pondrel 2000\"\n";  // no trailing blank: not the adapter
  const Outcome run = RunVintrel({{"PLATFORM_REGISTRY", (folder / "other.reg").string()}}, folder);
  EXPECT_EQ(run.status, 255) << run.output;
  EXPECT_NE(run.output.find("Vintrel: An error occurred while accessing the Windows Registry.\n"
                            "The Registry is corrupt or the Driver is not installed properly\n"
                            "[Pondrel 2000 ]\n"),
            std::string::npos)
      << run.output;
}

TEST_F(StartupTest, RunsWithTheSimulatorAndShowsEveryPage) {
  isdn::testing::SimulatorProcess sim({.config = "start_active = yes\n", .reportIntervalMs = 50});
  ASSERT_TRUE(sim.Running()) << sim.Error();
  const Outcome run = RunVintrel({{"PLATFORM_REGISTRY", SampleRegistry().string()},
                                  {"PLATFORM_SCREENSHOT_DIR", folder.string()},
                                  {"PLATFORM_SCREENSHOT_DELAY_MS", "300"}},
                                 folder);
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(run.output.find("Vintrel:"), std::string::npos) << run.output;  // no box
  for (const char* shot : {"1-Diagnostics.png", "2-Statistics.png", "3-Logging.png"})
    EXPECT_TRUE(fs::exists(folder / shot)) << shot << "\n" << run.output;
}

}  // namespace
