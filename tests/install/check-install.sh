#!/usr/bin/env bash
# check-install.sh BUILD: installs the build into a fresh prefix as a user would, and checks
# what lands there, the desktop entry, and that the installed program finds its resources.
set -euo pipefail

build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

expected="bin/velmor
share/applications/velmor.desktop
share/doc/velmor/changelog.gz
share/doc/velmor/copyright
share/icons/hicolor/scalable/apps/velmor-symbolic.svg
share/icons/hicolor/scalable/apps/velmor.svg
share/man/man1/velmor.1.gz
share/metainfo/com.brisvane.velmor.metainfo.xml
share/velmor/resources/MenuVelmorTemplate.png
share/velmor/resources/velmor-symbolic.svg"
installed="$(cd "$prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)"
if [ "$installed" != "$expected" ]; then
  echo "installed files differ from the program and its data:"
  diff <(echo "$expected") <(echo "$installed") || true
  exit 1
fi

# Run from elsewhere, with no resources beside it: they are under share/ now.
printf 'permission on\nlaunch\n' >"$prefix/start.session"
transcript="$(cd / && "$prefix/bin/velmor" replay "$prefix/start.session")"
if ! grep -qF "$prefix/share/velmor/resources/MenuVelmorTemplate.png" <<<"$transcript"; then
  echo "the installed program did not find its resources; its transcript:"
  echo "$transcript"
  exit 1
fi

if ! command -v desktop-file-validate >/dev/null; then
  echo "desktop-file-validate is missing (Debian package desktop-file-utils): skipped"
  exit 77
fi
desktop-file-validate "$prefix/share/applications/velmor.desktop"
