// One item of a map: a region on the overview map, a country on a regional map.
#pragma once

#include <cstdint>
#include <string>

struct MapItem {
  std::uint8_t spare = 0;      // kept as read; nothing consults it
  std::uint8_t modemCode = 0;  // country code handed to the modem library
  std::int16_t labelX = 0;     // where the map view writes the name
  std::int16_t labelY = 0;
  std::string name;            // single-byte (Windows-1252) text
};
