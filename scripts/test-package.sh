#!/usr/bin/env bash
# test-package.sh [BUILD]: builds the Debian package from BUILD (build-test by default),
# installs it as a user would, starts the installed program on an X server of its own and
# removes the package again, whatever happens.
# Needs root or sudo without a password; skipped otherwise.
set -euo pipefail
cd "$(dirname "$0")/.."

build="${1:-build-test}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  if ! sudo -n true 2>/dev/null; then
    echo "test-package: skipped: installing the package needs root or sudo without a password"
    exit 0
  fi
  as_root=(sudo -n)
fi
if dpkg-query -W -f='${Status}' velmor 2>/dev/null | grep -q installed; then
  echo "test-package: skipped: a velmor package is installed already, and this test would remove it"
  exit 0
fi

work="$(mktemp -d)"
installed=no
pids=()
cleanup() {
  local status=$?
  for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  if [ "$installed" = yes ]; then
    "${as_root[@]}" dpkg --purge velmor >/dev/null || status=1
  fi
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

fail() {
  echo "test-package: FAILED: $*"
  exit 1
}

# Polls a command for a generous while; whether it came true.
eventually() {
  for _ in $(seq 300); do
    if "$@"; then
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# Whether a child of this shell has ended: it stays a zombie until it is waited for.
ended() {
  local state
  state="$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null)" || return 0
  [ -z "$state" ] || [ "$state" = Z ]
}

echo "test-package: building the package"
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null)
deb="$work/package/velmor_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $deb"
depends="$(dpkg-deb -f "$deb" Depends)"
echo "test-package: Depends: $depends"
echo "test-package: Recommends: $(dpkg-deb -f "$deb" Recommends)"
for library in libc6 libx11-6 libglib2.0-0; do
  grep -q "$library" <<<"$depends" || fail "Depends lacks $library"
done

installed=yes
"${as_root[@]}" dpkg -i "$deb" >/dev/null ||
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -f -y -qq >/dev/null
listing="$(dpkg -L velmor)"
for file in /usr/bin/velmor /usr/share/applications/velmor.desktop \
  /usr/share/icons/hicolor/scalable/apps/velmor.svg \
  /usr/share/icons/hicolor/scalable/apps/velmor-symbolic.svg \
  /usr/share/velmor/resources/MenuVelmorTemplate.png; do
  grep -qx "$file" <<<"$listing" || fail "dpkg -L velmor does not list $file"
done
if grep -q '_tests\|bench_' <<<"$listing"; then
  fail "the package carries test programs"
fi
for file in /usr/share/man/man1/velmor.1.gz /usr/share/doc/velmor/copyright \
  /usr/share/doc/velmor/changelog.gz /usr/share/metainfo/com.brisvane.velmor.metainfo.xml; do
  grep -qx "$file" <<<"$listing" || fail "dpkg -L velmor does not list $file"
done
[ "$(dpkg-deb -f "$deb" Section)" = x11 ] || fail "the package's section is not x11"
[ "$(/usr/bin/velmor --version)" = "velmor $version" ] || fail "velmor --version is wrong"

# Debian's own checks: errors and warnings fail the test, notes are shown.
echo "test-package: lintian"
lintian_report="$(lintian --display-info --pedantic "$deb" 2>&1 | grep -v 'root privileges' || true)"
[ -n "$lintian_report" ] && sed 's/^/test-package:   /' <<<"$lintian_report"
if grep -q '^[EW]:' <<<"$lintian_report"; then
  fail "lintian reports errors or warnings"
fi

echo "test-package: starting the installed program on an X server of its own"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display-number" 2>/dev/null &
pids+=($!)
eventually grep -q '^[0-9]' "$work/display-number" || fail "Xvfb did not start"
display=":$(head -n1 "$work/display-number")"
mkdir -m 700 "$work/home" "$work/runtime"
# A user's session: nothing of the caller's desktop, bus or settings.
as_user=(env -i PATH="$PATH" HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" DISPLAY="$display")
"${as_user[@]}" jwm -f tests/x11/jwmrc >/dev/null 2>&1 &
pids+=($!)
"${as_user[@]}" "$build/tests/x11/velmor_recording_client" "$work/client.txt" >/dev/null 2>&1 &
pids+=($!)
eventually grep -q '^ready' "$work/client.txt" || fail "the recording client did not start"
window="$(sed -n 's/^ready //p' "$work/client.txt")"

"${as_user[@]}" /usr/bin/velmor 2>"$work/first.txt" &
velmor=$!
pids+=("$velmor")

# A stroke to the left outside a browser is the previous track, once the program holds the
# right button; until then the window gets a plain right click.
stroke_left() {
  "${as_user[@]}" timeout 60 xdotool mousemove --window "$window" 300 200 mousedown 3 \
    mousemove_relative -- -40 0 sleep 0.05 mousemove_relative -- -40 0 sleep 0.05 \
    mousemove_relative -- -40 0 mouseup 3 || fail "xdotool hung or failed"
  sleep 0.5
  grep -q 'KeyPress XF86AudioPrev' "$work/client.txt"
}
eventually stroke_left || fail "no previous-track key from a stroke; the program said: $(cat "$work/first.txt")"

status=0
"${as_user[@]}" timeout 60 /usr/bin/velmor 2>"$work/second.txt" || status=$?
[ "$status" -eq 0 ] || fail "a second start ended with $status"
[ "$(cat "$work/second.txt")" = "velmor: Velmor is already running on display $display" ] ||
  fail "a second start said: $(cat "$work/second.txt")"

kill -TERM "$velmor"
eventually ended "$velmor" || fail "the program outlived SIGTERM"
status=0
wait "$velmor" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with $status on SIGTERM"

echo "test-package: passed ($(basename "$deb"))"
