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

# Builds one C file for this machine into the cache, once for each content and set of options,
# and prints the built file's path: a program, or with -shared -fPIC a library. A build that is
# cut short leaves nothing under the final name, so programs that build at once each see a whole
# file or build their own.
#   cached_c_build SOURCE.c [CC_OPTION...]
cached_c_build() {
    local source=$1 built partial
    shift
    built=$(cache_root)/host/$(basename "$source" .c)-$(cache_key "$(cat "$source")" "$@")
    if [ ! -f "$built" ]; then
        mkdir -p "$(dirname "$built")"
        partial=$(mktemp "$built.XXXXXX")
        if ! cc -std=c11 -O2 -Wall -Wextra -Wpedantic -Werror "$@" -o "$partial" "$source"; then
            rm -f "$partial"
            return 1
        fi
        mv -f "$partial" "$built"
    fi
    echo "$built"
}
