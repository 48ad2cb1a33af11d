# The environment for building with Debian's emscripten, sourced by the browser's scripts.
#
# The browser's Qt and program are built with Debian 13's Qt source and emscripten: on another
# system, the script that sources this file runs again, as it was called, in the Debian 13
# environment (scripts/debian13), where the project's tree and the cache are at the same paths.
if [[ $(. /etc/os-release && echo "$VERSION_CODENAME") != trixie ]]; then
    exec "$(dirname "${BASH_SOURCE[0]}")/debian13" "$0" "$@"
fi

# Qt reads an emscripten SDK's layout ($EMSDK/.emscripten, $EMSDK/upstream/emscripten/emcc) to
# learn the compiler's version; Debian's emscripten is no SDK, so a stand-in folder points there.
# Debian's emscripten needs Debian's python3 and its Node.js modules (acorn), which another
# installation earlier on PATH would hide.
source "$(dirname "${BASH_SOURCE[0]}")/cache.sh"
export EMSDK=$cache_root/emsdk
if [[ ! -x "$EMSDK/upstream/emscripten/emcc" ]]; then
    mkdir -p "$EMSDK/upstream/emscripten"
    echo "EMSCRIPTEN_ROOT = 'upstream/emscripten'" > "$EMSDK/.emscripten"
    ln -sfn /usr/bin/emcc "$EMSDK/upstream/emscripten/emcc"
fi
export EMSDK_PYTHON=/usr/bin/python3
export NODE_PATH=/usr/share/nodejs
emscripten_toolchain=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake
