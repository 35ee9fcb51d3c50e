#!/usr/bin/env bash
# Builds the fuzz targets (tests/fuzz) into ./build-fuzz with clang, libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer, and runs each for SECONDS (default 60),
# one after the other. Prints each target's executions, executions per second, coverage
# and corpus size (the inputs kept, seeds included). Exits 1 on a finding, naming the
# input that caused it, which is kept in build-fuzz/findings/TARGET/; add it to
# tests/fuzz/corpus/TARGET/ with the mend.
#
# New inputs a run finds go to build-fuzz/corpus/TARGET/, never into the tracked corpus;
# `tools/fuzz.sh SECONDS TARGET...` runs only the targets named.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true

bash tools/deps.sh
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMARROWTIDE_FUZZ=ON \
  -DCMAKE_CXX_COMPILER=clang++-14 "${launcher[@]}" >/dev/null
cmake --build build-fuzz -j"$(nproc)" >build-fuzz/build.log 2>&1 || {
  cat build-fuzz/build.log
  exit 1
}

# The largest input each target is given. A linear reader takes well under 0.1 s on the
# worst shapes of that size under the sanitizers (0.3 s on a machine loaded five times
# over); a quadratic one takes seconds: 64 KB squared is billions of steps. The encoding
# target checks every decoding at once, so it gets a quarter of the size.
timeout=2
max_len_of() {
  case "$1" in
    date_texts | stored_birth) echo 256 ;;
    round_trip) echo 4096 ;;
    encoding) echo 16384 ;;
    *) echo 65536 ;;
  esac
}

# AddressSanitizer keeps 256 MB of freed memory aside by default to catch late uses;
# a quarter of that still catches them and leaves the memory limit to the readers.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=64}

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for dir in tests/fuzz/corpus/*/; do targets+=("$(basename "$dir")"); done
fi

failed=0
printf '%-13s %10s %8s %6s %7s %7s\n' target runs exec/s cov ft corpus
for target in "${targets[@]}"; do
  scratch=build-fuzz/corpus/$target
  findings=build-fuzz/findings/$target
  log=build-fuzz/logs/$target.log
  mkdir -p "$scratch" "$findings" build-fuzz/logs
  status=0
  nice build-fuzz/bin/fuzz_"$target" "$scratch" "tests/fuzz/corpus/$target" \
    -max_total_time="$seconds" -timeout="$timeout" -rss_limit_mb=512 \
    -max_len="$(max_len_of "$target")" -artifact_prefix="$findings/" \
    -print_final_stats=1 >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  last=$(grep -E '^#[0-9]+' "$log" | tail -1 || true)
  cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")
  ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")
  corpus=$(sed -n 's/.* corp: \([0-9]*\)\/.*/\1/p' <<<"$last")
  printf '%-13s %10s %8s %6s %7s %7s\n' "$target" "${runs:--}" "${rate:--}" "${cov:--}" \
    "${ft:--}" "$corpus"
  if [ "$status" -ne 0 ]; then
    failed=1
    input=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$log" | tail -1)
    echo "FINDING in $target (exit $status): input ${input:-not written}; log $log" >&2
    grep -E 'ERROR|broken rule|SUMMARY|runtime error|timeout' "$log" | head -5 >&2 || true
  fi
done
exit "$failed"
