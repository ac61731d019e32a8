#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (the code under test instrumented for
# coverage, AddressSanitizer and UBSan everywhere) and runs each for SECONDS
# (default 30) from its corpus in fuzz/corpus/NAME, each in a temporary folder of
# its own. Prints each target's runs and its coverage at the start (the corpus)
# and at the end; inputs that reached new coverage are merged into
# fuzz/corpus/NAME (small ones only), to be committed. A finding fails the run;
# keep its input in fuzz/corpus/NAME as a regression case.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
build="$root/build-fuzz"
max_len=4096
cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVORNIX_TESTS=OFF -DVORNIX_FUZZ=ON -DVORNIX_SANITIZE=ON >/dev/null
targets=$(cd "$root/fuzz" && ls *_fuzz.cpp | sed 's/_fuzz\.cpp$//')
cmake --build "$build" -j "$(nproc)" --target $(for t in $targets; do echo "fuzz-$t"; done)
# An undefined behaviour is a finding, not a line on the way.
export UBSAN_OPTIONS=halt_on_error=1:abort_on_error=1:print_stacktrace=1
status=0
for t in $targets; do
  corpus="$root/fuzz/corpus/$t"
  mkdir -p "$corpus"
  tmp=$(mktemp -d)
  mkdir "$tmp/corpus" "$tmp/files"
  cp -r "$corpus/." "$tmp/corpus/"
  log="$tmp/log"
  if ! (cd "$build" && TMPDIR="$tmp/files" ./"fuzz-$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
          -max_len=$max_len -close_fd_mask=2 -artifact_prefix="$build/$t-" "$tmp/corpus" >"$log" 2>&1); then
    tail -n 40 "$log"
    echo "fuzz-$t: FAILED (the input is in $build/$t-*)"
    status=1
  fi
  start=$(grep -m1 -o 'INITED cov: [0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
  final=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | grep -o '[0-9]*$' || echo '?')
  runs=$(grep -o 'Done [0-9]* runs' "$log" | grep -o '[0-9]*' || echo '?')
  before=$(ls "$corpus" | wc -l)
  (cd "$build" && TMPDIR="$tmp/files" ./"fuzz-$t" -merge=1 -max_len=$max_len -close_fd_mask=2 \
     "$corpus" "$tmp/corpus" >/dev/null 2>&1) || true
  after=$(ls "$corpus" | wc -l)
  echo "fuzz-$t: $runs runs in ${seconds}s, coverage $start -> $final, corpus $before -> $after files"
  rm -rf "$tmp"
done
exit $status
