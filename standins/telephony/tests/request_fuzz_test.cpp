// A short deterministic fuzz run of the simulator's request handling: valid
// request streams, mutated byte by byte, and random frames. Under the
// sanitizers it catches reads past the end of what a client sent.
#include <gtest/gtest.h>

#include <random>

#include "request_input.h"

namespace isdn::sim {
namespace {

wire::Bytes SeedStream() {
  wire::Bytes stream;
  auto add = [&](std::uint16_t kind, wire::Bytes payload) {
    const wire::Bytes frame = wire::EncodeFrame({kind, 1, std::move(payload)});
    stream.insert(stream.end(), frame.begin(), frame.end());
  };
  const wire::Bytes request = {0x01, 0x01, 0x17, 0xAC, 0xFF, 0xFF, 0xFF, 0xFF};
  add(wire::kHello, wire::Writer().Str("Lumvaric").Take());
  add(wire::kGetDevCaps, wire::Writer().U32(0).U32(0x10004).U32(0).Take());
  add(wire::kNegotiate, wire::Writer().U32(1).U32(0x10003).U32(0x10004).Take());
  add(wire::kOpen, wire::Writer().U32(0).U32(0x10004).U32(0).U32(2).U32(0).Take());
  add(wire::kSetStatusMessages, wire::Writer().U32(0x1001).U32(0x2040C).U32(0).Take());
  add(wire::kDevSpecific, wire::Writer().U32(0x1001).U32(0).U32(0).U32(9).Blob(request).Take());
  add(wire::kGetStatus, wire::Writer().U32(0x1001).Take());
  add(wire::kControl, wire::Writer().U32(3).Str("set").Str("TxPackets").Str("5").Take());
  add(wire::kControl, wire::Writer().U32(2).Str("log").Str("hello").Take());
  add(wire::kControl, wire::Writer().U32(2).Str("raw").Str("ADDE000041000000").Take());
  add(wire::kClose, wire::Writer().U32(0x1001).Take());
  return stream;
}

TEST(RequestFuzz, MutatedAndRandomStreamsNeverMisbehave) {
  SimConfig config;
  config.startActive = true;
  const wire::Bytes seed = SeedStream();
  std::mt19937 random(20261211);
  for (int round = 0; round < 3000; ++round) {
    wire::Bytes stream = seed;
    const int changes = 1 + static_cast<int>(random() % 6);
    for (int i = 0; i < changes; ++i) {
      const std::size_t at = random() % stream.size();
      stream[at] = random() % 4 == 0 ? 0xFF : static_cast<std::uint8_t>(random());
    }
    if (round % 10 == 0) stream.resize(random() % stream.size());
    LineService service(config);
    ServeBytes(service, stream.data(), stream.size());
  }
  for (int round = 0; round < 500; ++round) {
    wire::Bytes payload(random() % 64);
    for (auto& byte : payload) byte = static_cast<std::uint8_t>(random());
    const wire::Bytes stream = wire::EncodeFrame({static_cast<std::uint16_t>(random() % 24), 1, payload});
    LineService service(config);
    ServeBytes(service, stream.data(), stream.size());
  }
}

}  // namespace
}  // namespace isdn::sim
