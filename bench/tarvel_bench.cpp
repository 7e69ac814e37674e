// Tarvel: the map hit test and reading a region data file.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <sstream>
#include <string>

#include "regionfile.h"
#include "tarvelapp.h"

namespace {

void Put(std::string& s, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) s.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void PutString(std::string& s, const std::string& text) {
  Put(s, static_cast<std::uint32_t>(text.size()), 1);
  s += text;
}

// A region file at the tables' limits: 400 x 300 pixels in 5-pixel cells (80 x
// 60), N = 99, names of country length.
std::string FullRegionFile() {
  std::string s;
  Put(s, 5, 4);
  Put(s, 400, 2);
  Put(s, 300, 2);
  Put(s, 0, 1);
  PutString(s, "");
  Put(s, 99, 1);
  for (int c = 0; c < 80; ++c)
    for (int r = 0; r < 60; ++r) Put(s, static_cast<std::uint32_t>((c / 8 + r / 6 * 10) % 100), 1);
  for (int i = 0; i <= 99; ++i) {
    Put(s, 0, 1);
    Put(s, static_cast<std::uint32_t>(i % 51), 1);
    Put(s, static_cast<std::uint32_t>(i * 4), 2);
    Put(s, static_cast<std::uint32_t>(i * 3), 2);
    PutString(s, "Country number " + std::to_string(i));
  }
  return s;
}

void BM_ItemAt(benchmark::State& state) {
  auto app = std::make_unique<CTarvelApp>();
  std::istringstream in(FullRegionFile());
  if (RegionFile::Read(in, 1, *app) != RegionFile::Problem::None) state.SkipWithError("bad file");
  app->m_nRegion = 1;
  int x = 0, y = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(app->ItemAt(x, y));
    x = (x + 7) % 402;  // also past the right and bottom bounds
    y = (y + 3) % 302;
  }
}
BENCHMARK(BM_ItemAt);

void BM_ReadRegionFile(benchmark::State& state) {
  const std::string bytes = FullRegionFile();
  auto app = std::make_unique<CTarvelApp>();
  for (auto _ : state) {
    std::istringstream in(bytes);
    benchmark::DoNotOptimize(RegionFile::Read(in, 1, *app));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_ReadRegionFile);

}  // namespace
