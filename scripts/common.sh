# Shared by scripts/test and scripts/try (sourced, not run): the Debian
# packages the build needs, and the build itself in build/.

PACKAGES=(cmake make g++ qt6-base-dev libgtest-dev)

# Installs the packages that are missing; does nothing when all are there.
ensure_packages() {
    local missing=() package
    for package in "${PACKAGES[@]}"; do
        dpkg -s "$package" 2>/dev/null | grep -q '^Status: install ok installed' || missing+=("$package")
    done
    if [ "${#missing[@]}" -eq 0 ]; then
        return 0
    fi
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    echo "Installing the missing packages: ${missing[*]}"
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
}

# Configures build/ (RelWithDebInfo unless it was configured before) and
# builds everything.
build_all() {
    local type=()
    if [ ! -f build/CMakeCache.txt ]; then
        type=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
    fi
    cmake -S . -B build "${type[@]}"
    cmake --build build -j"$(nproc)"
}
