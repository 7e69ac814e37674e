// A short deterministic fuzz run of the switch-information parser: every area
// lies on the heap with exactly its size, so the sanitizers catch a read past
// it, and every field must stay terminated within its 50 bytes.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "adapterconfig.h"

namespace {

TEST(SwitchInfoFuzz, RandomAreasStayInsideTheAreaAndTheFields) {
  std::mt19937 random(4011);
  const unsigned char alphabet[] = {'|', '|', '|', 0, '1', '2', 'a', 0xFF};
  for (int round = 0; round < 5000; ++round) {
    std::vector<unsigned char> area(random() % 300);
    for (unsigned char& byte : area) byte = round % 2 ? alphabet[random() % sizeof alphabet] : static_cast<unsigned char>(random());
    ParseSwitchInfo(area.data(), area.size());
    for (const char* field : {AdapterConfig.Phone0, AdapterConfig.Phone1, AdapterConfig.Spid0, AdapterConfig.Spid1})
      ASSERT_NE(std::memchr(field, 0, sizeof AdapterConfig.Phone0), nullptr);
  }
}

}  // namespace
