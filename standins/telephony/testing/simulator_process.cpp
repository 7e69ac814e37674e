#include "simulator_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "unix_socket.h"

extern char** environ;

namespace isdn::testing {
namespace {

using Clock = std::chrono::steady_clock;

pid_t Spawn(const std::string& program, const std::vector<std::string>& arguments, int outputFd) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, outputFd, 1);
  posix_spawn_file_actions_adddup2(&actions, outputFd, 2);
  pid_t pid = -1;
  const int failed = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  return failed ? -1 : pid;
}

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

}  // namespace

std::string SimulatorProcess::ProgramDirectory() {
  char path[4096];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return ".";
  std::string text(path, static_cast<std::size_t>(n));
  return text.substr(0, text.rfind('/'));
}

SimulatorProcess::SimulatorProcess(SimulatorOptions options) {
  char pattern[] = "/tmp/isdnsim-XXXXXX";
  if (mkdtemp(pattern) == nullptr) {
    error_ = "cannot make a temporary folder";
    return;
  }
  directory_ = pattern;
  socketPath_ = directory_ + "/sock";
  const std::string configPath = directory_ + "/adapter.conf";
  std::ofstream(configPath) << options.config;

  const int output = open((directory_ + "/output.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  std::vector<std::string> arguments{"--config", configPath, "--socket", socketPath_};
  if (options.reportIntervalMs > 0) {
    arguments.insert(arguments.end(), {"--report-interval", std::to_string(options.reportIntervalMs)});
  }
  pid_ = Spawn(ProgramDirectory() + "/isdn-simulator", arguments, output);
  close(output);
  if (pid_ <= 0) {
    error_ = "cannot start " + ProgramDirectory() + "/isdn-simulator";
    pid_ = -1;
    return;
  }
  const auto deadline = Clock::now() + std::chrono::milliseconds(options.startTimeoutMs);
  for (;;) {
    const int fd = wire::ConnectUnix(socketPath_);
    if (fd >= 0) {
      close(fd);
      break;
    }
    int status;
    if (waitpid(pid_, &status, WNOHANG) == pid_ || Clock::now() > deadline) {
      if (Clock::now() > deadline) Kill();
      pid_ = -1;
      error_ = "the simulator did not start listening: " + Output();
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  if (options.exportSocket) {
    if (const char* previous = std::getenv("ISDN_SIM_SOCKET")) previousSocket_ = previous;
    setenv("ISDN_SIM_SOCKET", socketPath_.c_str(), 1);
    exported_ = true;
  }
}

SimulatorProcess::~SimulatorProcess() {
  Kill();
  if (exported_) {
    if (previousSocket_) {
      setenv("ISDN_SIM_SOCKET", previousSocket_->c_str(), 1);
    } else {
      unsetenv("ISDN_SIM_SOCKET");
    }
  }
  if (!directory_.empty()) {
    for (const char* name : {"/sock", "/adapter.conf", "/output.txt", "/tool.txt"}) {
      unlink((directory_ + name).c_str());
    }
    rmdir(directory_.c_str());
  }
}

bool SimulatorProcess::Running() {
  int status;
  if (pid_ > 0 && waitpid(pid_, &status, WNOHANG) == pid_) pid_ = -1;
  return pid_ > 0;
}

std::string SimulatorProcess::Output() const { return ReadFile(directory_ + "/output.txt"); }

int SimulatorProcess::Tool(const std::vector<std::string>& arguments, std::string* output) const {
  std::vector<std::string> all{"--socket", socketPath_};
  all.insert(all.end(), arguments.begin(), arguments.end());
  const std::string outputPath = directory_ + "/tool.txt";
  const int fd = open(outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  const pid_t pid = Spawn(ProgramDirectory() + "/isdn-sim", all, fd);
  close(fd);
  if (pid <= 0) return -1;
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
  }
  if (output != nullptr) *output = ReadFile(outputPath);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool SimulatorProcess::WaitForExit(int timeoutMs) {
  if (pid_ <= 0) return true;
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  int status;
  while (waitpid(pid_, &status, WNOHANG) != pid_) {
    if (Clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  pid_ = -1;
  return true;
}

bool SimulatorProcess::Stop(int timeoutMs) {
  if (pid_ <= 0) return true;
  kill(pid_, SIGTERM);
  return WaitForExit(timeoutMs);
}

void SimulatorProcess::Kill() {
  if (pid_ <= 0) return;
  kill(pid_, SIGKILL);
  WaitForExit(5000);
}

}  // namespace isdn::testing
