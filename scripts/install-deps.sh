#!/usr/bin/env bash
# Installs what building, running and testing need on Debian (run as root). The build reads the
# word classes from trans-de-en; the synonyms come from openthesaurus-de-text.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    libicu-dev qt6-base-dev qt6-translations-l10n libgtest-dev libbenchmark-dev
    libespeak-ng-dev espeak-ng-data
    fonts-liberation fonts-dejavu-core
    wngerman openthesaurus-de-text trans-de-en python3 hyperfine
    clang ccache ninja-build dpkg-dev desktop-file-utils appstream man-db bash-completion
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
