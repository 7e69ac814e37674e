#include "headlessrun.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include <platform/queue.h>
#include <platform/screenshot.h>
#include <platform/services.h>
#include <platform/thread.h>

#include <tarvelapp.h>

#include "shet.h"

namespace {

std::string Setting(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

// Runs on the UI thread when the time is up.
void Finish(const std::string& screenshotPath) {
  if (auto* sheet = dynamic_cast<CShet*>(CTarvelApp::GetSheet()); sheet != nullptr && sheet->Exists()) {
    std::printf("sheet: %s\n", sheet->GetCaption().c_str());
    for (int i = 0; i < sheet->GetPageCount(); ++i) std::printf("tab: %s\n", sheet->GetPage(i)->GetCaption().c_str());
    if (!screenshotPath.empty() && !platform::SaveScreenshot(*sheet, screenshotPath))
      std::fprintf(stderr, "cannot write the screenshot %s\n", screenshotPath.c_str());
  } else {
    std::printf("no sheet\n");
  }
  std::fflush(stdout);
  platform::PostQuitMessage(0);
}

struct Timing {
  int ms;
  std::string screenshotPath;
};

int WaitThenFinish(void* arg) {
  std::unique_ptr<Timing> timing(static_cast<Timing*>(arg));
  std::this_thread::sleep_for(std::chrono::milliseconds(timing->ms));
  platform::QueueCall([path = timing->screenshotPath] { Finish(path); });
  return 0;
}

}  // namespace

// Prints every box on standard error, then shows it as usual.
class HeadlessRun::EchoingBoxes : public platform::MessageBoxService {
 public:
  explicit EchoingBoxes(platform::MessageBoxService* shown) : shown_(shown) {}
  int Show(const platform::MessageBoxRequest& request) override {
    std::fprintf(stderr, "[%s] %s\n", request.caption.c_str(), request.text.c_str());
    std::fflush(stderr);
    return shown_ != nullptr ? shown_->Show(request) : platform::IDFAILED;
  }
  platform::MessageBoxService* shown_;
};

HeadlessRun::HeadlessRun() {
  const std::string autoquit = Setting("TARVEL_AUTOQUIT_MS");
  if (autoquit.empty()) return;
  char* end = nullptr;
  const long ms = std::strtol(autoquit.c_str(), &end, 10);
  if (end == autoquit.c_str() || *end != '\0' || ms < 0 || ms > 3600000) {
    std::fprintf(stderr, "TARVEL_AUTOQUIT_MS: not a number of milliseconds: %s\n", autoquit.c_str());
    return;
  }
  active_ = true;
  boxes_ = std::make_unique<EchoingBoxes>(nullptr);
  boxes_->shown_ = platform::SetMessageBoxService(boxes_.get());
  auto* timing = new Timing{static_cast<int>(ms), Setting("TARVEL_SCREENSHOT")};
  if (!platform::StartWorkerThread(&WaitThenFinish, timing, platform::ThreadPriority::Normal)) delete timing;
}

HeadlessRun::~HeadlessRun() {
  if (boxes_ != nullptr) platform::SetMessageBoxService(boxes_->shown_);
}
