// The library's two entry points. Each call reads the port configuration,
// opens the port's device node, holds one conversation and closes it again;
// nothing is kept between calls. Problems a user can act on go to standard
// error as single lines starting with "fennick: ".
#include "fennick.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "modem_session.h"
#include "open_serial_line.h"
#include "port_config.h"
#include "profile_table.h"

namespace {

using fennick::OpenedLine;
using fennick::PortConfig;

void Report(const std::string& text) {
  const std::string line = "fennick: " + text + "\n";
  std::fputs(line.c_str(), stderr);
}

void ReportPort(int port, const std::string& path, const std::string& text) {
  Report(PortConfig::PortName(port) + " (" + path + "): " + text);
}

// The device node of `port` from the configuration, reporting any problem in
// the configuration file. Empty when the port has no device.
std::string DeviceOf(int port) {
  std::vector<std::string> problems;
  const PortConfig config = PortConfig::Load(problems);
  for (const std::string& problem : problems) Report(problem);
  return config.DevicePath(port);
}

int DetectPort(int port) {
  if (port < 0 || port >= PortConfig::kPortCount) return -1;
  const std::string path = DeviceOf(port);
  if (path.empty()) return -1;

  OpenedLine opened = fennick::OpenSerialLine(path);
  if (opened.status != OpenedLine::Status::Open) {
    if (opened.status == OpenedLine::Status::Refused) ReportPort(port, path, opened.reason);
    return -1;
  }
  fennick::ModemSession session(*opened.line, fennick::Timeouts{});
  const fennick::Outcome outcome = session.Detect();
  if (!outcome.ok) {
    // A port where nothing answers is the usual case, not worth a line.
    if (outcome.answered) ReportPort(port, path, outcome.problem + "; not counted as a modem");
    return -1;
  }
  return port;
}

int SetCountryCode(int port, const int* codes, int flag) {
  if (port < 0 || port >= PortConfig::kPortCount) {
    Report("port " + std::to_string(port) + " is outside 0 to 3 (COM1 to COM4)");
    return -1;
  }
  if (codes == nullptr) {
    Report("no code block given");
    return -1;
  }
  const auto profile = fennick::FindProfile(codes[0]);
  if (!profile) {
    Report("modem code " + std::to_string(codes[0]) + " is outside 0 to 50");
    return -1;
  }
  const std::string path = DeviceOf(port);
  if (path.empty()) {
    Report(PortConfig::PortName(port) + " has no device");
    return -1;
  }

  OpenedLine opened = fennick::OpenSerialLine(path);
  if (opened.status != OpenedLine::Status::Open) {
    ReportPort(port, path, opened.reason.empty() ? "no device" : opened.reason);
    return -1;
  }
  fennick::ModemSession session(*opened.line, fennick::Timeouts{});
  const fennick::Outcome outcome = session.Program(profile->t35, flag != 0);
  if (!outcome.ok) {
    ReportPort(port, path, "programming " + std::string(profile->name) + " failed: " + outcome.problem);
    return -1;
  }
  return 0;
}

}  // namespace

// No exception may cross into a C caller: anything unexpected is a failure.
extern "C" int detect_port(int port) {
  try {
    return DetectPort(port);
  } catch (const std::exception& e) {
    Report(std::string("detect_port: ") + e.what());
  } catch (...) {
    Report("detect_port: unexpected failure");
  }
  return -1;
}

extern "C" int set_country_code(int port, int* codes, int flag) {
  try {
    return SetCountryCode(port, codes, flag);
  } catch (const std::exception& e) {
    Report(std::string("set_country_code: ") + e.what());
  } catch (...) {
    Report("set_country_code: unexpected failure");
  }
  return -1;
}
