// isdn-sim: drives a running ISDN adapter simulator. See README.md.
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "frame.h"
#include "messages.h"
#include "unix_socket.h"

namespace {

const char kUsage[] =
    "usage: isdn-sim [--socket PATH] COMMAND [ARGS...]\n"
    "  call LINE [NUMBER]          place a call on line 1 or 2; it connects\n"
    "  clear LINE [CAUSE]          clear the call on a line (cause 16 Normal Clearing by default)\n"
    "  set NAME|TAG VALUE          set a status value, e.g. set TxPackets 100, set 0xAC160104 14\n"
    "  log [--kind=KIND] TEXT...   send a log text (KIND: api, api-detail, q931, q921, physical, any)\n"
    "  raw HEXBYTES...             send these bytes as the next status area\n"
    "  close LINE                  close every open handle of a line (LINE_CLOSE)\n"
    "  fail LINE now|reply CODE    make the next request on a line fail at once, or its LINE_REPLY\n"
    "  status                      show the simulator's state\n"
    "  stop                        stop the simulator\n";

constexpr int kTimeoutMs = 5000;

}  // namespace

int main(int argc, char** argv) {
  std::string socketPath = isdn::wire::DefaultSocketPath();
  int first = 1;
  if (argc > 2 && std::string(argv[1]) == "--socket") {
    socketPath = argv[2];
    first = 3;
  }
  if (first >= argc || std::string(argv[first]) == "--help") {
    std::fputs(kUsage, first >= argc ? stderr : stdout);
    return first >= argc ? 2 : 0;
  }
  const int fd = isdn::wire::ConnectUnix(socketPath);
  if (fd < 0) {
    std::fprintf(stderr, "isdn-sim: no simulator listens on %s\n", socketPath.c_str());
    return 3;
  }
  isdn::wire::Writer request;
  request.U32(static_cast<std::uint32_t>(argc - first));
  for (int i = first; i < argc; ++i) request.Str(argv[i]);
  isdn::wire::FrameBuffer buffer;
  isdn::wire::Frame response;
  const bool answered = isdn::wire::SendAll(fd, isdn::wire::EncodeFrame({isdn::wire::kControl, 1, request.Take()})) &&
                        isdn::wire::ReceiveFrame(fd, buffer, response, kTimeoutMs);
  close(fd);
  if (!answered) {
    std::fprintf(stderr, "isdn-sim: the simulator did not answer\n");
    return 3;
  }
  isdn::wire::Reader reader(response.payload);
  const bool ok = reader.U32() == 1;
  std::string text = reader.Str();
  if (!text.empty() && text.back() != '\n') text += '\n';
  std::fputs(text.c_str(), ok ? stdout : stderr);
  if (!ok && text.rfind("usage", 0) == 0) return 2;
  return ok ? 0 : 1;
}
