// The telephony service as the library's functions see it: registrations,
// open lines and their handles, requests to the simulator, and the delivery
// of line messages to each registration's callback on the UI thread.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>

#include "connection.h"
#include "frame.h"
#include "tapi32.h"

namespace isdn::tapi {

class Telephony {
 public:
  static Telephony& Instance();  // one per process, never destroyed

  std::int32_t Initialize(std::uint32_t* app, LINECALLBACK callback, const char* appName, std::uint32_t* numDevs);
  std::int32_t NegotiateApiVersion(std::uint32_t app, std::uint32_t device, std::uint32_t low, std::uint32_t high,
                                   std::uint32_t* version, void* extensionId);
  std::int32_t GetDevCaps(std::uint32_t app, std::uint32_t device, std::uint32_t apiVersion,
                          std::uint32_t extVersion, void* caps);
  std::int32_t Open(std::uint32_t app, std::uint32_t device, std::uint32_t* line, std::uint32_t apiVersion,
                    std::uint32_t extVersion, std::uint32_t callbackInstance, std::uint32_t privileges,
                    std::uint32_t mediaModes);
  std::int32_t SetStatusMessages(std::uint32_t line, std::uint32_t lineStates, std::uint32_t addressStates);
  std::int32_t GetLineDevStatus(std::uint32_t line, void* status);
  std::int32_t DevSpecific(std::uint32_t line, std::uint32_t addressId, std::uint32_t call, const void* params,
                           std::uint32_t size);
  std::int32_t Close(std::uint32_t line);

 private:
  struct App;
  struct Line;
  struct Delivery;

  Telephony() = default;

  App* FindApp(std::uint32_t handle);
  // Sends a request of an app or line to the simulator. Returns the response
  // after its leading result field, with the result in result; a dead or
  // silent simulator gives LINEERR_OPERATIONFAILED and answered false.
  std::optional<wire::Bytes> Call(App& app, std::uint16_t kind, const wire::Bytes& payload, std::int32_t& result,
                                  bool* answered = nullptr);
  // Looks up an open line; gives its app and simulator handle.
  bool OpenLine(std::uint32_t line, App*& app, std::uint32_t& simHandle);

  void OnEvent(App& app, const wire::Frame& frame);
  void OnSimulatorGone(App& app);
  void Queue(Delivery delivery);  // under mutex_
  static void Deliver(void* delivery);

  std::mutex mutex_;
  std::map<std::uint32_t, std::unique_ptr<App>> apps_;
  std::map<std::uint32_t, Line> lines_;
  std::uint32_t nextApp_ = 1;
  std::uint32_t nextLine_ = 1;
  std::uint32_t nextRequest_ = 1;
};

}  // namespace isdn::tapi
