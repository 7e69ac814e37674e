#include "fennick/testing/emulator_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <stdexcept>
#include <thread>

#include "temporary_folder.h"

namespace fennick::testing {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kStartLimit = std::chrono::seconds(5);
constexpr auto kStopLimit = std::chrono::seconds(2);

// Waits for the child until `limit`; true when it has been reaped.
bool WaitFor(pid_t pid, std::chrono::milliseconds limit) {
  const auto deadline = Clock::now() + limit;
  for (;;) {
    const pid_t r = waitpid(pid, nullptr, WNOHANG);
    if (r == pid || (r < 0 && errno != EINTR)) return true;
    if (Clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

}  // namespace

std::string EmulatorProcess::ExecutablePath() { return FENNICK_EMULATOR_PATH; }

EmulatorProcess::EmulatorProcess(const std::vector<std::string>& args) {
  folder_ = MakeTemporaryFolder("fennick-emulator");
  linkPath_ = folder_ + "/modem";
  statePath_ = folder_ + "/country";

  std::vector<std::string> all{ExecutablePath(), "--link", linkPath_, "--state", statePath_};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);

  int pipeFds[2];
  if (pipe2(pipeFds, O_CLOEXEC) != 0) {
    ::rmdir(folder_.c_str());
    throw std::runtime_error("pipe failed");
  }
  const pid_t parent = getpid();
  pid_ = fork();
  if (pid_ == 0) {
    // Only async-signal-safe calls between fork and exec.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != parent) _exit(127);
    dup2(pipeFds[1], STDOUT_FILENO);
    execv(argv[0], argv.data());
    _exit(127);
  }
  ::close(pipeFds[1]);
  output_ = pipeFds[0];
  if (pid_ < 0) {
    ::close(output_);
    ::rmdir(folder_.c_str());
    throw std::runtime_error("fork failed");
  }

  // The emulator prints its terminal's path once the link is in place.
  std::string line;
  const auto deadline = Clock::now() + kStartLimit;
  while (line.find('\n') == std::string::npos) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    pollfd p{output_, POLLIN, 0};
    char buffer[256];
    ssize_t n = 0;
    if (left > 0 && poll(&p, 1, static_cast<int>(left)) > 0) n = ::read(output_, buffer, sizeof buffer);
    if (n <= 0) {
      Stop();
      throw std::runtime_error("fennick-emulator did not start (" + ExecutablePath() + ")");
    }
    line.append(buffer, static_cast<std::size_t>(n));
  }
  terminalPath_ = line.substr(0, line.find('\n'));
}

EmulatorProcess::~EmulatorProcess() { Stop(); }

void EmulatorProcess::Stop() {
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    if (!WaitFor(pid_, kStopLimit)) {
      kill(pid_, SIGKILL);
      WaitFor(pid_, kStopLimit);
    }
    pid_ = -1;
  }
  if (output_ >= 0) ::close(output_);
  output_ = -1;
  ::unlink(statePath_.c_str());
  ::unlink((statePath_ + ".tmp").c_str());
  ::unlink(linkPath_.c_str());  // normally gone already: the emulator removes it
  ::rmdir(folder_.c_str());
}

std::string EmulatorProcess::StoredCountry() const {
  std::ifstream file(statePath_);
  std::string code;
  file >> code;
  return code;
}

}  // namespace fennick::testing
