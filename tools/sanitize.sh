#!/usr/bin/env bash
# Builds the whole test suite with AddressSanitizer and UndefinedBehaviorSanitizer into
# ./build-sanitize and runs it there. Any invalid memory access, leak of ours or undefined
# behaviour fails the test it happens in. Leak detection stays on: the leaks of the
# libraries underneath (Qt, fontconfig, D-Bus) are named one by one in
# tools/sanitize/lsan.supp.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh

build=build-sanitize
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

# -O1 keeps the stacks readable and the suite quick; Debug keeps the assertions in.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug "${launcher[@]}" \
      -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
      -DCMAKE_CXX_FLAGS="$sanitizers" \
      -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" \
      -DCMAKE_SHARED_LINKER_FLAGS="$sanitizers" \
      -DMARROWTIDE_BUILD_BENCH=OFF
cmake --build "$build" -j"$(nproc)"

# CTest hands these on to every test and every program a test starts (the companion,
# the window, the reminder under dbus-run-session).
export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tools/sanitize/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
