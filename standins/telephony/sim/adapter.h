// The simulated basic-rate adapter as its driver sees it: layer activation
// after power-up, status values and counters, calls on the two B-channels,
// and the log texts it produces along the way.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "sim_config.h"

namespace isdn::sim {

class Adapter {
 public:
  class Listener {
   public:
    virtual ~Listener() = default;
    virtual void OnLogText(std::uint32_t kind, const std::string& text) = 0;
    // line: 0 for the first B-channel line, 1 for the second.
    virtual void OnLineState(int line, std::uint32_t state) = 0;
  };

  // Texts the adapter makes itself are cut to this length.
  static constexpr std::size_t kMaxTextLength = 49;

  Adapter(const SimConfig& config, Listener& listener);

  // One step of the steady pace: activation progress and traffic of calls.
  void Tick();

  bool PlaceCall(int line, const std::string& number, std::string& error);
  bool ClearCall(int line, std::uint32_t cause, std::string& error);
  bool HasCall(int line) const { return calls_[line].active; }
  bool InService() const;

  void SetStatus(std::uint32_t tag, std::uint32_t value) { status_[tag] = value; }
  std::uint32_t Status(std::uint32_t tag) const;
  // Every status value the adapter reports, by tag in ascending order.
  std::vector<std::pair<std::uint32_t, std::uint32_t>> StatusRecords() const;

  // The full diagnostics report, as log texts that pass every filter.
  void RunDiagnostics();

 private:
  struct Call {
    bool active = false;
    std::string number;
  };

  void Log(std::uint32_t kind, const std::string& text);
  void Add(std::uint32_t tag, std::uint32_t amount) { status_[tag] += amount; }
  bool SecondChannelUsed() const;

  // Activation after power-up, one step per tick.
  void RequestActivation();
  void ActivationDone();
  void AssignTeis();
  void RegisterSpids();
  using Step = void (Adapter::*)();
  static const Step kActivationSteps[];
  static const std::size_t kActivationStepCount;

  const SimConfig& config_;
  Listener& listener_;
  std::map<std::uint32_t, std::uint32_t> status_;
  std::size_t activationStep_ = 0;
  Call calls_[2];
  std::uint32_t lastClearCause_ = 16;
};

// The name of a Q.931 cause value, or "" when the table lacks it.
const char* CauseName(std::uint32_t cause);

}  // namespace isdn::sim
