# Shared by scripts/run and scripts/test: installs what is missing and builds.
# Sourced, not run; expects ROOT to be the repository's top folder.

KB_PACKAGES=(cmake g++ make qt6-base-dev libgl-dev fonts-dejavu-core fonts-liberation qt6-translations-l10n poppler-utils libstemmer-dev)

kb_as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null 2>&1; then
        sudo "$@"
    else
        echo "Bitte als root ausführen oder sudo installieren: $*" >&2
        return 1
    fi
}

# kb_install_packages [extra packages...]: apt-get installs only what dpkg does not have.
kb_install_packages() {
    local missing=()
    local pkg
    for pkg in "${KB_PACKAGES[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installiere: ${missing[*]}"
        kb_as_root apt-get update -qq
        kb_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

# kb_build <build folder> [cmake options...]
kb_build() {
    local dir=$1
    shift
    cmake -S "$ROOT" -B "$dir" "$@" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)"
}
