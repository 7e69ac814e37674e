#include "connection.h"

#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

#include "messages.h"
#include "unix_socket.h"

namespace isdn::tapi {

Connection::Connection(int fd, EventHandler onEvent, ClosedHandler onClosed)
    : fd_(fd), onEvent_(std::move(onEvent)), onClosed_(std::move(onClosed)) {
  reader_ = std::thread([this] { ReadLoop(); });
}

Connection::~Connection() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  shutdown(fd_, SHUT_RDWR);
  reader_.join();
  close(fd_);
}

bool Connection::Alive() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return alive_;
}

std::optional<wire::Bytes> Connection::Request(std::uint16_t kind, const wire::Bytes& payload, int timeoutMs) {
  std::uint32_t id;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!alive_) return std::nullopt;
    id = nextId_++;
    if (nextId_ == 0) nextId_ = 1;
    waiting_[id];
  }
  bool sent;
  {
    std::lock_guard<std::mutex> lock(sendMutex_);
    sent = wire::SendAll(fd_, wire::EncodeFrame({kind, id, payload}));
  }
  std::unique_lock<std::mutex> lock(mutex_);
  if (sent) {
    answered_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                       [&] { return !alive_ || waiting_[id].arrived; });
  }
  Answer answer = std::move(waiting_[id]);
  waiting_.erase(id);
  if (!answer.arrived) return std::nullopt;
  return std::move(answer.payload);
}

void Connection::ReadLoop() {
  wire::FrameBuffer buffer;
  wire::Frame frame;
  while (wire::ReceiveFrame(fd_, buffer, frame, -1)) {
    if (frame.kind == wire::kResponse) {
      std::lock_guard<std::mutex> lock(mutex_);
      auto it = waiting_.find(frame.id);
      if (it != waiting_.end()) it->second = {true, std::move(frame.payload)};  // late answers are dropped
      answered_.notify_all();
    } else if (frame.kind == wire::kEvent) {
      onEvent_(frame);
    }
  }
  bool report;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    alive_ = false;
    report = !stopping_;
    answered_.notify_all();
  }
  if (report) onClosed_();
}

}  // namespace isdn::tapi
