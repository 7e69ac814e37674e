// The line monitor: registers with the telephony interface, finds the
// adapter's two lines by the words "ISDN1" and "ISDN2" in their names, opens
// them for monitoring and handles their events. Everything it has to say after
// start-up becomes a line of EventLog.
//
// Line index 0 is line 1 ("ISDN1"), index 1 is line 2 ("ISDN2"). One object
// serves the program (LineMonitor); the telephony callback reaches the object
// that last ran Initialize. Single-threaded: the callback arrives through the
// UI thread's queue.
#pragma once

#include <cstddef>
#include <cstdint>

class linemon {
 public:
  static constexpr std::uint32_t kNoDevice = 0xFFFF;

  linemon() = default;
  ~linemon();
  linemon(const linemon&) = delete;
  linemon& operator=(const linemon&) = delete;

  // 1 when both lines are monitored; 0 after a failure the user has been told
  // about in a message box.
  int Initialize();
  // Closes a line (line 1 switches status reporting off first). Returns 1.
  int CloseLine(int line);
  // Active calls on line 1 plus line 2; 0 when either status cannot be read.
  int GetActiveCalls();
  // Sends a request block on line 1; the telephony result.
  std::int32_t SendDevSpecific(std::uint32_t code, std::uint32_t value);
  // Reads line 1's device status and walks its device-specific area.
  void ReadDevSpecific();

  int SetDeviceLine(int line);
  void* GetDeviceLine(std::uint32_t* apiVersion, void* buffer, std::uint32_t* deviceId, const char* nameWord);
  void* GetDevCaps(void* buffer, std::uint32_t device, std::uint32_t version);
  void* CheckAndReAllocBuffer(void* buffer, std::size_t size);
  int OpenLine(int line);
  void FreeDevCaps(int line);
  // The line's device status in a buffer the caller frees with LocalFree, or nullptr.
  void* GetLineDevStatus(int line);
  // 1 for success; logs known errors, and on LINEERR_REINIT closes both lines.
  int CheckLineResult(std::int32_t result);
  int LineIndexOf(std::uint32_t handle) const;

  static void LineCallback(std::uint32_t hDevice, std::uint32_t dwMessage, std::uint32_t dwCallbackInstance,
                           std::uint32_t dwParam1, std::uint32_t dwParam2, std::uint32_t dwParam3);
  void OnLineDevState(std::uint32_t hDevice, std::uint32_t state);

  std::uint32_t NumDevs = 0;
  std::uint32_t Initializing = 0;
  std::uint32_t LineApp = 0;
  std::uint32_t DeviceId[2] = {0, 0};
  std::uint32_t Line[2] = {0, 0};
  std::uint32_t ApiVersion = 0;
  void* DevCaps[2] = {nullptr, nullptr};

 private:
  struct MessageHandler;
  struct StateHandler;
  static const MessageHandler kMessageHandlers[];
  static const StateHandler kStateHandlers[];

  void OnLineClose(int line, std::uint32_t hDevice, std::uint32_t p1, std::uint32_t p2);
  void OnLineDevStateMessage(int line, std::uint32_t hDevice, std::uint32_t p1, std::uint32_t p2);
  void OnLineReply(int line, std::uint32_t hDevice, std::uint32_t p1, std::uint32_t p2);
  void OnLineCreate(int line, std::uint32_t hDevice, std::uint32_t p1, std::uint32_t p2);
  void OnConnected(std::uint32_t hDevice);
  void OnDisconnected(std::uint32_t hDevice);
  void OnDevSpecific(std::uint32_t hDevice);

  static linemon* Current;  // the object the telephony callback reaches
};

// The program's line monitor.
extern linemon LineMonitor;
