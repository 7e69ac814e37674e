// Unattended runs of the program (tests, CI): settings read from the
// environment by the program's entry point only, never by its logic.
//
//   TARVEL_AUTOQUIT_MS=n    after n ms: print the sheet's caption and tabs on
//                           standard output, take the screenshot if asked,
//                           then quit (a box open then is closed as by its
//                           close button). Every message box text is also
//                           printed on standard error.
//   TARVEL_SCREENSHOT=path  the sheet as a PNG file, taken before quitting.
#pragma once

#include <memory>
#include <string>

class HeadlessRun {
 public:
  HeadlessRun();
  ~HeadlessRun();
  HeadlessRun(const HeadlessRun&) = delete;
  HeadlessRun& operator=(const HeadlessRun&) = delete;

  bool Active() const { return active_; }

 private:
  class EchoingBoxes;
  bool active_ = false;
  std::unique_ptr<EchoingBoxes> boxes_;
};
