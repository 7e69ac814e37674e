// A read-only tree of registry keys and values.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Value types, with the numbers the desktop platform uses.
enum RegistryValueType : std::uint32_t {
  REG_NONE = 0,
  REG_SZ = 1,
  REG_EXPAND_SZ = 2,
  REG_BINARY = 3,
  REG_DWORD = 4,
  REG_DWORD_BIG_ENDIAN = 5,
  REG_LINK = 6,
  REG_MULTI_SZ = 7,
  REG_QWORD = 11,
};

struct RegistryValue {
  std::string name;  // empty: the key's default value
  std::uint32_t type = REG_NONE;
  std::vector<unsigned char> data;  // texts as 8-bit bytes with their zeros
};

// Keys and value names compare without regard to (ASCII) letter case; a key
// keeps the spelling under which it was first created. Subkeys enumerate in
// case-insensitive name order.
class RegistryTree {
 public:
  class Key {
   public:
    const std::string& Name() const { return name_; }
    std::size_t SubkeyCount() const { return subkeys_.size(); }
    const Key* Subkey(std::size_t index) const;  // nullptr past the last
    const Key* FindSubkey(std::string_view name) const;
    const RegistryValue* FindValue(std::string_view name) const;
    const std::vector<RegistryValue>& Values() const { return values_; }

   private:
    friend class RegistryTree;
    struct Less {
      using is_transparent = void;
      bool operator()(std::string_view a, std::string_view b) const;
    };
    std::string name_;
    std::map<std::string, std::unique_ptr<Key>, Less> subkeys_;
    std::vector<const Key*> order_;  // subkeys_ by position, rebuilt by Index()
    bool dirty_ = false;
    std::vector<RegistryValue> values_;
  };

  RegistryTree();

  // The top key, whose subkeys are the roots (HKEY_LOCAL_MACHINE, ...).
  const Key& Root() const { return root_; }
  // Walks a path of names separated by backslashes from `from`; empty parts are
  // skipped. nullptr when a part is missing.
  const Key* Find(const Key& from, std::string_view path) const;

  // Building, for the file reader. Paths are lists of key names.
  Key& CreateKey(const std::vector<std::string>& path);
  void DeleteKey(const std::vector<std::string>& path);  // and all below it
  static void SetValue(Key& key, RegistryValue value);   // replaces one of the same name
  static void DeleteValue(Key& key, std::string_view name);
  // Makes the subkeys enumerable by position after building; call once done.
  void Index();

 private:
  static void Index(Key& key);
  Key root_;
};

// Compares two names without regard to ASCII letter case.
bool RegistryNamesEqual(std::string_view a, std::string_view b);

}  // namespace platform
