// Cost of one event log append: one formatted line and one bounded copy,
// whatever the number of lines held (the ring is kept full here).
#include <benchmark/benchmark.h>

#include <memory>

#include "eventlog.h"

namespace {

void BM_EventLogAppend(benchmark::State& state) {
  auto log = std::make_unique<EventLogStore>();
  for (int i = 0; i < EventLogStore::kSlots; ++i) log->Append("warm-up line");
  if (state.range(0) != 0) log->AttachViewer();
  for (auto _ : state) log->Append("TAPI : CONNECTED on Line 1 with a text long enough to be cut");
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EventLogAppend)->Arg(0)->Arg(1)->ArgName("viewer");

}  // namespace
