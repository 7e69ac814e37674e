#include <stdlib.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "tapi32.h"
#include "tapi_support.h"

namespace isdn::tests {
namespace {

class TapiWithoutSimulatorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/isdnsim-test-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    directory_ = pattern;
    socketPath_ = directory_ + "/sock";
    setenv("ISDN_SIM_SOCKET", socketPath_.c_str(), 1);
    setenv("ISDN_SIM_TIMEOUT_MS", "200", 1);
  }
  void TearDown() override {
    if (listener_ >= 0) close(listener_);
    unlink(socketPath_.c_str());
    rmdir(directory_.c_str());
    unsetenv("ISDN_SIM_TIMEOUT_MS");
  }
  // A socket bound at the simulator's path; listening or not.
  void Bind(bool listen) {
    listener_ = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, socketPath_.c_str());
    ASSERT_EQ(bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    if (listen) {
      ASSERT_EQ(::listen(listener_, 4), 0);
    } else {
      close(listener_);  // leaves a stale socket file behind
      listener_ = -1;
    }
  }

  std::string directory_, socketPath_;
  int listener_ = -1;
};

TEST_F(TapiWithoutSimulatorTest, InitializeSucceedsWithNoDevicesAndDeviceCallsFail) {
  uint32_t app = 0, devices = 99;
  ASSERT_EQ(lineInitialize(&app, nullptr, RecordingCallback, "Lumvaric", &devices), 0);
  EXPECT_NE(app, 0u);
  EXPECT_EQ(devices, 0u);

  uint32_t version = 0, line = 0;
  uint8_t extension[16];
  std::vector<uint8_t> caps = Record(1276), status = Record(1112);
  uint8_t block[8] = {};
  EXPECT_EQ(lineNegotiateAPIVersion(app, 0, 0x10003, 0x10004, &version, extension), LINEERR_BADDEVICEID);
  EXPECT_EQ(lineGetDevCaps(app, 0, 0x10004, 0, caps.data()), LINEERR_BADDEVICEID);
  EXPECT_EQ(lineOpen(app, 0, &line, 0x10004, 0, 0, LINECALLPRIVILEGE_MONITOR, 0, nullptr), LINEERR_BADDEVICEID);
  EXPECT_EQ(lineGetDevCaps(app + 1000, 0, 0x10004, 0, caps.data()), LINEERR_INVALAPPHANDLE);
  EXPECT_EQ(lineSetStatusMessages(77, 0x2040C, 0), LINEERR_INVALLINEHANDLE);
  EXPECT_EQ(lineGetLineDevStatus(77, status.data()), LINEERR_INVALLINEHANDLE);
  EXPECT_EQ(lineDevSpecific(77, 0, 0, block, 8), LINEERR_INVALLINEHANDLE);
  EXPECT_EQ(lineClose(77), LINEERR_INVALLINEHANDLE);
}

TEST_F(TapiWithoutSimulatorTest, MissingPointersAreRefused) {
  uint32_t app = 0, devices = 0;
  EXPECT_EQ(lineInitialize(nullptr, nullptr, RecordingCallback, "x", &devices), LINEERR_INVALPOINTER);
  EXPECT_EQ(lineInitialize(&app, nullptr, RecordingCallback, "x", nullptr), LINEERR_INVALPOINTER);
  EXPECT_EQ(lineInitialize(&app, nullptr, nullptr, "x", &devices), LINEERR_INVALPOINTER);
  ASSERT_EQ(lineInitialize(&app, nullptr, RecordingCallback, nullptr, &devices), 0);
  EXPECT_EQ(lineGetDevCaps(app, 0, 0x10004, 0, nullptr), LINEERR_INVALPOINTER);
}

TEST_F(TapiWithoutSimulatorTest, StaleSocketFileCountsAsNoSimulator) {
  Bind(false);
  uint32_t app = 0, devices = 99;
  EXPECT_EQ(lineInitialize(&app, nullptr, RecordingCallback, "Lumvaric", &devices), 0);
  EXPECT_EQ(devices, 0u);
}

TEST_F(TapiWithoutSimulatorTest, SilentSimulatorTimesOutInsteadOfHanging) {
  Bind(true);  // accepts connections, never answers
  uint32_t app = 0, devices = 99;
  EXPECT_EQ(lineInitialize(&app, nullptr, RecordingCallback, "Lumvaric", &devices), LINEERR_OPERATIONFAILED);
}

}  // namespace
}  // namespace isdn::tests
