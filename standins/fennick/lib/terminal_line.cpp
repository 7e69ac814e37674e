#include "terminal_line.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <system_error>

namespace fennick {
namespace {

using Clock = std::chrono::steady_clock;

std::string ErrnoText(int error) { return std::generic_category().message(error); }

int MillisecondsLeft(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
  return left > 0 ? static_cast<int>(left) : 0;
}

// Raw 8N1 at the line's speed, no flow control, reads that never wait in the
// driver (waiting is done with poll, under a deadline).
bool SetRaw(int fd) {
  termios settings{};
  if (tcgetattr(fd, &settings) != 0) return false;
  cfmakeraw(&settings);
  settings.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
  settings.c_cflag |= CS8 | CLOCAL | CREAD;
  settings.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
  settings.c_cc[VMIN] = 0;
  settings.c_cc[VTIME] = 0;
  static_assert(SerialLine::kBaudRate == 115200);
  if (cfsetispeed(&settings, B115200) != 0 || cfsetospeed(&settings, B115200) != 0) return false;
  return tcsetattr(fd, TCSANOW, &settings) == 0;
}

}  // namespace

std::unique_ptr<TerminalLine> TerminalLine::Open(const std::string& path, std::string& reason, int& error) {
  const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    error = errno;
    reason = ErrnoText(error);
    return nullptr;
  }
  if (!isatty(fd)) {
    reason = "not a serial device";
    ::close(fd);
    return nullptr;
  }
  if (!SetRaw(fd)) {
    error = errno;
    reason = "cannot set the line raw: " + ErrnoText(errno);
    ::close(fd);
    return nullptr;
  }
  // A modem listens only while DTR is up. Pseudo-terminals have no modem
  // lines, so a failure here is no reason to give up.
  int lines = TIOCM_DTR | TIOCM_RTS;
  (void)ioctl(fd, TIOCMBIS, &lines);
  tcflush(fd, TCIOFLUSH);
  return std::unique_ptr<TerminalLine>(new TerminalLine(fd));
}

TerminalLine::~TerminalLine() {
  // Unsent output is dropped so that close() does not wait for it to drain.
  tcflush(fd_, TCOFLUSH);
  ::close(fd_);
}

bool TerminalLine::Write(std::string_view data, int timeoutMs) {
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!data.empty()) {
    const ssize_t n = ::write(fd_, data.data(), data.size());
    if (n > 0) {
      data.remove_prefix(static_cast<std::size_t>(n));
      continue;
    }
    if (n < 0 && errno != EAGAIN && errno != EINTR) return false;
    pollfd p{fd_, POLLOUT, 0};
    const int left = MillisecondsLeft(deadline);
    if (left == 0) return false;
    if (poll(&p, 1, left) < 0 && errno != EINTR) return false;
    if (p.revents & (POLLERR | POLLHUP | POLLNVAL)) return false;
  }
  return true;
}

int TerminalLine::Read(char* buffer, std::size_t size, int timeoutMs) {
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    const ssize_t n = ::read(fd_, buffer, size);
    if (n > 0) return static_cast<int>(n);
    if (n < 0 && errno != EAGAIN && errno != EINTR) return -1;
    pollfd p{fd_, POLLIN, 0};
    const int left = MillisecondsLeft(deadline);
    if (left == 0) return 0;
    const int ready = poll(&p, 1, left);
    if (ready < 0 && errno != EINTR) return -1;
    if (ready > 0 && !(p.revents & POLLIN) && (p.revents & (POLLERR | POLLHUP | POLLNVAL))) return -1;
  }
}

void TerminalLine::DiscardInput() { tcflush(fd_, TCIFLUSH); }

}  // namespace fennick
