# Shared by run.sh and test.sh: install the Debian packages that are missing.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
JOBS=$(nproc 2>/dev/null || echo 2)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null 2>&1; then
        sudo "$@"
    else
        echo "Installing packages needs root: run this script as root or through sudo." >&2
        exit 1
    fi
}

# install_packages PKG...: installs those not yet installed, nothing else.
install_packages() {
    local missing=()
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -qq \
            --no-install-recommends "${missing[@]}" >/dev/null
    fi
}

# qt6-l10n-tools and qt6-tools-dev: lupdate, lrelease and their CMake package,
# for the Hindi catalogue; fonts-noto-core: a Devanagari font.
BUILD_PACKAGES=(g++ make cmake qt6-base-dev qt6-svg-dev qt6-l10n-tools qt6-tools-dev libgl-dev
    zlib1g-dev fonts-dejavu-core fonts-noto-core procps)
