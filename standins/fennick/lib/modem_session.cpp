#include "modem_session.h"

#include <chrono>

#include "profile_table.h"

namespace fennick {
namespace {

using Clock = std::chrono::steady_clock;

Outcome Failure(std::string problem) { return Outcome{false, true, std::move(problem)}; }

}  // namespace

Reply ModemSession::Command(std::string_view command, int timeoutMs) {
  Reply reply;
  line_.DiscardInput();
  if (!line_.Write(std::string(command) + "\r", timeouts_.writeMs)) {
    reply.status = Reply::Status::LineFailed;
    return reply;
  }
  ReplyReader reader{std::string(command)};
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  char buffer[256];
  while (!reader.Complete()) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) break;
    const int n = line_.Read(buffer, sizeof buffer, static_cast<int>(left));
    if (n < 0) {
      reply.status = Reply::Status::LineFailed;
      return reply;
    }
    reader.Feed(std::string_view(buffer, static_cast<std::size_t>(n)));
  }
  reply.infoLines = reader.InfoLines();
  switch (reader.Result()) {
    case FinalResult::Ok: reply.status = Reply::Status::Ok; break;
    case FinalResult::Error: reply.status = Reply::Status::Error; break;
    case FinalResult::None: reply.status = Reply::Status::NoAnswer; break;
  }
  return reply;
}

// A plain "AT" until OK, tried a few times: a modem may miss the first
// characters after the port opens. `answered` stays false while the line is
// silent, so an empty port is told apart from one that answers wrongly.
Outcome ModemSession::Handshake() {
  Outcome outcome{false, false, "no answer to AT"};
  for (int attempt = 0; attempt < timeouts_.atTries; ++attempt) {
    const Reply reply = Command("AT", timeouts_.atReplyMs);
    switch (reply.status) {
      case Reply::Status::Ok: return Outcome{true, true, {}};
      case Reply::Status::Error: outcome = Failure("modem answered ERROR to AT"); break;
      case Reply::Status::LineFailed: return Outcome{false, outcome.answered, "line failed during AT"};
      case Reply::Status::NoAnswer:
        if (!reply.infoLines.empty()) outcome = Failure("no OK to AT, only \"" + reply.infoLines.front() + "\"");
        break;
    }
  }
  return outcome;
}

Outcome ModemSession::Expect(std::string_view command, int timeoutMs, Reply* replyOut) {
  Reply reply = Command(command, timeoutMs);
  const std::string name(command);
  Outcome outcome;
  switch (reply.status) {
    case Reply::Status::Ok: outcome = Outcome{true, true, {}}; break;
    case Reply::Status::Error: outcome = Failure("modem answered ERROR to " + name); break;
    case Reply::Status::NoAnswer: outcome = Failure("no answer to " + name); break;
    case Reply::Status::LineFailed: outcome = Failure("line failed during " + name); break;
  }
  if (replyOut) *replyOut = std::move(reply);
  return outcome;
}

Outcome ModemSession::Detect() {
  if (Outcome o = Handshake(); !o.ok) return o;
  Reply reply;
  if (Outcome o = Expect("AT+GCI?", timeouts_.queryReplyMs, &reply); !o.ok) {
    return Failure("answers AT but not AT+GCI? (" + o.problem + ")");
  }
  if (!FindGci(reply.infoLines)) return Failure("answers AT but gives no +GCI: line to AT+GCI?");
  return Outcome{true, true, {}};
}

Outcome ModemSession::Program(unsigned t35, bool resetFirst) {
  if (Outcome o = Handshake(); !o.ok) return o;
  if (resetFirst) {
    if (Outcome o = Expect("ATZ", timeouts_.resetReplyMs); !o.ok) return o;
  }
  const std::string code = HexCode(t35);
  if (Outcome o = Expect("AT+GCI=" + code, timeouts_.setReplyMs); !o.ok) return o;

  Reply reply;
  if (Outcome o = Expect("AT+GCI?", timeouts_.queryReplyMs, &reply); !o.ok) return o;
  const auto stored = FindGci(reply.infoLines);
  if (!stored) return Failure("no +GCI: line in the answer to AT+GCI?");
  if (*stored != (t35 & 0xFFu)) return Failure("AT+GCI? reads back " + HexCode(*stored) + ", not " + code);

  return Expect("ATZ", timeouts_.resetReplyMs);
}

}  // namespace fennick
