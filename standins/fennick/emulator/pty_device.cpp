#include "pty_device.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace fennick {
namespace {

std::string ErrnoText(const std::string& what) { return what + ": " + std::generic_category().message(errno); }

}  // namespace

std::unique_ptr<PtyDevice> PtyDevice::Create(std::string& error) {
  const int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master < 0) {
    error = ErrnoText("posix_openpt");
    return nullptr;
  }
  char name[256];
  if (grantpt(master) != 0 || unlockpt(master) != 0 || ptsname_r(master, name, sizeof name) != 0) {
    error = ErrnoText("pseudo-terminal setup");
    ::close(master);
    return nullptr;
  }
  const int slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (slave < 0) {
    error = ErrnoText(std::string("open ") + name);
    ::close(master);
    return nullptr;
  }
  // Raw, so the terminal neither echoes the modem's answers back to it nor
  // holds input back until a line is complete, even before a client sets it.
  termios settings{};
  if (tcgetattr(slave, &settings) == 0) {
    cfmakeraw(&settings);
    tcsetattr(slave, TCSANOW, &settings);
  }
  const int flags = fcntl(master, F_GETFL);
  fcntl(master, F_SETFL, flags | O_NONBLOCK);
  return std::unique_ptr<PtyDevice>(new PtyDevice(master, slave, name));
}

PtyDevice::PtyDevice(int master, int slave, std::string slavePath)
    : master_(master), slave_(slave), slavePath_(std::move(slavePath)) {}

PtyDevice::~PtyDevice() {
  if (!linkPath_.empty()) {
    // Remove the link only while it is still ours.
    char target[256];
    const ssize_t n = readlink(linkPath_.c_str(), target, sizeof target - 1);
    if (n > 0 && std::string(target, static_cast<std::size_t>(n)) == slavePath_) ::unlink(linkPath_.c_str());
  }
  ::close(slave_);
  ::close(master_);
}

bool PtyDevice::Link(const std::string& path, std::string& error) {
  struct stat info {};
  if (lstat(path.c_str(), &info) == 0) {
    if (!S_ISLNK(info.st_mode)) {
      error = path + " exists and is not a symbolic link";
      return false;
    }
    ::unlink(path.c_str());
  }
  if (symlink(slavePath_.c_str(), path.c_str()) != 0) {
    error = ErrnoText("symlink " + path);
    return false;
  }
  linkPath_ = path;
  return true;
}

}  // namespace fennick
