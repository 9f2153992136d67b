#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, run and test Tarvolix.
set -euo pipefail
# fonts-dejavu-core: without it a minimal system resolves the default sans-serif
# to Liberation Mono and every window is drawn in a monospace font.
packages=(build-essential cmake ninja-build pkgconf qt6-base-dev qt6-translations-l10n
          libsqlcipher-dev fonts-liberation2 fonts-dejavu-core)
if [ "${1:-}" = "--tests" ]; then
  packages+=(xvfb xdotool xclip poppler-utils clang libclang-rt-14-dev)
  # The installation test validates the desktop entries and the AppStream metainfo.
  packages+=(desktop-file-utils appstream)
  # cpack's DEB generator reads the binaries' dependencies with file(1).
  packages+=(file)
fi
# The key derivation of the record store includes OpenSSL's headers, which
# libsqlcipher-dev does not pull in.
packages+=(libssl-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
