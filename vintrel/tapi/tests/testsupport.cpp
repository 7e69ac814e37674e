#include "testsupport.h"

#include <cstring>

#include "config/adapterconfig.h"
#include "devspecific.h"
#include "log/eventlog.h"

std::vector<std::string> LogTexts() {
  std::vector<std::string> texts;
  EventLog.Lock();
  EventLog.ForEachOldestFirst([&](const char* line) {
    const std::size_t stamp = std::strlen("HH:MM:SS  ");
    texts.emplace_back(std::strlen(line) >= stamp ? line + stamp : line);
  });
  EventLog.Unlock();
  return texts;
}

std::string Logged(const std::string& text) {
  const std::size_t stamp = std::strlen("HH:MM:SS  ");
  return text.substr(0, EventLogStore::kSlotBytes - 1 - stamp);
}

void ResetProgramState() {
  EventLog.Clear();
  AdapterStatus = AdapterStatusRecord{};
  DevSpecificRequest = DevSpecificRequestBlock{};
  std::memset(AdapterName, 0, sizeof AdapterName);
  AdapterConfig = AdapterConfigRecord{};
}
