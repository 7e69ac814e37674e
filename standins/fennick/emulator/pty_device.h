// The emulator's end of a pseudo-terminal. Programs open the other end (the
// slave path, or a symbolic link to it) as they would open a serial port.
#pragma once

#include <memory>
#include <string>

namespace fennick {

class PtyDevice {
 public:
  // Creates the pseudo-terminal, raw, with the master end non-blocking. The
  // emulator keeps the slave end open too, so the terminal stays usable while
  // client programs open and close it. On failure returns null and sets `error`.
  static std::unique_ptr<PtyDevice> Create(std::string& error);

  ~PtyDevice();
  PtyDevice(const PtyDevice&) = delete;
  PtyDevice& operator=(const PtyDevice&) = delete;

  // Makes `path` a symbolic link to the slave end, replacing an older link
  // there (never a regular file). The link is removed again by the destructor.
  bool Link(const std::string& path, std::string& error);

  int MasterFd() const { return master_; }
  const std::string& SlavePath() const { return slavePath_; }

 private:
  PtyDevice(int master, int slave, std::string slavePath);

  int master_;
  int slave_;
  std::string slavePath_;
  std::string linkPath_;
};

}  // namespace fennick
