#!/bin/sh
# Installs every Debian package the editor builds, tests and runs with.
# Idempotent: when everything is present it only asks dpkg and returns.
set -eu

PACKAGES="
build-essential cmake ninja-build ccache pkg-config make clang-format-14
qt6-base-dev qt6-base-dev-tools libqt6printsupport6 libgl-dev
zlib1g-dev libjpeg62-turbo-dev libpng-dev libudev-dev
libgtest-dev libgmock-dev googletest
fonts-liberation fonts-dejavu-core fonts-wine fonts-wqy-microhei fontconfig
xvfb xauth
python3 python3-scipy
"

# `install-deps.sh fuzz`: also the compiler and runtime of the fuzz harnesses.
if [ "${1:-}" = "fuzz" ]; then
    PACKAGES="$PACKAGES clang-14 libclang-rt-14-dev"
fi

missing=""
for p in $PACKAGES; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
    if [ "$status" != "installed" ]; then
        missing="$missing $p"
    fi
done

if [ -z "$missing" ]; then
    exit 0
fi

echo "install-deps: installing$missing"
if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
elif command -v sudo >/dev/null 2>&1; then
    SUDO="sudo"
else
    echo "install-deps: need root or sudo to install:$missing" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing
