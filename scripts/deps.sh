# Installs the Debian packages that a step needs, only those that are missing. Sourced by the
# scripts beside it.

BRENQUILL_BUILD_PACKAGES=(g++ make cmake pkgconf qt6-base-dev qt6-multimedia-dev libmpg123-dev
    libgl-dev fonts-dejavu-core)
BRENQUILL_TEST_PACKAGES=(libgtest-dev clang libclang-rt-14-dev libx11-dev)
# The tests that use the program from outside: on a private X server driven by xdotool and read
# back by OCR and xprop, and installed like a desktop application.
BRENQUILL_TEST_PACKAGES+=(python3 xvfb xdotool x11-utils xclip imagemagick tesseract-ocr
    tesseract-ocr-eng strace desktop-file-utils appstream)

install_packages() {
    local missing=()
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}
