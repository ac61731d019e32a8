#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UBSan included) and
# runs each for SECONDS (default 30) from its seed corpus in fuzz/corpus/NAME.
# A finding fails the run; keep its input in fuzz/corpus/NAME as a regression case.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
build="$root/build-fuzz"
cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVORNIX_TESTS=OFF -DVORNIX_FUZZ=ON -DVORNIX_SANITIZE=ON >/dev/null
targets=$(cd "$root/fuzz" && ls *_fuzz.cpp | sed 's/_fuzz\.cpp$//')
cmake --build "$build" -j "$(nproc)" --target $(for t in $targets; do echo "fuzz-$t"; done)
for t in $targets; do
  echo "Fuzzing $t for ${seconds}s"
  work=$(mktemp -d)
  cp -r "$root/fuzz/corpus/$t/." "$work/"
  (cd "$build" && ./"fuzz-$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
     -artifact_prefix="$build/$t-" "$work" 2>&1 | tail -n 3)
  rm -rf "$work"
done
