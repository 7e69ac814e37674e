#include "platform/resources.h"

#include <map>
#include <mutex>
#include <utility>

namespace platform {
namespace {

struct Table {
  std::mutex mutex;
  std::map<std::pair<ResourceType, int>, std::span<const unsigned char>> entries;
};

// Filled by static initialisers of the programs, possibly before main.
Table& Resources() {
  static Table* table = new Table;
  return *table;
}

}  // namespace

void RegisterResource(ResourceType type, int id, const void* data, std::size_t size) {
  Table& table = Resources();
  std::lock_guard<std::mutex> lock(table.mutex);
  table.entries[{type, id}] = std::span<const unsigned char>(static_cast<const unsigned char*>(data), size);
}

std::optional<std::span<const unsigned char>> FindResource(ResourceType type, int id) {
  Table& table = Resources();
  std::lock_guard<std::mutex> lock(table.mutex);
  auto it = table.entries.find({type, id});
  if (it == table.entries.end()) return std::nullopt;
  return it->second;
}

std::string LoadString(int id) {
  auto bytes = FindResource(ResourceType::String, id);
  return bytes ? std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size()) : std::string();
}

}  // namespace platform
