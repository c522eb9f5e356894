#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and test, and only
# those that are missing (so a machine that has them all is not touched).
set -euo pipefail

paquetes=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-base-private-dev libgl-dev qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 fonts-comic-neue
  # drawing the animations and the icon again (resources/dibujar.cpp)
  libgif-dev qt6-svg-dev
  # checking the installed tree, and building the Debian package
  desktop-file-utils appstream shared-mime-info man-db gzip dpkg-dev file
  # reading back the booklets the companion tool prints (pdftotext, pdfinfo)
  poppler-utils
)

faltan=()
for p in "${paquetes[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || faltan+=("$p")
done

if [ ${#faltan[@]} -gt 0 ]; then
  echo "Instalando: ${faltan[*]}"
  if [ "$(id -u)" -ne 0 ]; then sudo=sudo; else sudo=; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${faltan[@]}"
fi
