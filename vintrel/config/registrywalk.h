// The walks that find the adapter in the registry and read its values.
#pragma once

#include <string>

#include "platform/osversion.h"
#include "platform/registry.h"

// Where the adapter's registry entries lie, by operating system version.
enum class RegistryLayout {
  ClassKey,        // major version 5: the network adapter class key
  ServiceLinkage,  // NT family, other versions: the adapter's service and its route
  NetClass,        // 95 family, other versions: the Net class key
};

RegistryLayout ChooseRegistryLayout(const platform::OsVersion& version);

// One walk over the registry for `AdapterName`, filling `AdapterConfig` when
// its board type is still 0. Run gives the result of the last recorded registry
// call: 0 when the adapter was found.
class RegistryWalk {
 public:
  explicit RegistryWalk(RegistryLayout layout) : layout_(layout) {}
  long Run();

  // The longest key path the walks build, with its zero.
  static constexpr std::size_t kPathBytes = 200;

  // The class key and identifying value of the ClassKey and NetClass walks.
  struct ClassLayout;

 private:
  long RunClassWalk(const ClassLayout& layout);
  long ReadMatchedAdapter(const ClassLayout& layout, const std::string& adapterPath, platform::RegistryKey adapterKey);
  long RunServiceLinkage();

  RegistryLayout layout_;
};
