#include "server.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <vector>

#include "control_commands.h"
#include "messages.h"
#include "unix_socket.h"

namespace isdn::sim {
namespace {

// Written by a signal handler to wake the loop.
int g_stopPipe[2] = {-1, -1};

// A client that stops reading must not stall the simulator for long.
constexpr int kSendTimeoutMs = 1000;

}  // namespace

Server::Server(const SimConfig& config, int listenFd) : config_(config), listenFd_(listenFd), service_(config) {
  if (g_stopPipe[0] < 0 && pipe2(g_stopPipe, O_CLOEXEC | O_NONBLOCK) != 0) g_stopPipe[0] = g_stopPipe[1] = -1;
}

Server::~Server() {
  for (const auto& [fd, buffer] : clients_) close(fd);
  close(listenFd_);
}

void Server::RequestStop() {
  if (g_stopPipe[1] >= 0) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = write(g_stopPipe[1], &byte, 1);
  }
}

void Server::Run() {
  using Clock = std::chrono::steady_clock;
  const auto interval = std::chrono::milliseconds(config_.reportIntervalMs);
  auto nextTick = Clock::now() + interval;
  while (!stopping_) {
    std::vector<pollfd> fds{{listenFd_, POLLIN, 0}, {g_stopPipe[0], POLLIN, 0}};
    for (const auto& [fd, buffer] : clients_) fds.push_back({fd, POLLIN, 0});
    const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(nextTick - Clock::now()).count();
    const int ready = poll(fds.data(), fds.size(), wait > 0 ? static_cast<int>(wait) : 0);
    if (ready < 0 && errno != EINTR) break;
    if (Clock::now() >= nextTick) {
      service_.Tick();
      Flush();
      nextTick += interval;
      if (nextTick < Clock::now()) nextTick = Clock::now() + interval;  // after a stall, no burst
    }
    if (ready <= 0) continue;
    if (fds[1].revents != 0) break;
    if (fds[0].revents & POLLIN) Accept();
    for (std::size_t i = 2; i < fds.size() && !stopping_; ++i) {
      if (fds[i].revents != 0 && !Serve(fds[i].fd)) Drop(fds[i].fd);
    }
  }
}

void Server::Accept() {
  const int fd = accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
  if (fd < 0) return;
  const timeval timeout{kSendTimeoutMs / 1000, (kSendTimeoutMs % 1000) * 1000};
  setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
  clients_[fd];
}

bool Server::Serve(int fd) {
  std::uint8_t chunk[4096];
  const ssize_t n = recv(fd, chunk, sizeof chunk, MSG_DONTWAIT);
  if (n < 0 && (errno == EAGAIN || errno == EINTR)) return true;
  if (n <= 0) return false;
  wire::FrameBuffer& buffer = clients_[fd];
  buffer.Append(chunk, static_cast<std::size_t>(n));
  wire::Frame request;
  while (buffer.Next(request)) {
    wire::Frame response{wire::kResponse, request.id, {}};
    if (request.kind == wire::kControl) {
      wire::Reader in(request.payload);
      std::vector<std::string> words;
      const std::uint32_t count = in.U32();
      for (std::uint32_t i = 0; i < count && in.Ok() && !in.AtEnd(); ++i) words.push_back(in.Str());
      if (words.size() != count) in.U32();  // fewer words than announced: marks the reader failed
      ControlResult result = in.Ok() ? RunControlCommand(service_, words) : ControlResult{false, "malformed command"};
      response.payload = wire::Writer().U32(result.ok ? 1 : 0).Str(result.text).Take();
      stopping_ = stopping_ || result.stop;
    } else {
      response.payload = service_.Handle(fd, request);
    }
    if (!wire::SendAll(fd, wire::EncodeFrame(response))) return false;
    Flush();
  }
  return !buffer.Broken();
}

void Server::Flush() {
  for (LineService::Outgoing& out : service_.TakeOutbox()) {
    if (clients_.count(out.client) && !wire::SendAll(out.client, wire::EncodeFrame(out.frame))) {
      shutdown(out.client, SHUT_RDWR);  // dropped at its next poll
    }
  }
}

void Server::Drop(int fd) {
  service_.ClientGone(fd);
  clients_.erase(fd);
  close(fd);
}

}  // namespace isdn::sim
