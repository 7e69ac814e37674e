#include "logfile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "log/eventlog.h"

namespace {

// Writes all of `text`, going on after short writes and interruptions.
int WriteAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (n == 0) return EIO;
    done += static_cast<std::size_t>(n);
  }
  return 0;
}

}  // namespace

int WriteEventLogFile(const std::string& path) {
  std::string text;
  text.reserve(static_cast<std::size_t>(EventLog.Count()) * EventLogStore::kSlotBytes);
  EventLog.ForEachOldestFirst([&](const char* line) {
    text += line;
    text += '\n';
  });

  // Without a reader, opening a named pipe would wait forever and hang the
  // window; non-blocking, it fails at once. Writes block again as usual.
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NONBLOCK, 0666);
  if (fd < 0) return errno;
  const int flags = fcntl(fd, F_GETFL);
  if (flags >= 0) fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  const int writeError = WriteAll(fd, text);
  const int closeError = close(fd) == 0 ? 0 : errno;
  return writeError != 0 ? writeError : closeError;
}
