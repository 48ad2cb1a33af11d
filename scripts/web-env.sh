# The environment for building with Debian's emscripten, sourced by the browser's scripts.
#
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
