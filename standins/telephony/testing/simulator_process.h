// Starts an ISDN adapter simulator for a test and ends it again.
//
//   isdn::testing::SimulatorProcess sim({.config = "board_type = 2\n"});
//   ASSERT_TRUE(sim.Running()) << sim.Error();
//   // lineInitialize now reaches it (ISDN_SIM_SOCKET points at its socket).
//   sim.Tool({"call", "1"});
//
// The simulator and isdn-sim are looked for beside the running executable.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace isdn::testing {

struct SimulatorOptions {
  std::string config;           // configuration file text ("key = value" lines); empty: defaults
  int reportIntervalMs = 100;   // status report pace, short for tests; 0: as the configuration says
  bool exportSocket = true;     // point ISDN_SIM_SOCKET at this simulator while it lives
  int startTimeoutMs = 5000;    // how long to wait until it listens
};

class SimulatorProcess {
 public:
  explicit SimulatorProcess(SimulatorOptions options = {});
  ~SimulatorProcess();  // kills the simulator if it still runs, removes its files
  SimulatorProcess(const SimulatorProcess&) = delete;
  SimulatorProcess& operator=(const SimulatorProcess&) = delete;

  // Started and not ended yet (also not by "isdn-sim stop").
  bool Running();
  const std::string& Error() const { return error_; }      // why it did not start
  const std::string& SocketPath() const { return socketPath_; }

  // Runs isdn-sim with these arguments against this simulator; returns its exit
  // status (-1 when it could not run) and, if asked, what it printed.
  int Tool(const std::vector<std::string>& arguments, std::string* output = nullptr) const;

  // Asks the simulator to end (SIGTERM) and waits for it. Returns true when it ended.
  bool Stop(int timeoutMs = 3000);
  // Ends it at once (SIGKILL), as a crash would.
  void Kill();
  // Waits until it has ended by itself (after "isdn-sim stop", say).
  bool WaitForExit(int timeoutMs);

  // What the simulator printed so far.
  std::string Output() const;

  static std::string ProgramDirectory();

 private:
  std::string directory_;
  std::string socketPath_;
  std::string error_;
  pid_t pid_ = -1;
  bool exported_ = false;
  std::optional<std::string> previousSocket_;
};

}  // namespace isdn::testing
