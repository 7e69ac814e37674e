#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "adapterconfig.h"
#include "platform/regfile.h"
#include "platform/registry.h"
#include "platform/services.h"

namespace {

using platform::MessageBoxRequest;

constexpr char kWarning[] = "Warning. Did not recognize your operating system";
constexpr char kReportStart[] =
    "An error occurred while accessing the Windows Registry.\n"
    "The Registry is corrupt or the Driver is not installed properly\n";

struct Boxes : platform::MessageBoxService {
  std::vector<MessageBoxRequest> shown;
  int Show(const MessageBoxRequest& request) override {
    shown.push_back(request);
    return platform::IDOK;
  }
};

struct Process : platform::ProcessService {
  std::optional<int> exitStatus;
  void PostQuitMessage(int) override {}
  void Exit(int status) override { exitStatus = status; }
};

std::string Version(unsigned major, const char* family) {
  char text[160];
  std::snprintf(text, sizeof text,
                "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Platform\\Version]\n\"Major\"=dword:%08x\n\"Family\"=\"%s\"\n", major,
                family);
  return text;
}
const std::string kNt5 = Version(5, "NT");
const std::string kNt4 = Version(4, "NT");
const std::string kNt6 = Version(6, "NT");
const std::string k95 = Version(4, "95");
const std::string k98se = Version(5, "95");

#define CLASS_KEY "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}"
#define NET_CLASS "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\Net"
#define SERVICES "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services"

// Three adapters under the class key: one without a name, one of another
// make, and ours with both channel subkeys.
const std::string kClassKeyTree =
    CLASS_KEY "\\0000]\n"
    CLASS_KEY "\\0001]\n\"DeviceName\"=\"Other NIC\"\n\"Revision\"=\"9\"\n"
    CLASS_KEY "\\0002]\n\"DeviceName\"=\"Tessaly \"\n\"Revision\"=\"3\"\n"
    CLASS_KEY "\\0002\\0\\0]\n\"IsdnPhoneNumber\"=\"5550100\"\n\"IsdnSpid\"=\"01555010000\"\n"
    CLASS_KEY "\\0002\\0\\1]\n\"IsdnPhoneNumber\"=\"5550101\"\n\"IsdnSpid\"=\"01555010100\"\n";

const std::string kNetClassTree =
    NET_CLASS "\\0000]\n\"Boardname\"=\"Other NIC\"\n"
    NET_CLASS "\\0001]\n\"Boardname\"=\"Tessaly \"\n\"Revision\"=\"4\"\n"
    "\"Line0.Channel0.Phone\"=\"5550200\"\n\"Line0.Channel1.Phone\"=\"5550201\"\n"
    "\"Line0.Channel0.SPID\"=\"02555020000\"\n\"Line0.Channel1.SPID\"=\"02555020100\"\n";

// "Route" names the service "TessIsdn" in quotes, then the two zeros.
const std::string kServiceTree =
    SERVICES "\\Tessaly \\Linkage]\n\"Route\"=hex(7):22,00,54,00,65,00,73,00,73,00,49,00,73,00,64,00,6e,00,\\\n"
    "  22,00,00,00,00,00\n"
    SERVICES "\\TessIsdn\\Parameters]\n\"Revision\"=dword:00000005\n"
    "\"Line0.Channel0.Phone\"=\"5550300\"\n\"Line0.Channel1.Phone\"=\"5550301\"\n"
    "\"Line0.Channel0.SPID\"=\"03555030000\"\n\"Line0.Channel1.SPID\"=\"03555030100\"\n";

struct Config {
  int boardType;
  std::string phone0, phone1, spid0, spid1;
  bool operator==(const Config&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Config& c) {
  return out << c.boardType << " " << c.phone0 << "/" << c.phone1 << "/" << c.spid0 << "/" << c.spid1;
}

class ReadAdapterConfigTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AdapterConfig = {};
    SetAdapterName("Tessaly ");
  }

  static void SetAdapterName(const char* name) {
    std::memset(AdapterName, 0, sizeof AdapterName);
    std::strncpy(AdapterName, name, sizeof AdapterName - 1);
  }

  // Runs the reader over a registry written in the editors' export format.
  void Read(const std::string& registry) {
    std::string error;
    auto tree = platform::ReadRegistryText("Windows Registry Editor Version 5.00\n" + registry, &error);
    ASSERT_TRUE(tree) << error;
    platform::ScopedRegistry installed(tree);
    ReadAdapterConfig();
    EXPECT_EQ(platform::OpenRegistryKeyCount(), 0u) << "a key was left open";
  }

  static Config Current() {
    return {AdapterConfig.BoardType, AdapterConfig.Phone0, AdapterConfig.Phone1, AdapterConfig.Spid0,
            AdapterConfig.Spid1};
  }

  void ExpectFound() {
    EXPECT_FALSE(process_.exitStatus.has_value());
    for (const MessageBoxRequest& box : boxes_.shown) EXPECT_EQ(box.text, kWarning);
  }

  // The registry error box with the system's text for the code, then exit -1.
  void ExpectRegistryError(const std::string& systemText) {
    ASSERT_FALSE(boxes_.shown.empty());
    const MessageBoxRequest& box = boxes_.shown.back();
    EXPECT_EQ(box.text, kReportStart + std::string("[") + AdapterName + "]\n" + systemText);
    EXPECT_EQ(box.caption, "Vintrel");
    EXPECT_EQ(box.type, platform::MB_OK);
    EXPECT_EQ(process_.exitStatus, -1);
  }

  Boxes boxes_;
  Process process_;
  platform::ScopedMessageBoxService boxService_{&boxes_};
  platform::ScopedProcessService processService_{&process_};
};

TEST_F(ReadAdapterConfigTest, EachLayoutFindsTheAdapterAndReadsItsValues) {
  struct Case {
    const char* what;
    std::string registry;
    Config expected;
  };
  const Config classKey{3, "5550100", "5550101", "01555010000", "01555010100"};
  const Config netClass{4, "5550200", "5550201", "02555020000", "02555020100"};
  const Config service{5, "5550300", "5550301", "03555030000", "03555030100"};
  // Each registry holds all three layouts, so only the version decides.
  const std::string all = kClassKeyTree + kNetClassTree + kServiceTree;
  const Case cases[] = {
      {"NT 5: class key", kNt5 + all, classKey},
      {"95 family 5: class key", k98se + all, classKey},
      {"NT 4: service linkage", kNt4 + all, service},
      {"NT 6: service linkage", kNt6 + all, service},
      {"95 family 4: Net class", k95 + all, netClass},
      {"no version configured: NT 5", all, classKey},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    boxes_.shown.clear();
    Read(c.registry);
    ExpectFound();
    EXPECT_TRUE(boxes_.shown.empty());
    EXPECT_EQ(Current(), c.expected);
  }
}

TEST_F(ReadAdapterConfigTest, BoardTypeFromSwitchInformationStillNeedsTheAdapterButReadsNoValues) {
  const Config fromSwitch{2, "sw0", "sw1", "sws0", "sws1"};
  struct Case {
    std::string registry;
    std::string missingAdapter;  // the same registry without our adapter
    std::string errorText;
  };
  const Case cases[] = {
      {kNt5 + kClassKeyTree, kNt5 + CLASS_KEY "\\0000]\n", "No more data is available."},
      {k95 + kNetClassTree, k95 + NET_CLASS "\\0000]\n", "No more data is available."},
      {kNt4 + kServiceTree, kNt4 + SERVICES "]\n", "The system cannot find the file specified."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.registry.substr(0, 120));
    for (bool present : {true, false}) {
      SetUp();
      boxes_.shown.clear();
      process_.exitStatus.reset();
      const unsigned char area[] = "\0\x02sw0|sw1|sws0|sws1";
      ParseSwitchInfo(area, sizeof area);
      Read(present ? c.registry : c.missingAdapter);
      EXPECT_EQ(Current(), fromSwitch);
      if (present) ExpectFound();
      else ExpectRegistryError(c.errorText);
    }
  }
}

TEST_F(ReadAdapterConfigTest, AdapterNotFoundReportsNoMoreItemsWithTheNameInBrackets) {
  for (const char* name : {"Pondrel ", "TESSALY ", "Tessaly"}) {  // none is the registry's name exactly
    SCOPED_TRACE(name);
    SetAdapterName(name);
    boxes_.shown.clear();
    Read(kNt5 + kClassKeyTree);
    ASSERT_EQ(boxes_.shown.size(), 1u);
    ExpectRegistryError("No more data is available.");
    EXPECT_EQ(AdapterConfig.BoardType, 0);
  }
}

TEST_F(ReadAdapterConfigTest, ClassKeyNeedsTheSecondChannelSubkeyButNotTheFirst) {
  std::string withoutChannel1 = kNt5 + kClassKeyTree;
  withoutChannel1.resize(withoutChannel1.find(CLASS_KEY "\\0002\\0\\1]"));
  Read(withoutChannel1);
  ExpectRegistryError("The system cannot find the file specified.");
  EXPECT_EQ(Current(), (Config{3, "5550100", "", "01555010000", ""}));

  SetUp();
  boxes_.shown.clear();
  process_.exitStatus.reset();
  std::string withoutChannel0 = kNt5 + kClassKeyTree;
  const std::size_t from = withoutChannel0.find(CLASS_KEY "\\0002\\0\\0]");
  withoutChannel0.erase(from, withoutChannel0.find(CLASS_KEY "\\0002\\0\\1]") - from);
  Read(withoutChannel0);
  ExpectFound();
  EXPECT_EQ(Current(), (Config{3, "", "5550101", "", "01555010100"}));
}

TEST_F(ReadAdapterConfigTest, RevisionIsADigitUnderTheClassLayoutsAndANumberUnderTheService) {
  struct Case {
    std::string registry;
    int boardType;
  };
  const Case cases[] = {
      {kNt5 + CLASS_KEY "\\0]\n\"DeviceName\"=\"Tessaly \"\n\"Revision\"=\"3\"\n" CLASS_KEY "\\0\\0\\1]\n", 3},
      {kNt5 + CLASS_KEY "\\0]\n\"DeviceName\"=\"Tessaly \"\n" CLASS_KEY "\\0\\0\\1]\n", -48},
      {k95 + NET_CLASS "\\0]\n\"Boardname\"=\"Tessaly \"\n\"Revision\"=\"3\"\n", 3},
      {k95 + NET_CLASS "\\0]\n\"Boardname\"=\"Tessaly \"\n", -48},
      {k95 + NET_CLASS "\\0]\n\"Boardname\"=\"Tessaly \"\n\"Revision\"=\"too long\"\n", -48},
      {kNt4 + SERVICES "\\Tessaly \\Linkage]\n\"Route\"=hex(7):22,00,53,00,22,00,00,00,00,00\n" SERVICES
              "\\S\\Parameters]\n\"Revision\"=dword:00000003\n",
       3},
      {kNt4 + SERVICES "\\Tessaly \\Linkage]\n\"Route\"=hex(7):22,00,53,00,22,00,00,00,00,00\n" SERVICES
              "\\S\\Parameters]\n",
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.registry);
    SetUp();
    Read(c.registry);
    ExpectFound();
    EXPECT_EQ(AdapterConfig.BoardType, c.boardType);
  }
}

TEST_F(ReadAdapterConfigTest, OldVersionIsWarnedAboutFirstAndTheWalkGoesOn) {
  Read(Version(3, "NT") + kServiceTree);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].text, kWarning);
  EXPECT_EQ(boxes_.shown[0].caption, "Vintrel");
  EXPECT_EQ(boxes_.shown[0].type, platform::MB_OK);
  ExpectFound();
  EXPECT_EQ(AdapterConfig.BoardType, 5);

  boxes_.shown.clear();
  Read(Version(3, "95"));
  ASSERT_EQ(boxes_.shown.size(), 2u);
  EXPECT_EQ(boxes_.shown[0].text, kWarning);
  ExpectRegistryError("The system cannot find the file specified.");
}

TEST_F(ReadAdapterConfigTest, BadRouteIsARegistryError) {
  struct Case {
    const char* route;
    const char* errorText;
  };
  const std::string tooLong = "hex(7):22,00," + [] {
    std::string bytes;
    for (int i = 0; i < 90; ++i) bytes += "41,00,";
    return bytes;
  }() + "22,00,00,00,00,00";
  const Case cases[] = {
      {"hex(7):22,00", "The data is invalid."},                          // 1 byte: shorter than the quotes and zeros
      {"hex(7):22,00,00,00,00,00", "The data is invalid."},              // 3 bytes
      {"hex(7):53,00,22,00,00,00,00,00", "The data is invalid."},        // no opening quote
      {"hex(7):22,00,53,00,00,00,54,00,22,00,00,00,00,00", "The data is invalid."},  // a zero inside the name
      {tooLong.c_str(), "More data is available."},
      {"hex(7):22,00,4e,00,6f,00,22,00,00,00,00,00", "The system cannot find the file specified."},  // no such service
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.route);
    SetUp();
    boxes_.shown.clear();
    process_.exitStatus.reset();
    Read(kNt4 + SERVICES "\\Tessaly \\Linkage]\n\"Route\"=" + c.route + "\n" + SERVICES "\\S\\Parameters]\n");
    ExpectRegistryError(c.errorText);
  }
}

TEST_F(ReadAdapterConfigTest, OversizedValuesNeverOverrunTheirFields) {
  const std::string fifty = "hex:" + [] {
    std::string bytes;
    for (int i = 0; i < 50; ++i) bytes += i ? ",41" : "41";
    return bytes;
  }();
  Read(kNt5 + CLASS_KEY "\\0]\n\"DeviceName\"=\"Tessaly \"\n\"Revision\"=\"1\"\n" CLASS_KEY
       "\\0\\0\\0]\n\"IsdnPhoneNumber\"=" + fifty + "\n\"IsdnSpid\"=\"" + std::string(50, 'S') + "\"\n" CLASS_KEY
       "\\0\\0\\1]\n");
  ExpectFound();
  EXPECT_EQ(std::string(AdapterConfig.Phone0), std::string(49, 'A'));  // 50 bytes without a zero: cut to 49
  EXPECT_EQ(std::string(AdapterConfig.Spid0), "");                    // 51 bytes: too large, left as it was
}

TEST_F(ReadAdapterConfigTest, NamesThatFillTheirBuffersAreReadWithinThem) {
  // An identifying value of 80 bytes without a zero, and an adapter name of 20 characters without one.
  std::string eighty = "hex:";
  for (int i = 0; i < 80; ++i) eighty += i ? ",41" : "41";
  std::memset(AdapterName, 'A', sizeof AdapterName);
  Read(kNt5 + CLASS_KEY "\\0]\n\"DeviceName\"=" + eighty + "\n");
  ASSERT_FALSE(boxes_.shown.empty());
  EXPECT_NE(boxes_.shown.back().text.find("[" + std::string(20, 'A') + "]"), std::string::npos);
  EXPECT_EQ(process_.exitStatus, -1);
}

}  // namespace
