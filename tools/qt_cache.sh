# Shared by the scripts that build a Qt for another platform from Debian's own qt6-base source
# and keep it in the cache (cache.sh). Sourced, not run. A build script runs itself again as
# `SCRIPT --build PREFIX WORK` through cache_build, under `set -euo pipefail` and
# inherit_errexit, so that any step of its build that fails stops it.

# shellcheck source=cache.sh
source "$(dirname "${BASH_SOURCE[0]}")/cache.sh"

# The Debian version of the host Qt's source package; the target Qt is built from the same.
qt_source_version() { dpkg-query -W -f='${source:Version}' libqt6core6; }

# The CMake options that give a cross build the host Qt's tools: Debian's, whose CMake files lie
# in the host's multiarch folder. Also for the program's own cross builds (build.sh).
qt_host_options() {
    local multiarch
    multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH) &&
        echo "-DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/$multiarch/cmake"
}

# The machine's own Debian archives (whatever mirror or proxy it reaches them through), as
# deb-src entries: one-line entries on stdout as they stand, deb822 stanzas into folder $1.
qt_source_entries() {
    local parts=$1 codename file
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$file" ] || continue
        awk -v c="$codename" '($1 == "deb" || $1 == "deb-src") {
            suite = ($2 ~ /^\[/) ? "" : $3
            for (i = 2; i <= NF; i++) if ($i ~ /\]$/) { suite = $(i + 2); break }
            if (suite == c || index(suite, c "-") == 1) { $1 = "deb-src"; print } }' "$file"
    done | sort -u
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -f "$file" ] || continue
        awk -v c="$codename" 'BEGIN { RS = ""; ORS = "\n\n" } {
            if ($0 ~ /(^|\n)Enabled: *no/) next
            if (!match($0, /(^|\n)Suites:[^\n]*/)) next
            suites = substr($0, RSTART, RLENGTH)
            if (suites !~ ("[ :]" c "([ -]|$)")) next
            sub(/(^|\n)Types:[^\n]*/, "\nTypes: deb-src")
            sub(/^\n/, "")
            print }' "$file"
    done >"$parts/debian.sources"
}

# Fetches Debian's qt6-base source of the host Qt's version into folder $1; prints its folder.
qt_fetch_source() {
    local work=$1 version
    version=$(qt_source_version)
    mkdir -p "$work/apt/lists/partial" "$work/apt/parts" "$work/src"
    # A private list and state: the machine's apt configuration stays as it is.
    qt_source_entries "$work/apt/parts" >"$work/apt/sources.list"
    if [ ! -s "$work/apt/sources.list" ] && [ ! -s "$work/apt/parts/debian.sources" ]; then
        echo "No Debian archive found in the machine's apt sources to fetch qt6-base from" >&2
        return 1
    fi
    local apt_options=(-o "Dir::Etc::SourceList=$work/apt/sources.list"
        -o "Dir::Etc::SourceParts=$work/apt/parts" -o "Dir::State::Lists=$work/apt/lists"
        -o "Dir::Cache::pkgcache=" -o "Dir::Cache::srcpkgcache=")
    echo "Qt: fetching the source of qt6-base $version" >&2
    apt-get "${apt_options[@]}" update -qq >&2 || return 1
    (cd "$work/src" && apt-get "${apt_options[@]}" source -qq "qt6-base=$version" >&2) || return 1
    find "$work/src" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | sed -n 1p
}

# Ninja's output on stdin, shown one step in fifty, so a long build shows it is alive.
qt_progress() {
    awk -v name="$1" '/^\[[0-9]+\/[0-9]+\]/ { if (++n % 50 == 1) { split($1, p, /[][\/]/)
        printf "%s: step %s of %s\n", name, p[2], p[3]; fflush() } }' >&2
}

# Configures Qt's source $2 for prefix $4 with the CMake options that follow, builds it in
# $3/build and installs it, showing progress under the name $1; logs stay in $3.
qt_configure_build_install() {
    local name=$1 src=$2 work=$3 prefix=$4 host_qt
    shift 4
    host_qt=$(qt_host_options)
    echo "$name: configuring (log in $work/configure.log)" >&2
    # shellcheck disable=SC2086 # two options, no blanks in them
    cmake -S "$src" -B "$work/build" -G Ninja -DCMAKE_MAKE_PROGRAM="$(command -v ninja)" \
        -DCMAKE_INSTALL_PREFIX="$prefix" $host_qt "$@" >"$work/configure.log" 2>&1 ||
        { tail -n 40 "$work/configure.log" >&2; return 1; }
    echo "$name: building, 15 to 25 minutes on two cores (log in $work/build.log)" >&2
    if ! cmake --build "$work/build" --parallel "$(nproc)" 2>&1 | tee "$work/build.log" |
        qt_progress "$name"; then
        grep -A 20 '^FAILED' "$work/build.log" | head -n 60 >&2
        return 1
    fi
    cmake --install "$work/build" >"$work/install.log" 2>&1
}

