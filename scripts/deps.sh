# Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
# Sourced by scripts/run and scripts/test: installs the Debian packages that are missing.

ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "error: these packages are missing and installing them needs root: ${missing[*]}" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# What building and running the program needs.
BUILD_PACKAGES=(g++ cmake ninja-build pkg-config linux-libc-dev libusb-1.0-0-dev libgif-dev qt6-base-dev qt6-base-dev-tools qt6-l10n-tools qt6-translations-l10n libgl-dev
    qt6-qpa-plugins fonts-dejavu-core)
# What the test suite needs on top: an X server for the end-to-end tests, a driver for it,
# window properties (xprop), xcb to send a close box's message, the benchmark library, the
# validators of the desktop files, the accessibility bus and a reader of it, and what packaging
# needs. xvfb-run needs xauth.
# What packaging needs: dpkg-shlibdeps works out the .deb's dependencies.
PACKAGE_PACKAGES=(dpkg-dev file)
TEST_PACKAGES=(xvfb xauth xdotool x11-utils libxcb1-dev libbenchmark-dev
    binutils desktop-file-utils appstream at-spi2-core python3-pyatspi dbus lintian shared-mime-info gtk-update-icon-cache
    "${PACKAGE_PACKAGES[@]}")

# configure CMAKE_ARGS...: cmake's configure step, quiet when it works and all of its output when
# it fails, so a missing package is named rather than hidden.
configure() {
    local log
    log=$(mktemp)
    if cmake "$@" >"$log" 2>&1; then
        rm -f "$log"
        return 0
    fi
    cat "$log" >&2
    rm -f "$log"
    return 1
}

# configure_build ROOT [CMAKE_ARGS...]: build/ is configured once, by whichever script comes
# first, and every script after it builds there as it is: a flag that changes how sources are
# compiled (-Werror) is never flipped back and forth, which would rebuild everything each time.
# A new folder takes the arguments; one already there takes only the suite's checks, which
# change no compile flag.
configure_build() {
    local root=$1
    shift
    if [ -f "$root/build/CMakeCache.txt" ]; then
        local keep=()
        local argument
        for argument in "$@"; do
            case "$argument" in -DGLIMMERVIEW_FULL_SUITE=*) keep+=("$argument") ;; esac
        done
        configure -S "$root" -B "$root/build" "${keep[@]}"
    else
        configure -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@"
    fi
}

# build_release ROOT [CMAKE_ARGS...]: configures as configure_build does and builds everything.
build_release() {
    local root=$1
    shift
    configure_build "$root" "$@" && cmake --build "$root/build" --parallel "$(nproc)"
}

# timed NAME COMMAND...: runs the command and says how long it took; its status is the command's
# (a function run by it goes on past a failing step, so its steps are joined by &&). The line also goes to the
# file named by GLIMMERVIEW_STAGE_TIMES, where .ci/run collects its summary, and the stage's name
# to GLIMMERVIEW_STAGE, so that a run cut short can say where it was.
timed() {
    local name=$1
    local started=$SECONDS
    shift
    [ -n "${GLIMMERVIEW_STAGE:-}" ] && echo "$name" >"$GLIMMERVIEW_STAGE"
    local status=0
    "$@" || status=$?
    local line
    line=$(printf '%-34s %5d s' "$name" $((SECONDS - started)))
    echo "== $line"
    [ -n "${GLIMMERVIEW_STAGE_TIMES:-}" ] && echo "$line" >>"$GLIMMERVIEW_STAGE_TIMES"
    return $status
}
