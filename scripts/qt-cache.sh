# Builds Qt from Debian's own qt6-base source for another platform, once, into a cache.
# Sourced by scripts/windows-qt and scripts/web-qt, which set:
#   qt_name            a word for messages and the build folder (windows, web)
#   qt_options         Qt's configure options, all of which go into the cache key
#   qt_compiler        the compiler's version line
#   qt_key_files       files whose contents the result depends on (toolchain files)
#   qt_cmake_args      options that are paths, not choices (toolchain file, host Qt)
#   qt_patches         patches to Qt's source, applied in order (none unless set)
# and then call qt_cached_prefix, which prints the installed Qt's prefix.
#
# The Qt is the same version as the host tools (moc, rcc, uic) it is built and used with. It is
# built in a folder of its own and moved into place only when complete, so an interrupted build is
# never taken for a good one.

source "$(dirname "${BASH_SOURCE[0]}")/cache.sh"
qt_cache=$cache_root
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
qt_debian=$(. /etc/os-release && echo "$VERSION_ID")
qt_patches=()

# Debian's source package, fetched through a private apt configuration that adds the deb-src
# twin of the system's entries: nothing in /etc changes. apt checks the files against the
# signed archive index before dpkg-source unpacks them. One copy a version, which the foreign
# builds of that version share (Windows from Debian 12's, the browser from Debian 13's).
qt_fetch_source() {
    local dir=$qt_cache/qt-source-$qt_version
    if [[ ! -d "$dir/src" ]]; then
        rm -rf "$dir"
        local apt_dir=$dir/apt
        mkdir -p "$apt_dir/lists/partial" "$apt_dir/sources.list.d" "$dir/download"
        local f
        # In either of apt's formats: deb822 files, and the one-line sources.list of an installed
        # Debian.
        for f in /etc/apt/sources.list.d/*.sources /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
            [[ -f $f ]] || continue
            sed -E 's/^Types:.*/Types: deb-src/; s/^deb /deb-src /' "$f" > "$apt_dir/sources.list.d/$(basename "$f")"
        done
        local apt_opts=(
            -o "Dir::State::Lists=$apt_dir/lists"
            -o "Dir::Etc::SourceList=/dev/null"
            -o "Dir::Etc::SourceParts=$apt_dir/sources.list.d"
            -o "Dir::Cache::pkgcache=" -o "Dir::Cache::srcpkgcache="
            -o "APT::Sandbox::User=$(id -un)"
        )
        apt-get "${apt_opts[@]}" -qq update >&2
        (cd "$dir/download" && apt-get "${apt_opts[@]}" -qq source "qt6-base=$qt_version" >&2)
        mv "$(find "$dir/download" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')" "$dir/src"
        rm -rf "$dir/download" "$apt_dir"
    fi
    echo "$dir/src"
}

qt_cached_prefix() {
    local key prefix
    key=$({
        echo "$qt_version"
        printf '%s\n' "${qt_options[@]}"
        echo "$qt_compiler"
        cat "${qt_key_files[@]}" "${qt_patches[@]}"
    } | cache_key)
    prefix=$qt_cache/qt-$key
    # One build at a time for each platform: a second caller waits for the first one's Qt.
    cache_lock "qt-$qt_name"
    if [[ -f "$prefix/lib/cmake/Qt6/Qt6Config.cmake" ]]; then
        echo "$prefix"
        return
    fi

    # The build folder stays until Qt is installed, so that an interrupted build resumes and a
    # changed option rebuilds only what it touches; a different Qt version starts afresh.
    local work=$qt_cache/qt-build-$qt_name
    if [[ "$(cat "$work/version" 2>/dev/null)" != "$qt_version" ]]; then
        rm -rf "$work"
        mkdir -p "$work"
        echo "$qt_version" > "$work/version"
    fi
    local src start=$SECONDS
    src=$(qt_fetch_source)
    # Patched in a copy, so that the source stays as Debian ships it for every other build.
    if [[ ${#qt_patches[@]} -gt 0 ]]; then
        rm -rf "$work/src"
        cp -a "$src" "$work/src"
        src=$work/src
        local patch
        for patch in "${qt_patches[@]}"; do
            patch -d "$src" -p1 --quiet --no-backup-if-mismatch < "$patch" >&2
        done
    fi
    echo "Building Qt $qt_version for $qt_name into $prefix" >&2

    # Configured afresh every time, so that an option dropped from the list is not kept by
    # CMake's cache. Installed through DESTDIR so that every path Qt records is the final one.
    rm -f "$work/build/CMakeCache.txt"
    nice cmake -S "$src" -B "$work/build" -G Ninja -DCMAKE_INSTALL_PREFIX="$prefix" \
        "${qt_cmake_args[@]}" "${qt_options[@]}" >&2
    nice cmake --build "$work/build" --parallel "$(nproc)" >&2
    rm -rf "$work/dest"
    DESTDIR=$work/dest cmake --install "$work/build" >&2

    # Where the exact source and options came from, for the licence note shipped with Qt.
    {
        echo "qt6-base $qt_version (Debian $qt_debian source package)"
        printf '%s\n' "${qt_options[@]}"
        echo "$qt_compiler"
    } > "$work/dest$prefix/hill-cipher-qt-build.txt"

    rm -rf "$prefix"
    mv "$work/dest$prefix" "$prefix"
    rm -rf "$work"
    echo "Qt for $qt_name built in $(( (SECONDS - start) / 60 )) min" >&2
    echo "$prefix"
}
