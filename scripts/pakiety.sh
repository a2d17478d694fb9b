#!/usr/bin/env bash
# Installs the Debian packages the program needs to build, run and be tested.
set -euo pipefail
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# wmf2gd (libwmf-bin), which the metafile tests read charts back with, draws text in the
# standard PostScript fonts of fonts-urw-base35.
# qt6-translations-l10n gives the file dialogs and Qt's other own texts their Polish words.
$SUDO apt-get install -y -qq --no-install-recommends \
  cmake make g++ qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgif-dev libjpeg62-turbo-dev \
  libgtest-dev libbenchmark-dev fonts-liberation2 fonts-dejavu-core xvfb locales poppler-utils \
  libgl-dev emf2svg libwmf-bin fonts-urw-base35 qt6-translations-l10n >/dev/null
# A Polish locale, so the tests can show that numbers do not follow it.
if ! locale -a 2>/dev/null | grep -qi '^pl_PL.utf8$'; then
  $SUDO sed -i 's/^# *pl_PL.UTF-8 UTF-8/pl_PL.UTF-8 UTF-8/' /etc/locale.gen
  $SUDO locale-gen >/dev/null
fi
