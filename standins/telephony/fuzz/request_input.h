// Feeds arbitrary bytes to the simulator as one connection's stream: frames
// are cut out and answered as library requests or tool commands.
#pragma once

#include <cstddef>
#include <cstdint>

#include "control_commands.h"
#include "frame.h"
#include "line_service.h"
#include "messages.h"

namespace isdn::sim {

inline void ServeBytes(LineService& service, const std::uint8_t* data, std::size_t size) {
  wire::FrameBuffer buffer;
  buffer.Append(data, size);
  wire::Frame frame;
  while (buffer.Next(frame)) {
    if (frame.kind == wire::kControl) {
      wire::Reader in(frame.payload);
      std::vector<std::string> words;
      const std::uint32_t count = in.U32();
      for (std::uint32_t i = 0; i < count && in.Ok() && !in.AtEnd(); ++i) words.push_back(in.Str());
      if (in.Ok() && !words.empty() && words[0] != "stop") RunControlCommand(service, words);
    } else {
      service.Handle(1, frame);
    }
    service.Tick();
    service.TakeOutbox();
  }
  service.ClientGone(1);
}

}  // namespace isdn::sim
