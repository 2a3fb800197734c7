#!/usr/bin/env bash
# Runs every libFuzzer target for a short, fixed number of runs on its starting
# corpus (fuzz/corpus/NAME). Expects the fuzz build: BUILD_DIR, default build/fuzz.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build/fuzz}
runs=${FUZZ_RUNS:-15000}
status=0
for source in fuzz/*.cpp; do
  name=$(basename "$source" .cpp)
  binary=$(find "$build" -type f -name "fuzz_$name" -perm -u+x | head -n 1)
  if [ -z "$binary" ]; then
    echo "fuzz: no binary for $name under $build" >&2
    status=1
    continue
  fi
  work=$(mktemp -d)
  seeds=()
  [ -d "fuzz/corpus/$name" ] && seeds=("fuzz/corpus/$name")
  echo "== fuzz_$name ($runs runs)"
  if ! "$binary" -runs="$runs" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
       -artifact_prefix="$work/" "$work" "${seeds[@]}" >"$work/log" 2>&1; then
    tail -n 40 "$work/log" >&2
    echo "fuzz: $name failed; artifacts in $work" >&2
    status=1
    continue
  fi
  grep -E "^(Done|#[0-9]+ *DONE)" "$work/log" | tail -n 1 || true
  rm -rf "$work"
done
exit $status
