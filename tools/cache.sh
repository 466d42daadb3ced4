# Shared by the scripts that build something once and keep it in a cache outside the clone, which
# every clone and CI run reuses: the Qt builds and the web tests' Node modules. Sourced, not run.
#
#   cache_build NAME KEY_TEXT COMMAND [ARG...]
# prints the folder of the finished result, NAME-KEY with KEY a hash of KEY_TEXT. When the folder
# is not there yet, it runs COMMAND ARG... FOLDER WORK, a program of its own (so that its errexit
# holds whatever context this is called from) that fills FOLDER using the fresh folder WORK.
# Builds are serialised by a lock, and a folder counts only once its command has succeeded and
# it is marked complete: a build that failed or was cut off leaves nothing that is used later.

cache_dir() { echo "${DICEWRIGHT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/dicewright}"; }

cache_build() {
    local name=$1 key_text=$2 cache key folder
    shift 2
    cache=$(cache_dir)
    key=$(printf '%s\n' "$key_text" | sha256sum | cut -c1-12)
    folder=$cache/$name-$key
    mkdir -p "$cache"
    (
        # One build at a time per cache: a second waits, then finds the first one's result.
        flock 9 || exit 1
        [ -f "$folder/.complete" ] && exit 0
        work=$cache/work-$name-$key
        rm -rf "$work" "$folder"
        mkdir -p "$work" "$folder" || exit 1
        "$@" "$folder" "$work" || exit 1
        touch "$folder/.complete" || exit 1
        rm -rf "$work"
        echo "$name: ready in $folder" >&2
    ) 9>"$cache/$name.lock" || { echo "$name: the build failed; nothing of it is kept" >&2; return 1; }
    echo "$folder"
}
