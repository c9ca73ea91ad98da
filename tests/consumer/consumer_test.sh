#!/usr/bin/env bash
# Installs the build into a temporary prefix, then builds the consumer program against it
# once through the CMake package and once through pkg-config, runs both, and compiles every
# installed header on its own (none may need a header that is not installed).
# Usage: consumer_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

expected=$'3.5\n3.5\nerror 1'
check() {
  local output
  output=$("$1")
  if [ "$output" != "$expected" ]; then
    printf 'consumer built with %s printed:\n%s\nexpected:\n%s\n' "$2" "$output" "$expected" >&2
    exit 1
  fi
}

cmake -S "$source/tests/consumer" -B "$work/cmake-build" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/cmake-build" >/dev/null
check "$work/cmake-build/consumer" "find_package"

export PKG_CONFIG_PATH=$prefix/lib/pkgconfig
# shellcheck disable=SC2046
g++ -o "$work/pc-consumer" "$source/tests/consumer/main.cpp" $(pkg-config --cflags --libs mxcalc)
check "$work/pc-consumer" "pkg-config"

for header in $(cd "$prefix/include/mxcalc" && find . -name '*.h' | sort); do
  printf '#include "%s"\n' "${header#./}"
done > "$work/all_headers.cpp"
g++ -std=c++20 -fsyntax-only $(pkg-config --cflags mxcalc) "$work/all_headers.cpp"
[ -z "$(find "$prefix/include" -name 'MX*Detail*.h' -o -name 'MXSettingsDatabase.h')" ]
echo "consumer test passed"
