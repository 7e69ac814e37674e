#include "platform/registrytree.h"

#include <algorithm>

namespace platform {
namespace {

char Fold(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

bool RegistryNamesEqual(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Fold(x) == Fold(y); });
}

bool RegistryTree::Key::Less::operator()(std::string_view a, std::string_view b) const {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(Fold(x)) < static_cast<unsigned char>(Fold(y));
  });
}

const RegistryTree::Key* RegistryTree::Key::Subkey(std::size_t index) const {
  return index < order_.size() ? order_[index] : nullptr;
}

const RegistryTree::Key* RegistryTree::Key::FindSubkey(std::string_view name) const {
  auto it = subkeys_.find(name);
  return it == subkeys_.end() ? nullptr : it->second.get();
}

const RegistryValue* RegistryTree::Key::FindValue(std::string_view name) const {
  for (const RegistryValue& value : values_)
    if (RegistryNamesEqual(value.name, name)) return &value;
  return nullptr;
}

RegistryTree::RegistryTree() = default;

const RegistryTree::Key* RegistryTree::Find(const Key& from, std::string_view path) const {
  const Key* key = &from;
  while (key != nullptr && !path.empty()) {
    const std::size_t cut = path.find('\\');
    const std::string_view part = path.substr(0, cut);
    path = cut == std::string_view::npos ? std::string_view() : path.substr(cut + 1);
    if (!part.empty()) key = key->FindSubkey(part);
  }
  return key;
}

RegistryTree::Key& RegistryTree::CreateKey(const std::vector<std::string>& path) {
  Key* key = &root_;
  for (const std::string& part : path) {
    auto it = key->subkeys_.find(part);
    if (it == key->subkeys_.end()) {
      auto child = std::make_unique<Key>();
      child->name_ = part;
      it = key->subkeys_.emplace(part, std::move(child)).first;
      key->dirty_ = true;
    }
    key = it->second.get();
  }
  return *key;
}

void RegistryTree::DeleteKey(const std::vector<std::string>& path) {
  if (path.empty()) return;
  Key* parent = &root_;
  for (std::size_t i = 0; i + 1 < path.size(); ++i) {
    auto it = parent->subkeys_.find(path[i]);
    if (it == parent->subkeys_.end()) return;
    parent = it->second.get();
  }
  if (parent->subkeys_.erase(path.back()) > 0) parent->dirty_ = true;
}

void RegistryTree::SetValue(Key& key, RegistryValue value) {
  for (RegistryValue& existing : key.values_) {
    if (RegistryNamesEqual(existing.name, value.name)) {
      existing = std::move(value);
      return;
    }
  }
  key.values_.push_back(std::move(value));
}

void RegistryTree::DeleteValue(Key& key, std::string_view name) {
  std::erase_if(key.values_, [name](const RegistryValue& value) { return RegistryNamesEqual(value.name, name); });
}

void RegistryTree::Index() { Index(root_); }

void RegistryTree::Index(Key& key) {
  if (key.dirty_) {
    key.order_.clear();
    key.order_.reserve(key.subkeys_.size());
    for (const auto& entry : key.subkeys_) key.order_.push_back(entry.second.get());
    key.dirty_ = false;
  }
  for (auto& entry : key.subkeys_) Index(*entry.second);
}

}  // namespace platform
