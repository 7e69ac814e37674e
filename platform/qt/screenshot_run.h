// Screenshots of a program's sheet without a person at the screen: when the
// environment variable PLATFORM_SCREENSHOT_DIR names a folder, the first modal
// sheet shows each of its pages in turn, saves "<dir>/<n>-<tab>.png" for page
// n (from 1), and then closes as if cancelled. PLATFORM_SCREENSHOT_DELAY_MS
// (default 1500) is how long each page is shown before it is taken, so that
// timers, animations and background work can show their state.
#pragma once

namespace platform {

class PropertySheet;

// Starts the screenshot run on a sheet that has just been shown, when the
// environment asks for one. Returns whether it did.
bool StartScreenshotRun(PropertySheet& sheet);

}  // namespace platform
