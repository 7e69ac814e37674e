// The installed adapter's configuration and name.
#pragma once

#include <cstddef>
#include <cstdint>

struct AdapterConfigRecord {
  std::int32_t BoardType = 0;  // 0 = not known yet
  char Phone0[50] = {};
  char Phone1[50] = {};
  char Spid0[50] = {};
  char Spid1[50] = {};
};

extern AdapterConfigRecord AdapterConfig;

// The adapter's name: the part of its line names before "ISDN1"/"ISDN2", at
// most 19 characters. Written by the line monitor, read by the registry walk
// and the pages.
extern char AdapterName[20];

// Takes board type, phone numbers and SPIDs from a line's switch-information
// area of `size` bytes; never reads past it.
void ParseSwitchInfo(const unsigned char* area, std::size_t size);

// Finds the adapter in the registry and reads its values; on failure shows the
// registry error and ends the process with status -1.
void ReadAdapterConfig();
