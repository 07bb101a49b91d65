# Sourced by scripts/run and scripts/test: makes sure the Debian packages are there.
# As root the missing ones are installed; otherwise the exact command is printed.

CENSARIA_PACKAGES=(
    cmake ninja-build g++
    qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libgl-dev
    qt6-charts-dev qt6-svg-dev libqt6sql6-sqlite libsqlite3-dev libqt6sql6-psql qt6-translations-l10n
    postgresql
    fonts-dejavu-core
)

censaria_setup() {
    local missing=() package
    for package in "${CENSARIA_PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing: ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get -o DPkg::Lock::Timeout=600 update -qq && apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    else
        echo "Some packages are missing. Install them with:" >&2
        echo "  sudo apt-get install --no-install-recommends ${missing[*]}" >&2
        return 1
    fi
}
