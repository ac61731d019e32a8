// Core speed: how many seconds of virtual play the console core runs per second
// of wall time, played by the aiming player through every phase.
#include <benchmark/benchmark.h>

#include "game/console_state.h"
#include "support/autoplay.h"

namespace {

void BM_CoreVirtualPlay(benchmark::State& state) {
  const std::int64_t chunk_ms = 10 * 60 * 1000;
  std::int64_t virtual_ms = 0;
  for (auto _ : state) {
    vx::Console k;
    k.FormCreate();
    k.random.seed(3);
    k.assign_keys(vx::kDefaultKeyIndex);
    vx::AutoPlayer player(k);
    player.power_cuts = false;
    player.play_for(chunk_ms);
    virtual_ms += chunk_ms;
  }
  // Virtual seconds per wall second: "x real time".
  state.counters["x_real_time"] =
      benchmark::Counter(static_cast<double>(virtual_ms) / 1000.0, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CoreVirtualPlay)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
