// The telephony service side of the simulator: the line devices, the
// registrations of connected applications, open line handles and their
// status message masks, device-specific requests, status reports and the
// failures a tester asks for. Single-threaded: the server calls it from its
// loop and sends what it leaves in the outbox.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "adapter.h"
#include "frame.h"
#include "sim_config.h"

namespace isdn::sim {

class LineService : private Adapter::Listener {
 public:
  struct Outgoing {
    int client;
    wire::Frame frame;
  };
  enum class FailMode { Now, Reply };

  explicit LineService(const SimConfig& config);

  void ClientGone(int client);
  // Answers one request of a library connection; events it causes go to the
  // outbox, to be sent after the response.
  wire::Bytes Handle(int client, const wire::Frame& request);
  std::vector<Outgoing> TakeOutbox() { return std::exchange(outbox_, {}); }

  // The steady pace: adapter progress, then a report to every registration
  // that has status reporting on.
  void Tick();
  void SendReports();

  // Operations of the command-line tool. line is 0 or 1.
  Adapter& adapter() { return adapter_; }
  void LogText(std::uint32_t kind, const std::string& text) { OnLogText(kind, text); }
  void SendRawReport(const wire::Bytes& area);
  int CloseDeviceLines(int line);  // returns the number of handles closed
  void FailNext(int line, FailMode mode, std::int32_t code);
  std::string Describe() const;

 private:
  struct Device {
    std::string name;
    int line;  // 0 or 1 for the adapter's lines, -1 for others
    std::uint32_t mediaModes;
  };
  struct App {
    std::string name;
    bool reporting = false;
    std::uint32_t filter = 0;
    std::deque<std::string> texts;  // waiting for the next report
  };
  struct OpenLine {
    int client;
    std::uint32_t device;
    std::uint32_t statusMessages = 0;
  };
  struct Failures {
    std::optional<std::int32_t> now;
    std::optional<std::int32_t> reply;
  };
  using Handler = wire::Writer (LineService::*)(int client, wire::Reader& in);

  void OnLogText(std::uint32_t kind, const std::string& text) override;
  void OnLineState(int line, std::uint32_t state) override;

  wire::Writer Hello(int client, wire::Reader& in);
  wire::Writer GetDevCaps(int client, wire::Reader& in);
  wire::Writer Negotiate(int client, wire::Reader& in);
  wire::Writer Open(int client, wire::Reader& in);
  wire::Writer SetStatusMessages(int client, wire::Reader& in);
  wire::Writer GetStatus(int client, wire::Reader& in);
  wire::Writer DevSpecific(int client, wire::Reader& in);
  wire::Writer Close(int client, wire::Reader& in);
  static const std::map<std::uint16_t, Handler>& Handlers();

  // Common checks; each gives 0 or the error to answer with.
  std::int32_t CheckDevice(std::uint32_t device);
  std::int32_t CheckLine(int client, std::uint32_t handle);
  std::int32_t TakeFailure(std::uint32_t device);
  std::uint32_t DeviceOfLine(int line) const;

  std::int32_t RunRequest(App& app, const wire::Bytes& params);
  void Event(int client, std::uint32_t handle, std::uint32_t message, std::uint32_t p1, std::uint32_t p2 = 0,
             std::uint32_t p3 = 0, const wire::Bytes& area = {});
  void ReportTo(int client, App& app, const wire::Bytes& area);
  void ApiLog(std::uint32_t kind, const std::string& what, std::uint32_t device);

  const SimConfig& config_;
  std::vector<Device> devices_;
  std::map<int, App> apps_;
  std::map<std::uint32_t, OpenLine> lines_;
  std::map<std::uint32_t, Failures> failures_;  // by device
  std::vector<Outgoing> outbox_;
  std::uint32_t nextHandle_ = 0x1001;
  std::uint32_t reportSequence_ = 0;
  Adapter adapter_;  // last: it may log while it is being built
};

}  // namespace isdn::sim
