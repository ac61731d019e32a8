#!/usr/bin/env bash
# Every scenario of tests/scenarios played by the native vornix-script and by
# build-web/vornix-script.js under node: standard output, standard error and the
# exit status must be the same, byte for byte (also with --trace, and once
# through standard input). Usage: scenarios_node.sh NATIVE_VORNIX_SCRIPT WEB_VORNIX_SCRIPT_JS
set -uo pipefail
native=$1 web=$2
scenarios=$(cd "$(dirname "$0")/../scenarios" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
node=(node --no-experimental-fetch "$web")
failed=0 count=0

same() {  # NAME, then the arguments both runners get
  local name=$1
  shift
  "$native" "$@" <"$input" >"$work/n.out" 2>"$work/n.err"
  echo "$?" >"$work/n.rc"
  "${node[@]}" "$@" <"$input" >"$work/w.out" 2>"$work/w.err"
  echo "$?" >"$work/w.rc"
  count=$((count + 1))
  for part in out err rc; do
    if ! cmp -s "$work/n.$part" "$work/w.$part"; then
      echo "FAIL $name: the standard ${part/rc/exit status} differs"
      diff <(head -c 4000 "$work/n.$part") <(head -c 4000 "$work/w.$part") | head -20
      failed=$((failed + 1))
      return
    fi
  done
}

input=/dev/null
for file in "$scenarios"/*.vxs; do
  args=$(sed -n 's/^#@ ARGS *//p' "$file" | head -1)
  read -r -a argv <<<"${args:---seed 1}"
  same "$(basename "$file")" "${argv[@]}" "$file"
done
# The runner's own faults and modes, on one scenario.
first=$(ls "$scenarios"/*.vxs | head -1)
same "--trace" --seed 7 --trace "$first"
input=$first
same "standard input" --seed 3 -
input=/dev/null
same "missing file" --seed 1 "$work/missing.vxs"
same "bad seed" --seed x "$first"
same "no file" --seed 1

echo "$count runs, $failed differ"
[ "$failed" -eq 0 ] && [ "$count" -gt 40 ]
