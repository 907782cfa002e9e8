# Sourced by the scripts that build libraries for Windows once and keep them outside the clone.

toolchain=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../cmake/toolchains" && pwd)/mingw-w64-x86_64.cmake

# The cache folder: $TOVALIN_CACHE, or tovalin-diagram in the user's cache folder.
cache_root() {
    echo "${TOVALIN_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tovalin-diagram}"
}

# A short key naming one build: the hash of everything that makes it, one argument per line.
cache_key() {
    printf '%s\n' "$@" | sha256sum | cut -c1-16
}

# Cross-compiles the CMake project in SOURCE with the given options in BUILD, installs it into
# PREFIX and marks PREFIX complete. Its output goes to stderr: stdout is for the prefix alone.
cross_build_into() {
    local source=$1 build=$2 prefix=$3
    shift 3
    rm -rf "$prefix"
    cmake -S "$source" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_INSTALL_PREFIX="$prefix" "$@" >&2
    cmake --build "$build" -j "$(nproc)" >&2
    cmake --install "$build" >&2
    touch "$prefix/.complete"
}
