# Shared by scripts/run and scripts/test: installs what is missing, then configures and
# builds into the given folder. Sourced, not run.

KORVALDE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
KORVALDE_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-translations-l10n libgtest-dev
    qt6-httpserver-dev qt6-websockets-dev
    fonts-dejavu-core xvfb xauth
    chromium
    clang libclang-rt-14-dev
    dpkg-dev file desktop-file-utils appstream lintian poppler-utils python3
    curl systemd strace nginx
)

korvalde_install_missing() {
    local missing=()
    local package
    for package in "${KORVALDE_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages. Run as root:" >&2
        echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    apt-get update -q
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
}

# korvalde_build FOLDER [cmake options...]: configures once, then rebuilds what changed.
korvalde_build() {
    local folder=$1
    shift
    if [ ! -f "$folder/build.ninja" ]; then
        cmake -S "$KORVALDE_ROOT" -B "$folder" -G Ninja "$@"
    fi
    cmake --build "$folder" -j "$(nproc)"
}
