// The simulator's socket loop: accepts library and tool connections, answers
// their frames through the line service, and keeps the report pace.
#pragma once

#include <map>
#include <string>

#include "frame.h"
#include "line_service.h"

namespace isdn::sim {

class Server {
 public:
  Server(const SimConfig& config, int listenFd);
  ~Server();
  Server(const Server&) = delete;
  Server& operator=(const Server&) = delete;

  // Runs until a stop command, or until RequestStop (safe from a signal handler).
  void Run();
  static void RequestStop();

 private:
  void Accept();
  bool Serve(int fd);  // false: drop the connection
  void Flush();
  void Drop(int fd);

  const SimConfig& config_;
  int listenFd_;
  LineService service_;
  std::map<int, wire::FrameBuffer> clients_;
  bool stopping_ = false;
};

}  // namespace isdn::sim
