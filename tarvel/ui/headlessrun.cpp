#include "headlessrun.h"

#include <atomic>
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

std::atomic<int> g_boxesShowing{0};

constexpr int kRecheckMs = 200;

struct Timing {
  int ms;
  std::string screenshotPath;
};

void FinishOnUiThread(const Timing& timing);

int WaitThenFinish(void* arg) {
  std::unique_ptr<Timing> timing(static_cast<Timing*>(arg));
  std::this_thread::sleep_for(std::chrono::milliseconds(timing->ms));
  platform::QueueCall([t = *timing] { FinishOnUiThread(t); });
  return 0;
}

// Runs on the UI thread when the time is up. Until the sheet is there (a slow
// start), it looks again a little later, unless a box holds up the start.
void FinishOnUiThread(const Timing& timing) {
  auto* sheet = dynamic_cast<CShet*>(CTarvelApp::GetSheet());
  if (sheet == nullptr || !sheet->Exists()) {
    if (g_boxesShowing == 0) {
      auto* again = new Timing{kRecheckMs, timing.screenshotPath};
      if (platform::StartWorkerThread(&WaitThenFinish, again, platform::ThreadPriority::Normal)) return;
      delete again;
    }
    std::printf("no sheet\n");
  } else {
    std::printf("sheet: %s\n", sheet->GetCaption().c_str());
    for (int i = 0; i < sheet->GetPageCount(); ++i) std::printf("tab: %s\n", sheet->GetPage(i)->GetCaption().c_str());
    if (!timing.screenshotPath.empty() && !platform::SaveScreenshot(*sheet, timing.screenshotPath))
      std::fprintf(stderr, "cannot write the screenshot %s\n", timing.screenshotPath.c_str());
  }
  std::fflush(stdout);
  platform::PostQuitMessage(0);
}

}  // namespace

// Prints every box on standard error, then shows it as usual.
class HeadlessRun::EchoingBoxes : public platform::MessageBoxService {
 public:
  explicit EchoingBoxes(platform::MessageBoxService* shown) : shown_(shown) {}
  int Show(const platform::MessageBoxRequest& request) override {
    std::fprintf(stderr, "[%s] %s\n", request.caption.c_str(), request.text.c_str());
    std::fflush(stderr);
    ++g_boxesShowing;
    const int answer = shown_ != nullptr ? shown_->Show(request) : platform::IDFAILED;
    --g_boxesShowing;
    return answer;
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
