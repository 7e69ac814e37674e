// One connection of the library to the simulator: requests with responses
// matched by id, and events read by a thread of its own.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <thread>

#include "frame.h"

namespace isdn::tapi {

class Connection {
 public:
  using EventHandler = std::function<void(const wire::Frame&)>;
  using ClosedHandler = std::function<void()>;

  // Takes over a connected socket. Handlers run on the reader thread; onClosed
  // runs once, when the simulator goes away (not when this object is destroyed).
  Connection(int fd, EventHandler onEvent, ClosedHandler onClosed);
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // Sends a request and waits at most timeoutMs for its response. Returns the
  // response payload, or nothing on timeout or when the simulator is gone.
  std::optional<wire::Bytes> Request(std::uint16_t kind, const wire::Bytes& payload, int timeoutMs);

  bool Alive() const;

 private:
  void ReadLoop();

  const int fd_;
  EventHandler onEvent_;
  ClosedHandler onClosed_;
  mutable std::mutex mutex_;
  std::condition_variable answered_;
  struct Answer {
    bool arrived = false;
    wire::Bytes payload;
  };
  std::map<std::uint32_t, Answer> waiting_;  // by request id
  std::uint32_t nextId_ = 1;
  bool alive_ = true;
  bool stopping_ = false;
  std::mutex sendMutex_;
  std::thread reader_;
};

}  // namespace isdn::tapi
