#!/usr/bin/env bash
# Installs every Debian package Kiova needs to build, test and run.
# Idempotent: installs only what is missing, refreshing the package index first.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  clang libclang-rt-14-dev          # fuzz targets (libFuzzer) and sanitizers
  qt6-base-dev qt6-qpa-plugins libgl-dev   # QtCore/QtGui/QtWidgets, offscreen platform
  qt6-tools-dev qt6-l10n-tools      # the interface's catalogues (qt_add_translations)
  qt6-translations-l10n             # Qt's own dialogs in Japanese
  libjpeg62-turbo-dev               # JPEG decoding (IJG API)
  libsdl2-dev                       # sound
  nlohmann-json3-dev                # JSON output of kiova-tool
  googletest libgtest-dev libgmock-dev
  libbenchmark-dev
  libre2-dev                        # tests and benchmarks only: oracle and yardstick
  fonts-ipafont-gothic              # Japanese text in the balloon
  xdg-utils shared-mime-info desktop-file-utils
  libfontconfig-dev                 # the balloon font's fallback for Windows font names
  libxcb1-dev                       # desktop mode: whether a compositor runs; no taskbar button
  xvfb xdotool x11-utils            # end-to-end tests of the real window (x11-utils: xwininfo)
  xcompmgr imagemagick              # ... desktop mode under a compositor; its screenshots
  openbox                           # ... and the windows under a window manager
  librsvg2-bin                      # the icon's PNG sizes
  appstream file dpkg-dev           # install check (metainfo), Debian package (shlibdeps)
  lintian                           # the Debian package's check
  locales                           # the Japanese and English locales of the language tests
)

# The interface's language tests run the program under these locales.
locales=(ja_JP en_US)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
missing_locales=()
for l in "${locales[@]}"; do
  locale -a 2>/dev/null | grep -qx "$l.utf8" || missing_locales+=("$l")
done
[ ${#missing[@]} -eq 0 ] && [ ${#missing_locales[@]} -eq 0 ] && exit 0

as_root=(env DEBIAN_FRONTEND=noninteractive)
[ "$(id -u)" -eq 0 ] || as_root=(sudo "${as_root[@]}")
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}" >&2
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
for l in "${missing_locales[@]}"; do
  echo "setup: generating the locale $l.UTF-8" >&2
  "${as_root[@]}" localedef -i "$l" -f UTF-8 "$l.UTF-8"
done
