# The project's cache of what takes long to make: Qt for another platform, the Debian 13
# environment. Each is made once into a folder whose name hashes everything it depends on, so a
# changed recipe makes it afresh instead of reusing a stale one. Sourced by the scripts that
# make them.
cache_root=${XDG_CACHE_HOME:-$HOME/.cache}/hill-cipher

# The key of what standard input holds: the recipe's inputs, one a line.
cache_key() {
    sha256sum | cut -c1-16
}

# Locks $1 in the cache for as long as the calling script runs, with flock's options $2...
# (-s: shared); called again for the same name, it changes the lock's kind.
cache_lock() {
    local var=cache_lock_fd_${1//[^A-Za-z0-9]/_} fd
    if [[ -z ${!var:-} ]]; then
        mkdir -p "$cache_root"
        exec {fd}>"$cache_root/$1.lock"
        printf -v "$var" %s "$fd"
    fi
    flock "${@:2}" "${!var}"
}
