#!/bin/sh
# The fuzz build instruments the code under test for coverage, not only the
# harnesses: configured with clang as tools/fuzz.sh does (not built), every
# library the fuzzers reach (the decoders, the INI and skin readers, the skin
# loader, the settings, the scripts and the core) compiles with
# -fsanitize=fuzzer-no-link, and every harness in fuzz/ has its target.
set -eu
root=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cmake -S "$root" -B "$dir" -G "Unix Makefiles" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVORNIX_TESTS=OFF -DVORNIX_FUZZ=ON -DVORNIX_SANITIZE=ON >/dev/null
status=0
for lib in vornix-skin vornix-game vornix-host vornix-script-lib vornix-platform vornix-display; do
  flags=$(find "$dir" -path "*/CMakeFiles/$lib.dir/flags.make" | head -n 1)
  if [ -z "$flags" ] || ! grep -q -- "-fsanitize=fuzzer-no-link" "$flags"; then
    echo "$lib is built without coverage for the fuzzers"
    status=1
  fi
done
for harness in "$root"/fuzz/*_fuzz.cpp; do
  name=$(basename "$harness" _fuzz.cpp)
  if [ -z "$(find "$dir" -type d -name "fuzz-$name.dir")" ]; then
    echo "fuzz/$name""_fuzz.cpp has no target fuzz-$name"
    status=1
  fi
done
exit $status
