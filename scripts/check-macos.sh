#!/usr/bin/env bash
# The Mac build, checked on Linux: cross-compiles the whole program for macOS (core, simulated
# platform, replay tool, the macOS backend, the process entry) and the conformance suite with its
# macOS backend for arm64 and x86_64, and every unit test for arm64 (the tests hold nothing that
# differs between the two, so a second pass would only cost time), with clang against a macOS
# SDK, and links them as Mach-O files with lld. Then lists every symbol the links left to be found at
# start-up, grouped by where it must come from, and fails when any of them belongs to a
# framework or when anything does not compile.
#   scripts/check-macos.sh [SDK_DIR]     (default: $VELMOR_MACOS_SDK, else /opt/macos-sdk)
# Nothing is run: no Mac is reachable here.
set -euo pipefail
cd "$(dirname "$0")/.."

sdk="${1:-${VELMOR_MACOS_SDK:-/opt/macos-sdk}}"
frameworks=""
for candidate in "$sdk/System/Library/Frameworks" "$sdk/Frameworks"; do
  if [ -d "$candidate/AppKit.framework" ]; then
    frameworks="$candidate"
    break
  fi
done
if [ -z "$frameworks" ]; then
  cat <<EOF_HELP
No macOS SDK at $sdk, so the macOS check is skipped. To run it, put a macOS SDK there, for
example the headers and link stubs of the repository mitchellh/zig-build-macos-sdk on GitHub:
  git clone --depth 1 https://github.com/mitchellh/zig-build-macos-sdk /opt/macos-sdk
and run scripts/check-macos.sh [SDK_DIR] again. Keep it outside this repository.
EOF_HELP
  exit 0
fi

# clang, lld and the LLVM tools for Mach-O files, from Debian.
scripts/install-packages.sh clang lld llvm
objdump="$(command -v llvm-objdump || command -v llvm-objdump-14)"

# The compiler wants an SDK laid out as Xcode lays it out; a trimmed one gets links to it.
root="$sdk"
if [ ! -d "$sdk/usr/include" ] || [ ! -d "$sdk/System/Library/Frameworks" ]; then
  root="$PWD/build-macos-sysroot"
  mkdir -p "$root/usr" "$root/System/Library"
  ln -sfn "$(realpath "$sdk/include")" "$root/usr/include"
  ln -sfn "$(realpath "$sdk/lib")" "$root/usr/lib"
  ln -sfn "$(realpath "$frameworks")" "$root/System/Library/Frameworks"
fi

# Symbols bound at start-up without a library named at link time (flat namespace).
unresolved() {
  "$objdump" --macho --bind --lazy-bind --weak-bind "$1" |
    awk 'NF >= 2 && $(NF-1) == "flat-namespace" { print $NF }' | sort -u
}

# Where an unresolved symbol must come from, by its name.
framework_names='^_OBJC_(CLASS|METACLASS)_\$_|^_k?(CF|CG|AX|NS|LS|IO)[A-Z_]'
homebrew_names='^_plist_|^_uri[A-Z]|7testing'

listed() {  # listed TITLE SYMBOLS
  echo "   $1: $(grep -c . <<<"$2" || true)"
  [ -n "$2" ] && sed 's/^/      /' <<<"$2"
  return 0
}

status=0
report() {  # report ARCH FILE
  local arch="$1" file="$2" symbols framework homebrew runtime
  symbols="$(unresolved "$file")"
  framework="$(grep -E "$framework_names" <<<"$symbols" || true)"
  homebrew="$(grep -E "$homebrew_names" <<<"$symbols" | grep -v -E "$framework_names" || true)"
  runtime="$(grep -v -E "$framework_names|$homebrew_names" <<<"$symbols" || true)"
  echo "== $arch: ${file#"$PWD"/}"
  "$objdump" --macho --private-header "$file" | awk '/MH_MAGIC/ { print "   Mach-O, cpu " $2 }'
  listed "from the C and C++ runtime (libSystem, libc++)" "$runtime"
  listed "from Homebrew (libplist, uriparser, googletest)" "$homebrew"
  if [ -n "$framework" ]; then
    listed "FROM THE FRAMEWORKS, BUT UNRESOLVED" "$framework"
    status=1
  else
    echo "   from the frameworks: none left unresolved"
  fi
}

for arch in arm64 x86_64; do
  build="build-macos-$arch"
  if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/macos-sdk.cmake \
      -DVELMOR_MACOS_SDK="$root" -DVELMOR_MACOS_ARCH="$arch" -DVELMOR_BENCHMARKS=OFF \
      -DVELMOR_WERROR=ON >/dev/null
  fi
  targets=()
  [ "$arch" = arm64 ] || targets=(--target velmor velmor_conformance_tests)
  if ! cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" "${targets[@]}" -- -k 0; then
    echo "macOS $arch: the build failed" >&2
    exit 1
  fi
  report "$arch" "$PWD/$build/Velmor.app/Contents/MacOS/Velmor"
  report "$arch" "$PWD/$build/tests/velmor_conformance_tests"
done

if [ "$status" -ne 0 ]; then
  echo "macOS check failed: framework symbols are unresolved" >&2
  exit 1
fi
echo "macOS check passed: the program and the conformance suite compile for arm64 and x86_64, the unit tests for arm64; both programs link"
