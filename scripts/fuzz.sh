#!/usr/bin/env bash
# Fuzzes the .89i reader, the writer's round trip, the group and TIGroup readers, the import
# loader, the start-up settings read, the recovery copies and the C source reader with its
# sprites written back in place (tests/fuzz) with libFuzzer, AddressSanitizer and UBSan.
#
#   bash scripts/fuzz.sh [SECONDS [TARGET...]]
#
# Builds the targets with clang in build-fuzz/, writes fresh seeds (fuzz_seeds), then runs each
# target for SECONDS (default 30) on its corpus build-fuzz/corpus/<target>/, which grows from
# run to run. A crash, leak, hang (see timeout_of) or memory blow-up fails the
# script and leaves the input in build-fuzz/artifacts/<target>/. Without clang and libFuzzer
# it says so in one line and succeeds.
#
# The runs are nearly repeatable: libFuzzer starts from seed FUZZ_SEED (default 1; 0 picks one
# at random), so on the same corpus a run tries mostly the same inputs in the same order
# (values it learns from comparisons may hold addresses, which differ), and a failure seen on
# another machine is likely to show here again. Deeper runs: a longer SECONDS, or FUZZ_SEED=0.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
[ $# -gt 0 ] && shift
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(fuzz_decode89i fuzz_encode89i fuzz_group fuzz_loader fuzz_settings fuzz_recovery fuzz_tig fuzz_csource)
out=build-fuzz

skip() {
  echo "Fuzzing skipped: $1."
  exit 0
}
command -v clang++ >/dev/null 2>&1 || skip "clang++ is not installed (libFuzzer comes with it)"
mkdir -p "$out"
probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char *, unsigned long) { return 0; }' >"$probe/probe.cpp"
clang++ -fsanitize=fuzzer,address,undefined "$probe/probe.cpp" -o "$probe/probe" >/dev/null 2>&1 \
  || skip "clang++ cannot link libFuzzer with the sanitizers here"

cmake -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DDOTLARK_FUZZ=ON -DDOTLARK_SANITIZE=ON -DDOTLARK_TESTS=OFF >/dev/null
cmake --build "$out" --target fuzzers
bin=$out/tests/fuzz
"$bin/fuzz_seeds" "$probe/seeds"

# Inputs are kept small enough to run fast; the loader gets room for real pictures.
max_len() {
  case "$1" in
    fuzz_loader) echo 65536 ;;
    fuzz_encode89i) echo 8192 ;;
    *) echo 16384 ;;
  esac
}
# A hang is an input taking over 10 s. The loader may rightly draw a metafile of nearly its
# whole pixel limit, which takes the decoding helper's build 2 to 5 s and this sanitized one
# five times that: it gets 30 s.
timeout_of() {
  case "$1" in
    fuzz_loader) echo 30 ;;
    *) echo 10 ;;
  esac
}

# A single allocation of 2 GB or more counts as a memory blow-up: a decoder that trusts a
# header asks for that much on a few bytes' say-so. The settings target is the exception: Qt's
# own reading of a serialised value reserves what the value claims (4.4 GB for a list of 185
# million strings in 40 bytes) and gives up cleanly when the room is refused, which the editor
# survives with or without a memory limit. There, any allocation over 1 GB is refused, as in a
# process short of memory, and what it really uses counts.
allocator_of() {
  case "$1" in
    fuzz_settings) echo ":max_allocation_size_mb=1024" ;;
    *) echo "" ;;
  esac
}

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
export QT_QPA_PLATFORM=offscreen
export QT_HASH_SEED=0 # Qt's hashes in the same order on every run
seed=${FUZZ_SEED:-1}
status=0
for target in "${targets[@]}"; do
  corpus=$out/corpus/$target artifacts=$out/artifacts/$target log=$out/$target.log
  mkdir -p "$corpus" "$artifacts"
  if ASAN_OPTIONS="$ASAN_OPTIONS$(allocator_of "$target")" \
       "$bin/$target" -max_total_time="$seconds" -timeout="$(timeout_of "$target")" -rss_limit_mb=2048 -seed="$seed" -max_len="$(max_len "$target")" \
       -print_final_stats=1 -artifact_prefix="$artifacts/" "$corpus" "$probe/seeds/$target" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz: $target: ${seconds} s, ${runs:-?} inputs from seed $seed, nothing found"
  else
    status=1
    echo "fuzz: $target FAILED (log: $log)" >&2
    grep -E '^(==[0-9]+==ERROR|SUMMARY|.*check failed|ALARM|Test unit written)' "$log" | head -n 8 >&2 || true
    reproducer=$(ls -t "$artifacts" 2>/dev/null | head -n 1)
    [ -n "$reproducer" ] && echo "fuzz: reproducer: $artifacts/$reproducer (run: ASAN_OPTIONS=$ASAN_OPTIONS$(allocator_of "$target") $bin/$target $artifacts/$reproducer)" >&2
  fi
done
exit $status
