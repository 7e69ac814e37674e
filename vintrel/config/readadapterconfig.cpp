#include <cstring>
#include <string>

#include "adapterconfig.h"
#include "platform/osversion.h"
#include "platform/services.h"
#include "platform/systemerror.h"
#include "registrywalk.h"

namespace {

constexpr const char* kCaption = "Vintrel";
constexpr unsigned kOldestKnownMajorVersion = 4;
constexpr int kRegistryErrorStatus = -1;

void ReportRegistryError(long rc) {
  const std::string text = "An error occurred while accessing the Windows Registry.\n"
                           "The Registry is corrupt or the Driver is not installed properly\n[" +
                           std::string(AdapterName, strnlen(AdapterName, sizeof AdapterName)) + "]\n" +
                           platform::SystemErrorText(rc);
  platform::MessageBox(text, kCaption, platform::MB_OK);
  platform::ExitProcess(kRegistryErrorStatus);
}

}  // namespace

void ReadAdapterConfig() {
  const platform::OsVersion version = platform::GetVersion();
  if (version.major < kOldestKnownMajorVersion)
    platform::MessageBox("Warning. Did not recognize your operating system", kCaption, platform::MB_OK);

  const long rc = RegistryWalk(ChooseRegistryLayout(version)).Run();
  if (rc != platform::ERROR_SUCCESS) ReportRegistryError(rc);
}
