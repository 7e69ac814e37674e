#include "unix_socket.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>

namespace isdn::wire {
namespace {

bool FillAddress(const std::string& path, sockaddr_un& address) {
  std::memset(&address, 0, sizeof address);
  address.sun_family = AF_UNIX;
  if (path.empty() || path.size() >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  return true;
}

}  // namespace

std::string DefaultSocketPath() {
  const char* fromEnvironment = std::getenv("ISDN_SIM_SOCKET");
  if (fromEnvironment != nullptr && fromEnvironment[0] != '\0') return fromEnvironment;
  return "/tmp/isdn-sim-" + std::to_string(getuid()) + ".sock";
}

int ConnectUnix(const std::string& path) {
  sockaddr_un address;
  if (!FillAddress(path, address)) {
    errno = ENAMETOOLONG;
    return -1;
  }
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return -1;
  if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    const int saved = errno;
    close(fd);
    errno = saved;
    return -1;
  }
  return fd;
}

int ListenUnix(const std::string& path, std::string& error) {
  sockaddr_un address;
  if (!FillAddress(path, address)) {
    error = "socket path is empty or too long: " + path;
    return -1;
  }
  const int probe = ConnectUnix(path);
  if (probe >= 0) {
    close(probe);
    error = "another simulator is already listening on " + path;
    return -1;
  }
  unlink(path.c_str());  // a stale file from a simulator that did not end cleanly
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0 || bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
      listen(fd, 16) != 0) {
    error = "cannot listen on " + path + ": " + std::strerror(errno);
    if (fd >= 0) close(fd);
    return -1;
  }
  return fd;
}

bool SendAll(int fd, const Bytes& bytes) {
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    const ssize_t n = send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    sent += static_cast<std::size_t>(n);
  }
  return true;
}

bool ReceiveFrame(int fd, FrameBuffer& buffer, Frame& frame, int timeoutMs) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs);
  while (!buffer.Next(frame)) {
    if (buffer.Broken()) return false;
    int wait = -1;
    if (timeoutMs >= 0) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
      if (left <= 0) return false;
      wait = static_cast<int>(left);
    }
    pollfd entry{fd, POLLIN, 0};
    const int ready = poll(&entry, 1, wait);
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return false;
    std::uint8_t chunk[4096];
    const ssize_t n = recv(fd, chunk, sizeof chunk, 0);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    buffer.Append(chunk, static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace isdn::wire
