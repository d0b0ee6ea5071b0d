#!/usr/bin/env bash
# The whole test suite: builds and runs the C++ tests, then installs the
# package into a private virtual environment and runs the Python tests.
# Sets up what it needs through pip; GoogleTest comes from apt (installed
# here when missing and running as root).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-test"
venv="$build/venv"
python="${PYTHON:-python3}"

log() { printf '==> %s\n' "$*"; }

have_gtest() {
  [ -f /usr/include/gtest/gtest.h ] || [ -f /usr/local/include/gtest/gtest.h ]
}

if ! have_gtest; then
  if [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null; then
    log "installing GoogleTest"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq libgtest-dev >/dev/null
  else
    echo "GoogleTest is missing: install libgtest-dev (apt-get install -y libgtest-dev)" >&2
    exit 1
  fi
fi

# A private environment that still sees tools already installed for the
# interpreter, so that repeated runs fetch nothing.
mkdir -p "$build"
if [ ! -x "$venv/bin/python" ]; then
  log "creating $venv"
  "$python" -m venv --system-site-packages "$venv"
fi
export PATH="$venv/bin:$PATH"
py="$venv/bin/python"

# The stable-ABI module needs CMake 3.26; the same CMake and Ninja configure
# the C++ tests and the wheel, which reuses the test build's objects.
needs=()
cmake_ok() {
  command -v cmake >/dev/null || return 1
  local v
  v="$(cmake --version | head -n1 | sed -E 's/[^0-9]*([0-9]+)\.([0-9]+).*/\1 \2/')"
  set -- $v
  [ "$1" -gt 3 ] || { [ "$1" -eq 3 ] && [ "$2" -ge 26 ]; }
}
cmake_ok || needs+=("cmake>=3.26")
command -v ninja >/dev/null || needs+=(ninja)
"$py" -c "import pytest" 2>/dev/null || needs+=(pytest)
"$py" -c "import hypothesis" 2>/dev/null || needs+=(hypothesis)
"$py" -c "import scikit_build_core" 2>/dev/null || needs+=("scikit-build-core>=0.10")
if [ "${#needs[@]}" -gt 0 ]; then
  log "pip install ${needs[*]}"
  "$py" -m pip install --quiet "${needs[@]}"
  hash -r
fi

log "C++ build ($build)"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTOLVEX_BUILD_TESTS=ON
cmake --build "$build" -j2

# Both suites run even when the first fails, so one run reports everything.
status=0
log "C++ tests"
ctest --test-dir "$build" --output-on-failure -j2 || status=1

# Without build isolation the wheel is configured by the same CMake as the
# tests, so it keeps their cache and compiles only the module.
log "installing the package"
"$py" -m pip install --quiet --no-build-isolation "$root" \
  --config-settings=build-dir="$build" \
  --config-settings=cmake.define.TOLVEX_BUILD_PYTHON=ON

if "$py" -c "import mypy" 2>/dev/null; then
  log "checking the type stub against the module"
  (cd "$build" && "$py" -m mypy.stubtest tolvex_screener._tolvex_screener) || status=1
fi

log "Python tests"
# Run from the test folder: the source root would shadow the installed package.
cd "$root/tests/python"
"$py" -m pytest -q "$root/tests/python" || status=1
exit "$status"
