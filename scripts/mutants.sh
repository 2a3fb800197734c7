#!/usr/bin/env bash
# Mutation testing of units/: scripts/mutants.sh [N] plants N sampled faults,
# one at a time, and reports the ones the tests let through. Slow; not part of
# scripts/test.sh.
#
#   MUTANTS_SHUFFLE=n  another order of the candidates, so another sample (default 1)
#   MUTANTS_ONLY=3,17  run only these mutants of the sample (as numbered in a run)
#   MUTANTS_LIST=1     list the sample without running it
#   MUTANTS_FILES=re   sample only from the files whose path matches (e.g. 'Literals|LxvEdit/')
#   MUTANTS_TIMEOUT=s  seconds of testing per mutant (default 4 x the clean run, at least 120)
#   MUTANTS_CTEST=0    run only lxv_tests_LxvD4, not the lxvtrans/lxvdesign ctest entries
#   MUTANTS_BUILD=dir  build directory (default build/mutants)
#
# Each mutant is patched into the source in place; the original is kept under
# the build directory and put back when the mutant is done, on Ctrl-C, and at
# the start of the next run should this one have been killed outright.
set -euo pipefail

# All in one function, read whole before it runs: the script may be edited
# while a long run is under way.
main() {
  root=$(cd "$(dirname "$0")/.." && pwd)
  export MUTANTS_BUILD=${MUTANTS_BUILD:-$root/build/mutants}
  pristine=$MUTANTS_BUILD/mutants-pristine

  restore() {
    [ -d "$pristine" ] || return 0
    (cd "$pristine" && find . -type f) | while read -r file; do
      cp "$pristine/$file" "$root/$file"
      rm "$pristine/$file"
      echo "restored ${file#./}" >&2
    done
  }
  trap restore EXIT
  trap 'restore; exit 130' INT TERM
  restore

  if [ -z "${MUTANTS_LIST:-}" ] && [ ! -f "$MUTANTS_BUILD/CMakeCache.txt" ]; then
    # The default preset's settings; executables are not relinked when only
    # the package library changed, which is what most mutants change.
    generator=()
    command -v ninja >/dev/null && generator=(-G Ninja)
    launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
    cmake --preset default -B "$MUTANTS_BUILD" "${generator[@]}" "${launcher[@]}" \
      -DLXV_BUILD_BENCH=OFF -DCMAKE_LINK_DEPENDS_NO_SHARED=ON >/dev/null
  fi

  python3 "$root/scripts/mutants.py" "$@"
}
main "$@"
exit
