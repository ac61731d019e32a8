// How fast hostile pictures are refused, read from a file as a skin's pictures
// are, and the largest single allocation made while refusing each (this program
// watches malloc, which libpng, libjpeg and operator new all go through).
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>

#include "platform/picture_file.h"
#include "support/hostile_pictures.h"
#include "support/temp_dir.h"

// glibc's own allocator under the names this program gives its users.
extern "C" void* __libc_malloc(std::size_t);
extern "C" void* __libc_calloc(std::size_t, std::size_t);
extern "C" void* __libc_realloc(void*, std::size_t);

namespace {
std::atomic<std::size_t> largest_request{0};
void note(std::size_t n) {
  std::size_t seen = largest_request.load(std::memory_order_relaxed);
  while (n > seen && !largest_request.compare_exchange_weak(seen, n, std::memory_order_relaxed)) {
  }
}
}  // namespace

extern "C" void* malloc(std::size_t n) {
  note(n);
  return __libc_malloc(n);
}
extern "C" void* calloc(std::size_t count, std::size_t n) {
  note(count * n);
  return __libc_calloc(count, n);
}
extern "C" void* realloc(void* p, std::size_t n) {
  note(n);
  return __libc_realloc(p, n);
}

namespace vx {
namespace {

void BM_Refuse(benchmark::State& state, std::filesystem::path file) {
  largest_request = 0;
  for (auto _ : state) {
    std::string error;
    if (decode_picture_file(file, error)) state.SkipWithError("the hostile picture was decoded");
    benchmark::DoNotOptimize(error);
  }
  state.counters["largest_alloc_kB"] = static_cast<double>(largest_request.load()) / 1024.0;
}

}  // namespace
}  // namespace vx

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  vx::test::TempDir dir;
  for (const auto& hostile : vx::test::hostile_pictures()) {
    const auto file = dir / hostile.file;
    vx::test::write_file(file, hostile.bytes);
    benchmark::RegisterBenchmark(("refuse/" + hostile.file).c_str(), vx::BM_Refuse, file)
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
