#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing, and the
# German locale the tests check number formatting under.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libplist-dev libplist++-dev liburiparser-dev uuid-dev
  libgtest-dev libgmock-dev libbenchmark-dev locales
  libx11-dev libxtst-dev libxi-dev libglib2.0-dev
  libgtk-3-dev libayatana-appindicator3-dev libdbusmenu-glib-dev fonts-nanum
  dbus-daemon pulseaudio-utils
  xvfb jwm xdotool x11-utils imagemagick
  dpkg-dev desktop-file-utils lintian
)
comma_locale=de_DE.UTF-8

"$(dirname "$0")/install-packages.sh" "${packages[@]}"

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
  echo "Generating the locale $comma_locale"
  "${as_root[@]}" localedef -i de_DE -f UTF-8 "$comma_locale"
fi
