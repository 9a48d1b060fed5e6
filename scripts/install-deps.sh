#!/usr/bin/env bash
# Installs every Debian package that building, testing, packaging and running
# Sonrel6 needs. Safe to run repeatedly: packages already present are skipped,
# and when nothing is missing it neither needs root nor calls sudo.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libgl-dev libxkbcommon-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-translations-l10n qt6-qpa-plugins fonts-dejavu-core
  libgtest-dev libgmock-dev libbenchmark-dev
  clang-format clang libfuzzer-14-dev xvfb xauth imagemagick
  desktop-file-utils appstream librsvg2-bin dpkg-dev file locales ccache
  nlohmann-json3-dev shared-mime-info qt6-charts-dev qt6-multimedia-dev qt6-svg-dev
)
missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null || true)
  [[ "$status" == *"install ok installed"* ]] || missing+=("$p")
done

# The suites also run under the locales of Russian and German desktops, whose
# decimal comma the C library would otherwise apply to every number.
generate_locales() {
  command -v localedef >/dev/null 2>&1 || return 0
  for loc in ru_RU de_DE; do
    locale -a 2>/dev/null | grep -qix "${loc}.utf8" && continue
    "${SUDO[@]}" localedef -i "$loc" -f UTF-8 "${loc}.UTF-8"
  done
}

SUDO=()
if [ ${#missing[@]} -eq 0 ]; then
  [ "$(id -u)" -eq 0 ] || SUDO=(sudo)
  generate_locales
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null 2>&1; then
    echo "These Debian packages are missing: ${missing[*]}" >&2
    echo "Install them as root (there is no sudo here):" >&2
    echo "  apt-get update && apt-get install --no-install-recommends ${missing[*]}" >&2
    exit 1
  fi
  SUDO=(sudo)
fi
"${SUDO[@]}" apt-get update
"${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
generate_locales
