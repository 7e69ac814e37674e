// A short deterministic fuzz run of the registry file reader and the registry
// operations over what it reads; under the sanitizers it catches bad reads.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "platform/regfile.h"
#include "platform/registry.h"

namespace {

const char kSeed[] =
    "Windows Registry Editor Version 5.00\n"
    "[HKEY_LOCAL_MACHINE\\SYSTEM\\A]\n"
    "@=\"d\"\n"
    "\"s\"=\"x\\\\y\\\"z\"\n"
    "\"d\"=dword:0000000a\n"
    "\"h\"=hex:01,02,\\\n  03\n"
    "\"m\"=hex(7):22,00,41,00,22,00,00,00,00,00\n"
    "[-HKEY_LOCAL_MACHINE\\SYSTEM\\B]\n"
    "\"v\"=-\n";

const char kAlphabet[] = "[]\\\"@=-:,;() \n\r\t0123456789abcdefxhHKEY_LOCAL_MACHINEdwordhex\xFF\xFE";

void Exercise(const platform::RegistryTree& tree) {
  platform::ScopedRegistry installed(std::shared_ptr<const platform::RegistryTree>(&tree, [](auto*) {}));
  platform::RegistryKey key = 0;
  if (platform::RegOpenKey("SYSTEM\\A", &key) != 0) return;
  char buffer[8];
  for (unsigned i = 0; platform::RegEnumKey(key, i, buffer, sizeof buffer) != 259 && i < 4; ++i) {
  }
  for (const char* name : {"", "s", "d", "h", "m"}) {
    std::uint32_t size = sizeof buffer;
    platform::RegQueryValueEx(key, name, nullptr, buffer, &size);
  }
  platform::RegCloseKey(key);
}

TEST(RegFileFuzz, MutatedAndRandomTextsNeverMisbehave) {
  std::mt19937 random(20261211);
  const std::string seeds[] = {kSeed, std::string("REGEDIT4\n") + (kSeed + 37)};
  for (int round = 0; round < 3000; ++round) {
    std::string text = seeds[round % 2];
    if (round % 10 == 9) {
      text.assign(random() % 200, '\0');
      for (char& c : text) c = kAlphabet[random() % (sizeof kAlphabet - 1)];
      if (round % 20 == 19) text = "\xFF\xFE" + text;
    } else {
      const int edits = 1 + static_cast<int>(random() % 6);
      for (int e = 0; e < edits && !text.empty(); ++e) {
        const std::size_t at = random() % text.size();
        switch (random() % 4) {
          case 0: text[at] = kAlphabet[random() % (sizeof kAlphabet - 1)]; break;
          case 1: text.erase(at, 1 + random() % 8); break;
          case 2: text.insert(at, 1, kAlphabet[random() % (sizeof kAlphabet - 1)]); break;
          case 3: text.resize(at); break;
        }
      }
    }
    std::string error;
    auto tree = platform::ReadRegistryText(text, &error);
    if (tree) Exercise(*tree);
    else EXPECT_FALSE(error.empty());
  }
}

}  // namespace
