#include "registrywalk.h"

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string_view>

#include "adapterconfig.h"
#include "platform/systemerror.h"

using platform::RegistryKey;

namespace {

constexpr std::uint32_t kNameBytes = 80;  // identifying values, "Route" and subkey names
constexpr std::uint32_t kTextBytes = sizeof AdapterConfigRecord::Phone0;
constexpr std::int32_t kDigitZero = '0';

using TextField = char (AdapterConfigRecord::*)[50];
struct TextValue {
  const char* name;
  TextField field;
};

// Values of the adapter's own key (NetClass) or of its service's parameters (ServiceLinkage).
constexpr TextValue kLineValues[] = {
    {"Line0.Channel0.Phone", &AdapterConfigRecord::Phone0},
    {"Line0.Channel1.Phone", &AdapterConfigRecord::Phone1},
    {"Line0.Channel0.SPID", &AdapterConfigRecord::Spid0},
    {"Line0.Channel1.SPID", &AdapterConfigRecord::Spid1},
};
// Values of the adapter's channel subkeys "0\0" and "0\1" (ClassKey).
constexpr TextValue kChannel0Values[] = {
    {"IsdnPhoneNumber", &AdapterConfigRecord::Phone0},
    {"IsdnSpid", &AdapterConfigRecord::Spid0},
};
constexpr TextValue kChannel1Values[] = {
    {"IsdnPhoneNumber", &AdapterConfigRecord::Phone1},
    {"IsdnSpid", &AdapterConfigRecord::Spid1},
};

constexpr const char* kServicesKey = "SYSTEM\\CurrentControlSet\\Services\\";

std::string_view AdapterNameText() {
  return std::string_view(AdapterName, strnlen(AdapterName, sizeof AdapterName));
}

// Joins `parts` into `path`; false when the path would not fit the walk's path buffer.
bool BuildPath(std::string& path, std::initializer_list<std::string_view> parts) {
  path.clear();
  for (std::string_view part : parts) path += part;
  return path.size() < RegistryWalk::kPathBytes;
}

// A text value into its field, as the registry stores it; a value that is
// missing or larger than the field leaves the field as it was.
void ReadText(RegistryKey key, const TextValue& value) {
  char bytes[kTextBytes];
  std::uint32_t size = sizeof bytes;
  if (platform::RegQueryValueEx(key, value.name, nullptr, bytes, &size) != platform::ERROR_SUCCESS) return;
  char* field = AdapterConfig.*value.field;
  std::memcpy(field, bytes, size);
  field[kTextBytes - 1] = '\0';  // a value of 50 bytes without its zero still ends inside the field
}

template <std::size_t N>
void ReadTexts(RegistryKey key, const TextValue (&values)[N]) {
  for (const TextValue& value : values) ReadText(key, value);
}

// "Revision" over the bytes of BoardType, little-endian: a shorter value
// replaces only its own bytes, a missing one none.
void ReadRevision(RegistryKey key) {
  const auto current = static_cast<std::uint32_t>(AdapterConfig.BoardType);
  unsigned char bytes[4] = {
      static_cast<unsigned char>(current), static_cast<unsigned char>(current >> 8),
      static_cast<unsigned char>(current >> 16), static_cast<unsigned char>(current >> 24)};
  std::uint32_t size = sizeof bytes;
  platform::RegQueryValueEx(key, "Revision", nullptr, bytes, &size);
  AdapterConfig.BoardType = static_cast<std::int32_t>(static_cast<std::uint32_t>(bytes[0]) | bytes[1] << 8 |
                                                      bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24);
}

}  // namespace

struct RegistryWalk::ClassLayout {
  const char* classKey;
  const char* identifyingValue;  // compared with AdapterName
  bool channelSubkeys;           // phone numbers and SPIDs lie in "0\0" and "0\1"
};

namespace {

constexpr RegistryWalk::ClassLayout kClassKeyLayout{
    "System\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}", "DeviceName", true};
constexpr RegistryWalk::ClassLayout kNetClassLayout{"System\\CurrentControlSet\\Services\\Class\\Net", "Boardname",
                                                    false};

}  // namespace

RegistryLayout ChooseRegistryLayout(const platform::OsVersion& version) {
  if (version.major == 5) return RegistryLayout::ClassKey;
  return version.ntFamily ? RegistryLayout::ServiceLinkage : RegistryLayout::NetClass;
}

long RegistryWalk::Run() {
  switch (layout_) {
    case RegistryLayout::ClassKey: return RunClassWalk(kClassKeyLayout);
    case RegistryLayout::NetClass: return RunClassWalk(kNetClassLayout);
    case RegistryLayout::ServiceLinkage: return RunServiceLinkage();
  }
  return platform::ERROR_INVALID_FUNCTION;
}

long RegistryWalk::RunClassWalk(const ClassLayout& layout) {
  for (unsigned index = 0;; ++index) {
    RegistryKey classKey = 0;
    long rc = platform::RegOpenKey(layout.classKey, &classKey);
    if (rc != platform::ERROR_SUCCESS) return rc;

    char subkey[kNameBytes];
    rc = platform::RegEnumKey(classKey, index, subkey, sizeof subkey);
    std::string adapterPath;
    if (rc == platform::ERROR_SUCCESS && !BuildPath(adapterPath, {layout.classKey, "\\", subkey}))
      rc = platform::ERROR_FILENAME_EXCED_RANGE;
    RegistryKey adapterKey = 0;
    if (rc == platform::ERROR_SUCCESS) rc = platform::RegOpenKey(adapterPath.c_str(), &adapterKey);
    if (rc != platform::ERROR_SUCCESS) {
      platform::RegCloseKey(classKey);
      return rc;
    }

    char name[kNameBytes + 1] = {};  // the value need not end with a zero
    std::uint32_t size = kNameBytes;
    rc = platform::RegQueryValueEx(adapterKey, layout.identifyingValue, nullptr, name, &size);
    const bool found = rc == platform::ERROR_SUCCESS && AdapterNameText() == name;
    if (found && AdapterConfig.BoardType == 0) rc = ReadMatchedAdapter(layout, adapterPath, adapterKey);
    platform::RegCloseKey(adapterKey);
    platform::RegCloseKey(classKey);
    if (found) return rc;
  }
}

long RegistryWalk::ReadMatchedAdapter(const ClassLayout& layout, const std::string& adapterPath,
                                      RegistryKey adapterKey) {
  if (!layout.channelSubkeys) {
    ReadTexts(adapterKey, kLineValues);
    ReadRevision(adapterKey);
    AdapterConfig.BoardType -= kDigitZero;
    return platform::ERROR_SUCCESS;
  }

  ReadRevision(adapterKey);
  AdapterConfig.BoardType -= kDigitZero;  // also when "Revision" could not be read

  std::string path;
  RegistryKey channelKey = 0;
  // Channel 0's subkey may be missing; channel 1's may not.
  if (BuildPath(path, {adapterPath, "\\0\\0"}) &&
      platform::RegOpenKey(path.c_str(), &channelKey) == platform::ERROR_SUCCESS) {
    ReadTexts(channelKey, kChannel0Values);
    platform::RegCloseKey(channelKey);
  }
  if (!BuildPath(path, {adapterPath, "\\0\\1"})) return platform::ERROR_FILENAME_EXCED_RANGE;
  const long rc = platform::RegOpenKey(path.c_str(), &channelKey);
  if (rc != platform::ERROR_SUCCESS) return rc;
  ReadTexts(channelKey, kChannel1Values);
  platform::RegCloseKey(channelKey);
  return platform::ERROR_SUCCESS;
}

long RegistryWalk::RunServiceLinkage() {
  std::string path;
  if (!BuildPath(path, {kServicesKey, AdapterNameText(), "\\Linkage"})) return platform::ERROR_FILENAME_EXCED_RANGE;
  RegistryKey key = 0;
  long rc = platform::RegOpenKey(path.c_str(), &key);
  if (rc != platform::ERROR_SUCCESS) return rc;
  char route[kNameBytes];
  std::uint32_t size = sizeof route;
  rc = platform::RegQueryValueEx(key, "Route", nullptr, route, &size);
  platform::RegCloseKey(key);
  if (rc != platform::ERROR_SUCCESS) return rc;

  // "Route" is a multi-string whose first entry is the service name in quotes:
  // the name is what lies between the opening quote and the closing quote with
  // the two zeros that end the value.
  if (size < 4 || route[0] != '"') return platform::ERROR_INVALID_DATA;
  const std::string_view service(route + 1, size - 4);
  if (service.find('\0') != std::string_view::npos) return platform::ERROR_INVALID_DATA;

  if (!BuildPath(path, {kServicesKey, service, "\\Parameters"})) return platform::ERROR_FILENAME_EXCED_RANGE;
  rc = platform::RegOpenKey(path.c_str(), &key);
  if (rc != platform::ERROR_SUCCESS) return rc;
  if (AdapterConfig.BoardType == 0) {
    ReadTexts(key, kLineValues);
    ReadRevision(key);  // a number here: nothing is subtracted
  }
  platform::RegCloseKey(key);
  return platform::ERROR_SUCCESS;
}
