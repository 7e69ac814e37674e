// Local stream sockets between the library, the simulator and the tool.
#pragma once

#include <string>

#include "frame.h"

namespace isdn::wire {

// ISDN_SIM_SOCKET when set and not empty, else /tmp/isdn-sim-<uid>.sock.
std::string DefaultSocketPath();

// Connects to a listening socket. Returns the descriptor, or -1 with errno set.
int ConnectUnix(const std::string& path);

// Binds and listens. A stale socket file (no one listening) is replaced; a live
// one is left alone. Returns the descriptor, or -1 with a reason in error.
int ListenUnix(const std::string& path, std::string& error);

// Writes all bytes (never raises SIGPIPE). Returns false when the peer is gone.
bool SendAll(int fd, const Bytes& bytes);

// Reads one frame, waiting at most timeoutMs in total (-1: no limit).
// Returns false on end of stream, error, timeout or a malformed stream.
bool ReceiveFrame(int fd, FrameBuffer& buffer, Frame& frame, int timeoutMs);

}  // namespace isdn::wire
