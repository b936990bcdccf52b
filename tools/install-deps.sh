#!/bin/sh
# Brings, from Debian's packages only, everything the builds and tests need.
# Idempotent: does nothing that is already done. Installing needs root.
# 32-bit Wine only where the machine runs 32-bit code; 64-bit Wine everywhere.
set -eu
. "$(dirname "$0")/wine-env.sh"

packages="cmake ninja-build g++ libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine wine64 xvfb x11-utils xdotool
  imagemagick libx11-dev locales fonts-ipafont-gothic git cmark"
vexlo_runs_32bit && packages="$packages wine32:i386"

# 32-bit Wine needs every i386 library at its amd64 twin's version. When the
# mirror's i386 security list lags, apt ignores it while the amd64 packages
# still come from the security list, and no such pair can be made. The
# release's own lists have both halves: take everything from them (-t), and
# each amd64 library that already came from the security list at the
# release's version too; apt names those as i386 dependencies it cannot
# install. Each round names the next layer.
install_from_release() {
    picks= wants=
    for round in 1 2 3 4 5 6 7 8; do
        if out=$(apt-get -s -t "$release" install --no-install-recommends "$@" $wants $picks 2>&1); then
            DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
                -t "$release" --allow-downgrades "$@" $picks >/dev/null || return 1
            echo "install-deps: 32-bit Wine and the rest from $release's own lists" \
                "(its i386 security list is out of reach)${picks:+; at $release's version:$picks}" >&2
            return 0
        fi
        more=
        for lib in $(echo "$out" | sed -n 's/.*Depends: \([^ :]*\):i386 .*/\1/p' | sort -u); do
            case " $picks $wants " in *" $lib/$release "* | *" $lib:i386 "*) continue ;; esac
            # amd64 at a version the release lists lack: bring it to the release's.
            installed=$(dpkg-query -W -f='${Version}' "$lib:amd64" 2>/dev/null) || installed=
            if [ -n "$installed" ] && ! apt-cache madison "$lib" | awk -F' *[|] *' -v v="$installed" \
                -v s=" $release/main amd64 " '$2 == v && index($3 " ", s) { found = 1 } END { exit !found }'; then
                picks="$picks $lib/$release"
            else
                wants="$wants $lib:i386"
            fi
            more=yes
        done
        [ -n "$more" ] || return 1
    done
    return 1
}
release=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")

missing=
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing="$missing $p"
done
# Wine maps LC_ALL=ja_JP.UTF-8 to code page 932 only when the locale exists.
locale -a 2>/dev/null | grep -qix 'ja_JP.utf8' && has_locale=yes || has_locale=

[ -z "$missing" ] && [ -n "$has_locale" ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
    echo "install-deps: missing:$missing${has_locale:- ja_JP.UTF-8 locale}; run as root to install" >&2
    exit 1
fi

if [ -n "$missing" ]; then
    echo "install-deps: installing$missing"
    case $missing in
    *:i386*) dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386 ;;
    esac
    # A mirror caught mid-sync fails one index; the install below still says what is missing.
    apt-get update -qq || apt-get update -qq || echo "install-deps: apt-get update reported errors; installing from the lists it has" >&2
    install() { DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$@" >/dev/null; }
    if ! install $missing; then
        case $missing in
        *wine32:i386*) install_from_release $missing || {
            echo "install-deps: 32-bit Wine cannot be installed from this mirror now; installing the rest" >&2
            install $(echo "$missing" | sed 's/wine32:i386//')
        } ;;
        *) exit 1 ;;
        esac
    fi
fi
if [ -z "$has_locale" ]; then
    sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >>/etc/locale.gen
    locale-gen >/dev/null
fi
