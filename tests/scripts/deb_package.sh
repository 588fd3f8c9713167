#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: built here with cpack from the build. It must hold exactly what the install
# rules of its components put under /usr (nothing from the build tree), with the programs in
# /usr/games as Debian lays out games and menu entries that start them there; bear the standard
# file name; name the Qt 6 libraries the programs link and what they load at run time in its
# dependencies; carry the changelog of its own version; and pass lintian, Debian's package
# checker, without an error or a warning. The package needs no lintian override today; one that
# becomes unavoidable goes into the package's usr/share/lintian/overrides/brevanto with a
# comment that says why (lintian then leaves the tag out). Usage: deb_package.sh BIN_DIR
set -uo pipefail

bin=${1:?usage: deb_package.sh BIN_DIR}
build=$(cd "$bin/.." && pwd)
source_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in cpack dpkg-deb dpkg-shlibdeps dpkg-parsechangelog desktop-file-validate file lintian; do
    command -v "$tool" >/dev/null 2>&1 || fail "$tool is not installed (scripts/install-deps.sh installs it)"
done
if [ ! -f "$build/CPackConfig.cmake" ]; then
    echo "SKIP: this build makes no package (its BREVANTO_PROGRAM_DIR lies deeper than games/)"
    exit 0
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" >"$work/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$work/cpack.log")"
version=$(sed -n 's/^project(Brevanto VERSION \([0-9.]*\).*/\1/p' "$source_root/CMakeLists.txt")
deb="$work/package/brevanto_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $(basename "$deb"); cpack made: $(ls "$work/package")"

# Every entry lies under /usr, and the files are exactly those the package's components install
# for /usr.
dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./||' | sort >"$work/entries"
outside=$(grep -v -e '^$' -e '^usr/' -e '^usr$' "$work/entries")
[ -z "$outside" ] || fail "entries outside /usr: $outside"
dpkg-deb --fsys-tarfile "$deb" | tar -t --verbose | awk '$1 ~ /^-/ {print $NF}' | sed 's|^\./||' | sort >"$work/files"
for component in data debian_programs; do
    DESTDIR="$work/dest" cmake --install "$build" --prefix /usr --component "$component" >>"$work/install.log" 2>&1 ||
        fail "install of $component failed: $(cat "$work/install.log")"
done
(cd "$work/dest" && find . -type f | sed 's|^\./||' | sort) >"$work/installed"
diff "$work/installed" "$work/files" >"$work/diff" || fail "the package differs from the install: $(cat "$work/diff")"
leaked=$(grep -e CMakeFiles -e _autogen -e '\.o$' -e '\.a$' -e _tests -e bench_ -e make-assets "$work/files")
[ -z "$leaked" ] || fail "build-tree files in the package: $leaked"

# Debian's layout for games: every program in /usr/games, none in /usr/bin.
for program in brevanto brevanto-sim; do
    grep -qx "usr/games/$program" "$work/files" || fail "usr/games/$program is not in the package"
done
in_bin=$(grep -e '^usr/bin/' -e '^bin/' "$work/files")
[ -z "$in_bin" ] || fail "programs outside /usr/games: $in_bin"

# Each menu entry starts its program by its full path in /usr/games, which the package holds.
dpkg-deb -x "$deb" "$work/unpacked"
for entry in "$work"/unpacked/usr/share/applications/*.desktop; do
    desktop-file-validate "$entry" || fail "desktop-file-validate refused the package's $(basename "$entry")"
    for key in Exec TryExec; do
        program=$(sed -n "s/^$key=\([^ ]*\).*/\1/p" "$entry")
        [[ "$program" == /usr/games/* ]] || fail "$(basename "$entry"): $key=$program is not in /usr/games"
        [ -x "$work/unpacked$program" ] || fail "$(basename "$entry"): $key=$program is not in the package"
    done
done

# The man pages are the project's pages, compressed; the changelog is that of this version.
for page in "$source_root"/dist/man/*.[1-9]; do
    name=$(basename "$page")
    zcat "$work/unpacked/usr/share/man/man${name##*.}/$name.gz" 2>/dev/null | cmp -s - "$page" ||
        fail "the package's man page $name.gz is not dist/man/$name"
done
zcat "$work/unpacked/usr/share/doc/brevanto/changelog.gz" >"$work/changelog" || fail "no changelog.gz"
[ "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" = "$version" ] ||
    fail "the changelog's latest entry is not version $version: $(head -1 "$work/changelog")"

# The control file: name, version, the Qt 6 libraries the programs link and what they load.
[ "$(dpkg-deb -f "$deb" Package)" = brevanto ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 qt6-qpa-plugins qt6-translations-l10n; do
    grep -q "\b$library\b" <<<"$depends" || fail "Depends lacks $library: $depends"
done

# The programs in the package are stripped copies, not the build's debug binaries.
file "$work/unpacked/usr/games/brevanto" | grep -q ', stripped' || fail "the packaged game is not stripped"

# lintian: no error and no warning (its remark about running as root goes to stderr). A
# sanitizer build is never shipped, so its package is not held to Debian's rules.
if grep -q '^BREVANTO_SANITIZE:BOOL=ON' "$build/CMakeCache.txt"; then
    lintian_verdict="lintian skipped in a sanitizer build"
else
    lintian --fail-on none "$deb" >"$work/lintian.log" 2>"$work/lintian.err" ||
        fail "lintian could not check the package: $(cat "$work/lintian.err")"
    findings=$(grep -E '^[EW]: ' "$work/lintian.log")
    [ -z "$findings" ] || fail "lintian: $findings"
    lintian_verdict="lintian clean"
fi

echo "PASS: $(basename "$deb"): $(wc -l <"$work/files") files under /usr, $lintian_verdict; Depends: $depends"
