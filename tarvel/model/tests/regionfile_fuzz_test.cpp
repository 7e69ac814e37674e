// Random, truncated and mutated region files through the reader's fuzz entry
// (which aborts on a broken table invariant; ASan watches the memory).
#include <gtest/gtest.h>

#include <random>

#include "testsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

using tarvel_test::Bytes;

void Feed(const std::string& bytes) {
  LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

std::vector<std::string> Seeds() {
  Bytes full;
  full.U8(3).Header(5, 400, 300, 99);
  for (int i = 0; i < 80 * 60; ++i) full.U8(static_cast<unsigned>(i % 100));
  for (int i = 0; i <= 99; ++i) full.Item(static_cast<unsigned>(i % 51), i, -i, std::string(i % 7, 'n'));
  Bytes overview;
  overview.U8(0).Header(7, 20, 14, 3).U8(1).U8(2).U8(0).U8(3);
  overview.Item(0, 0, 0, "").Item(1, 1, 1, "a").U8(0).U8(2).I16(0).I16(0).U8(0xFF).U16(0xFFFE).U8(1).U16('w');
  overview.Item(0, 0, 0, "");
  return {full.str(), overview.str()};
}

TEST(RegionFileFuzz, SurvivesRandomTruncatedAndMutatedFiles) {
  std::mt19937 rng(20261211);
  auto byte = [&rng] { return static_cast<char>(rng() & 0xFF); };
  for (const std::string& seed : Seeds()) {
    Feed(seed);
    for (std::size_t n = 0; n < seed.size(); n += 1 + n / 16) Feed(seed.substr(0, n));
    for (int round = 0; round < 3000; ++round) {
      std::string mutated = seed;
      const int flips = 1 + static_cast<int>(rng() % 4);
      // Mostly the header and the first records, where lengths and counts live.
      for (int f = 0; f < flips; ++f) {
        const std::size_t at = (rng() % 2) ? rng() % 24 : rng() % mutated.size();
        mutated[at] = byte();
      }
      if (rng() % 3 == 0) mutated.resize(rng() % mutated.size());
      Feed(mutated);
    }
  }
  for (int round = 0; round < 2000; ++round) {
    std::string noise(rng() % 64, '\0');
    for (char& c : noise) c = byte();
    Feed(noise);
  }
}

}  // namespace
