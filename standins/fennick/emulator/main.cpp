// fennick-emulator: a Hayes-style modem on a pseudo-terminal, for tests and
// demonstrations of the modem library. See the README beside this folder.
#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "emulator_settings.h"
#include "modem_emulator.h"
#include "profile_table.h"
#include "pty_device.h"

namespace {

// Writes the code through a temporary file and a rename, so that a reader
// never sees a half-written file.
void StoreCountry(const std::string& path, unsigned country) {
  if (path.empty()) return;
  const std::string temporary = path + ".tmp";
  {
    std::ofstream file(temporary, std::ios::trunc);
    file << fennick::HexCode(country) << "\n";
    if (!file) {
      std::fprintf(stderr, "fennick-emulator: cannot write %s\n", temporary.c_str());
      return;
    }
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::fprintf(stderr, "fennick-emulator: cannot replace %s\n", path.c_str());
  }
}

// Sends the modem's output. With nobody reading the terminal its buffer fills
// up; what does not fit is lost, as on a serial line with nothing attached.
void Send(int fd, const std::string& data) {
  std::size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      return;
    }
  }
}

int Run(const fennick::EmulatorOptions& options) {
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGTERM);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGHUP);
  sigprocmask(SIG_BLOCK, &stopSignals, nullptr);
  const int signalFd = signalfd(-1, &stopSignals, SFD_CLOEXEC);
  if (signalFd < 0) {
    std::perror("fennick-emulator: signalfd");
    return 1;
  }

  std::string error;
  auto pty = fennick::PtyDevice::Create(error);
  if (!pty || (!options.linkPath.empty() && !pty->Link(options.linkPath, error))) {
    std::fprintf(stderr, "fennick-emulator: %s\n", error.c_str());
    close(signalFd);
    return 1;
  }

  fennick::ModemEmulator modem(options.settings);
  unsigned stored = modem.Country();
  StoreCountry(options.statePath, stored);

  // The path on standard output tells whoever started the emulator that it is ready.
  std::printf("%s\n", pty->SlavePath().c_str());
  std::fflush(stdout);

  for (;;) {
    pollfd fds[2] = {{pty->MasterFd(), POLLIN, 0}, {signalFd, POLLIN, 0}};
    if (poll(fds, 2, -1) < 0) {
      if (errno == EINTR) continue;
      std::perror("fennick-emulator: poll");
      break;
    }
    if (fds[1].revents & POLLIN) break;
    if (fds[0].revents & POLLIN) {
      char buffer[512];
      const ssize_t n = ::read(pty->MasterFd(), buffer, sizeof buffer);
      if (n > 0) {
        const std::string answer = modem.Receive(std::string_view(buffer, static_cast<std::size_t>(n)));
        // Like a modem writing its memory before it says OK.
        if (modem.Country() != stored) {
          stored = modem.Country();
          StoreCountry(options.statePath, stored);
        }
        Send(pty->MasterFd(), answer);
      }
    } else if (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) {
      std::fprintf(stderr, "fennick-emulator: the terminal failed\n");
      break;
    }
  }
  close(signalFd);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  const auto options = fennick::ParseEmulatorOptions(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!options) {
    std::fprintf(stderr, "fennick-emulator: %s\n%s", error.c_str(), fennick::EmulatorUsage());
    return 2;
  }
  if (options->help) {
    std::fputs(fennick::EmulatorUsage(), stdout);
    return 0;
  }
  return Run(*options);
}
