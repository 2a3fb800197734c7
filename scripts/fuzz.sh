#!/usr/bin/env bash
# Runs libFuzzer targets on their starting corpus (fuzz/corpus/NAME): every
# target, or those named as arguments. Expects the fuzz build: BUILD_DIR,
# default build/fuzz.
#   scripts/fuzz.sh                      FUZZ_RUNS runs each (default 15000)
#   FUZZ_SECONDS=600 scripts/fuzz.sh x   a campaign of that many seconds each;
#                                        the grown corpus stays in
#                                        BUILD_DIR/campaign/NAME for the next one
# Prints per target the runs made and whether anything was found; a finding
# leaves its reproducer and log in the directory named, and the exit status 1.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build/fuzz}
runs=${FUZZ_RUNS:-15000}
seconds=${FUZZ_SECONDS:-}
names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  for source in fuzz/*.cpp; do names+=("$(basename "$source" .cpp)"); done
fi
status=0
for name in "${names[@]}"; do
  binary=$(find "$build" -type f -name "fuzz_$name" -perm -u+x | head -n 1)
  if [ -z "$binary" ]; then
    echo "fuzz: no binary for $name under $build" >&2
    status=1
    continue
  fi
  seeds=()
  [ -d "fuzz/corpus/$name" ] && seeds=("fuzz/corpus/$name")
  if [ -n "$seconds" ]; then
    work="$build/campaign/$name"
    mkdir -p "$work/corpus"
    limit=(-max_total_time="$seconds")
    echo "== fuzz_$name (${seconds} s)"
  else
    work=$(mktemp -d)
    mkdir -p "$work/corpus"
    limit=(-runs="$runs")
    echo "== fuzz_$name ($runs runs)"
  fi
  if "$binary" "${limit[@]}" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
       -artifact_prefix="$work/" "$work/corpus" "${seeds[@]}" >"$work/log" 2>&1; then
    found=none
  else
    found="FOUND (see $work)"
    tail -n 40 "$work/log" >&2
    status=1
  fi
  # libFuzzer's last status line: "#N <event> ... exec/s: E ..."
  last=$(grep -E "^#[0-9]+" "$work/log" | tail -n 1 || true)
  echo "fuzz_$name: runs ${last%%[[:space:]]*}, corpus $(find "$work/corpus" -type f | wc -l) files, findings: $found"
  [ -z "$seconds" ] && [ "$found" = none ] && rm -rf "$work"
done
exit $status
