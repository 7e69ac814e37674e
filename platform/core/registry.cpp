#include "platform/registry.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <mutex>
#include <unordered_map>

#include "platform/regfile.h"
#include "platform/systemerror.h"

namespace platform {
namespace {

constexpr const char* kLocalMachine = "HKEY_LOCAL_MACHINE";

struct OpenKey {
  std::shared_ptr<const RegistryTree> tree;  // keeps the tree alive while the key is open
  const RegistryTree::Key* key;
};

struct State {
  std::mutex mutex;
  std::shared_ptr<const RegistryTree> tree;  // nullptr: not read yet
  std::unordered_map<RegistryKey, OpenKey> open;
  RegistryKey nextHandle = 1;
};

State& Registry() {
  static State state;
  return state;
}

std::shared_ptr<const RegistryTree> ReadInstalledFile() {
  const std::string path = RegistryFilePath();
  std::error_code error;
  if (!std::filesystem::exists(path, error)) return std::make_shared<RegistryTree>();
  std::string problem;
  std::shared_ptr<const RegistryTree> tree = ReadRegistryFile(path, &problem);
  if (tree) return tree;
  std::cerr << "registry: " << problem << "; the registry is empty\n";
  return std::make_shared<RegistryTree>();
}

// Looks up an open key; the caller holds the mutex.
const OpenKey* FindOpen(State& state, RegistryKey key) {
  auto it = state.open.find(key);
  return it == state.open.end() ? nullptr : &it->second;
}

}  // namespace

std::string RegistryFilePath() {
  if (const char* path = std::getenv("PLATFORM_REGISTRY"); path != nullptr && *path != '\0') return path;
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config != '\0')
    return std::string(config) + "/vintrel/registry.reg";
  const char* home = std::getenv("HOME");
  return std::string(home != nullptr ? home : "") + "/.config/vintrel/registry.reg";
}

std::shared_ptr<const RegistryTree> SetRegistry(std::shared_ptr<const RegistryTree> tree) {
  State& state = Registry();
  std::lock_guard lock(state.mutex);
  std::swap(state.tree, tree);
  return tree;
}

long RegOpenKey(const char* path, RegistryKey* key) {
  if (key == nullptr) return ERROR_INVALID_PARAMETER;
  *key = 0;
  State& state = Registry();
  std::lock_guard lock(state.mutex);
  if (!state.tree) state.tree = ReadInstalledFile();
  const RegistryTree::Key* root = state.tree->Root().FindSubkey(kLocalMachine);
  const RegistryTree::Key* found = root != nullptr ? state.tree->Find(*root, path != nullptr ? path : "") : nullptr;
  if (found == nullptr) return ERROR_FILE_NOT_FOUND;
  *key = state.nextHandle++;
  state.open.emplace(*key, OpenKey{state.tree, found});
  return ERROR_SUCCESS;
}

long RegEnumKey(RegistryKey key, unsigned index, char* name, std::size_t size) {
  State& state = Registry();
  std::lock_guard lock(state.mutex);
  const OpenKey* open = FindOpen(state, key);
  if (open == nullptr) return ERROR_INVALID_HANDLE;
  const RegistryTree::Key* subkey = open->key->Subkey(index);
  if (subkey == nullptr) return ERROR_NO_MORE_ITEMS;
  const std::string& text = subkey->Name();
  if (name == nullptr || text.size() >= size) return ERROR_MORE_DATA;
  std::memcpy(name, text.c_str(), text.size() + 1);
  return ERROR_SUCCESS;
}

long RegQueryValueEx(RegistryKey key, const char* name, std::uint32_t* type, void* data, std::uint32_t* size) {
  State& state = Registry();
  std::lock_guard lock(state.mutex);
  const OpenKey* open = FindOpen(state, key);
  if (open == nullptr) return ERROR_INVALID_HANDLE;
  const RegistryValue* value = open->key->FindValue(name != nullptr ? name : "");
  if (value == nullptr) return ERROR_FILE_NOT_FOUND;
  if (type != nullptr) *type = value->type;
  const std::size_t needed = value->data.size();
  if (data != nullptr) {
    if (size == nullptr) return ERROR_INVALID_PARAMETER;
    if (needed > *size) {
      *size = static_cast<std::uint32_t>(needed);
      return ERROR_MORE_DATA;
    }
    if (needed > 0) std::memcpy(data, value->data.data(), needed);
  }
  if (size != nullptr) *size = static_cast<std::uint32_t>(needed);
  return ERROR_SUCCESS;
}

std::size_t OpenRegistryKeyCount() {
  State& state = Registry();
  std::lock_guard lock(state.mutex);
  return state.open.size();
}

long RegCloseKey(RegistryKey key) {
  State& state = Registry();
  std::lock_guard lock(state.mutex);
  return state.open.erase(key) > 0 ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

}  // namespace platform
