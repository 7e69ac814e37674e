// isdn-simulator: plays the driver of a basic-rate ISDN adapter behind
// libtapi32.so. See README.md for the options and the configuration file.
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

#include "server.h"
#include "sim_config.h"
#include "unix_socket.h"

namespace {

const char kUsage[] =
    "usage: isdn-simulator [--config FILE] [--socket PATH] [--report-interval MS]\n"
    "  --config FILE         adapter configuration (key = value lines; see README.md)\n"
    "  --socket PATH         socket to listen on (default: $ISDN_SIM_SOCKET or /tmp/isdn-sim-<uid>.sock)\n"
    "  --report-interval MS  pace of status reports, overriding the configuration\n";

void OnSignal(int) { isdn::sim::Server::RequestStop(); }

}  // namespace

int main(int argc, char** argv) {
  isdn::sim::SimConfig config;
  std::string socketPath = isdn::wire::DefaultSocketPath();
  std::string error;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--help" || option == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (i + 1 >= argc) {
      std::fprintf(stderr, "isdn-simulator: %s needs a value\n%s", option.c_str(), kUsage);
      return 2;
    }
    const std::string value = argv[++i];
    if (option == "--config") {
      if (!isdn::sim::LoadConfig(value, config, error)) {
        std::fprintf(stderr, "isdn-simulator: %s\n", error.c_str());
        return 2;
      }
    } else if (option == "--socket") {
      socketPath = value;
    } else if (option == "--report-interval") {
      if (!isdn::sim::ParseConfig("report_interval_ms = " + value, config, error)) {
        std::fprintf(stderr, "isdn-simulator: --report-interval must be 10 to 60000 milliseconds\n");
        return 2;
      }
    } else {
      std::fprintf(stderr, "isdn-simulator: unknown option %s\n%s", option.c_str(), kUsage);
      return 2;
    }
  }

  const int listenFd = isdn::wire::ListenUnix(socketPath, error);
  if (listenFd < 0) {
    std::fprintf(stderr, "isdn-simulator: %s\n", error.c_str());
    return 1;
  }
  {
    isdn::sim::Server server(config, listenFd);
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    std::printf("isdn-simulator: \"%sISDN1\" and \"%sISDN2\" on %s\n", config.adapterName.c_str(),
                config.adapterName.c_str(), socketPath.c_str());
    std::fflush(stdout);
    server.Run();
  }
  unlink(socketPath.c_str());
  return 0;
}
