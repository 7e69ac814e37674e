#include "brandanimation.h"

#include <cstring>

#include "config/adapterconfig.h"
#include "numcolors.h"
#include "platform/services.h"
#include "platform/systemerror.h"
#include "res/resource.h"
#include "vintrelapp.h"

namespace {

// Adapter names that begin with one of these words get the clip (case counts).
constexpr const char* kBrandWords[] = {"Tessaly", "Pondrel"};

// Fewer colours than this: the clip is shown on its first frame only.
constexpr std::int32_t kColoursToPlay = 32;

bool IsBrandAdapter(const char* name) {
  for (const char* word : kBrandWords) {
    if (std::strncmp(name, word, std::strlen(word)) == 0) return true;
  }
  return false;
}

}  // namespace

void StartBrandAnimation(platform::Animation* control, bool& tried) {
  if (tried) return;
  tried = true;
  if (control == nullptr || !IsBrandAdapter(AdapterName)) return;
  if (!control->Open(IDR_BRAND_CLIP)) {
    platform::MessageBox(platform::SystemErrorText(control->LastError()), kAppName, platform::MB_OK);
    return;
  }
  if (NumColors >= kColoursToPlay || NumColors == -1) control->Play(0, -1, -1);
}
