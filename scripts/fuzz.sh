#!/usr/bin/env bash
# Builds the fuzzers (clang, libFuzzer) and runs each for SECONDS over its corpus in
# tests/fuzz/corpus/<name>. New inputs go to a scratch folder; FUZZ_KEEP=1 merges the ones that
# add coverage into the kept corpus. Exits non-zero on the first finding (its input is saved in
# build/fuzz/findings).
# Usage: scripts/fuzz.sh [SECONDS] [FUZZER...]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-10}
shift || true
fuzzers=("$@")
[ ${#fuzzers[@]} -gt 0 ] || fuzzers=(history_line_fuzz history_index_fuzz language_text_fuzz ole_date_fuzz)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target "${fuzzers[@]}" >/dev/null

findings=build/fuzz/findings
mkdir -p "$findings"
for fuzzer in "${fuzzers[@]}"; do
  corpus=tests/fuzz/corpus/$fuzzer
  scratch=$(mktemp -d)
  trap 'rm -rf "$scratch"' EXIT
  echo "== $fuzzer: ${seconds}s"
  if ! build/fuzz/tests/fuzz/"$fuzzer" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
      -artifact_prefix="$findings/$fuzzer-" -print_final_stats=1 "$scratch" "$corpus" 2>"$scratch.log"; then
    tail -40 "$scratch.log"
    exit 1
  fi
  grep -E 'stat::number_of_executed_units|stat::peak_rss_mb' "$scratch.log" || true
  if [ "${FUZZ_KEEP:-0}" = 1 ]; then
    build/fuzz/tests/fuzz/"$fuzzer" -merge=1 "$corpus" "$scratch" >/dev/null 2>&1
  fi
  rm -rf "$scratch" "$scratch.log"
done
echo "fuzzers: ${#fuzzers[@]} passed, 0 failed"
