// What port discovery needs from the sheet that runs it: a timer, a worker
// thread, and a window handle that the worker posts WM_PROBE_DONE to.
#pragma once

#include <platform/queue.h>

class ProbeHost {
 public:
  virtual ~ProbeHost() = default;
  // Sets the window timer `id` with the period `ms`; returns the identifier to
  // kill it by. It arrives as PortProber::OnTimer on the UI thread.
  virtual unsigned SetProbeTimer(unsigned id, unsigned ms) = 0;
  virtual void KillProbeTimer(unsigned timer) = 0;
  // Starts proc(arg) on a worker thread at below-normal priority; false when
  // no thread could be started.
  virtual bool StartProbeWorker(int (*proc)(void*), void* arg) = 0;
  virtual platform::WindowHandle Handle() = 0;
};
