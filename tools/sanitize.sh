#!/usr/bin/env bash
# Builds the whole test suite with AddressSanitizer and UndefinedBehaviorSanitizer into
# ./build-sanitize and runs it there; then starts the window once on a virtual X display,
# where Qt loads what the offscreen tests never do (xcb, fontconfig, the session bus).
# Any invalid memory access, leak of ours or undefined behaviour fails the run. Leak
# detection stays on: the leaks of the libraries underneath are named one by one in
# tools/sanitize/lsan.supp.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh

# Set before the build, which already runs each test program to list its tests. CTest
# hands them on to every test and to every program a test starts (the companion, the
# window, the reminder under dbus-run-session).
export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tools/sanitize/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

build=build-sanitize
# gcc leaves float-cast-overflow out of "undefined"; our date values are doubles that are
# turned into whole days and seconds, so it is asked for by name.
sanitizers="-fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=undefined,float-cast-overflow -fno-omit-frame-pointer"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

# -O1 keeps the stacks readable and the suite quick; Debug keeps the assertions in, and
# the standard library's own checks catch what stays inside an allocation (an index past
# size() but within capacity(), front() of an empty container). Those checks make gcc 12
# see "maybe uninitialized" members inside std::regex's own headers, a known false
# alarm there; the ordinary build keeps that warning.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug "${launcher[@]}" \
      -DCMAKE_CXX_FLAGS_DEBUG="-g -O1 -D_GLIBCXX_ASSERTIONS -Wno-maybe-uninitialized" \
      -DCMAKE_CXX_FLAGS="$sanitizers" \
      -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" \
      -DCMAKE_SHARED_LINKER_FLAGS="$sanitizers" \
      -DMARROWTIDE_BUILD_BENCH=OFF
cmake --build "$build" -j"$(nproc)"

(cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")

# The window on X with a fresh database and home, ending by itself once it has shown the
# list, gone idle and made the day's backup on its own thread. A sanitizer report makes
# it exit non-zero.
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/home" "$scratch/runtime"
"$build/bin/marrowtide-mkdb" "$scratch"
HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config" XDG_RUNTIME_DIR="$scratch/runtime" \
  MARROWTIDE_QUIT_WHEN_IDLE=backup QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1024x768x24" \
  "$build/bin/marrowtide" --database "$scratch/Marrowtide.mdb"
ls "$scratch"/backups/Marrowtide-*.mdb >/dev/null || { echo "the window made no backup" >&2; exit 1; }
echo "Sanitizers: the suite and the window ran clean."
