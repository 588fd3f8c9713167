#!/usr/bin/env bash
# The Debian package: built here with cpack from the build; it must hold exactly what the
# install rules put under /usr (nothing from the build tree), bear the standard file name, and
# name the Qt 6 libraries the programs link in its dependencies. Usage: deb_package.sh BIN_DIR
set -uo pipefail

bin=${1:?usage: deb_package.sh BIN_DIR}
build=$(cd "$bin/.." && pwd)
source_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in cpack dpkg-deb dpkg-shlibdeps file; do
    command -v "$tool" >/dev/null 2>&1 || fail "$tool is not installed"
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" >"$work/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$work/cpack.log")"
version=$(sed -n 's/^project(Brevanto VERSION \([0-9.]*\).*/\1/p' "$source_root/CMakeLists.txt")
deb="$work/package/brevanto_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $(basename "$deb"); cpack made: $(ls "$work/package")"

# Every entry lies under /usr, and the files are exactly those of an install for /usr.
dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./||' | sort >"$work/entries"
outside=$(grep -v -e '^$' -e '^usr/' -e '^usr$' "$work/entries")
[ -z "$outside" ] || fail "entries outside /usr: $outside"
dpkg-deb --fsys-tarfile "$deb" | tar -t --verbose | awk '$1 ~ /^-/ {print $NF}' | sed 's|^\./||' | sort >"$work/files"
DESTDIR="$work/dest" cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
    fail "install failed: $(cat "$work/install.log")"
(cd "$work/dest" && find . -type f | sed 's|^\./||' | sort) >"$work/installed"
diff "$work/installed" "$work/files" >"$work/diff" || fail "the package differs from the install: $(cat "$work/diff")"
leaked=$(grep -e CMakeFiles -e _autogen -e '\.o$' -e '\.a$' -e _tests -e bench_ -e make-assets "$work/files")
[ -z "$leaked" ] || fail "build-tree files in the package: $leaked"
grep -qx 'usr/bin/brevanto' "$work/files" || fail "the game is not in the package"

# The control file: name, version and the Qt 6 libraries the programs link.
[ "$(dpkg-deb -f "$deb" Package)" = brevanto ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 qt6-qpa-plugins; do
    grep -q "\b$library\b" <<<"$depends" || fail "Depends lacks $library: $depends"
done

# The programs in the package are stripped copies, not the build's debug binaries.
dpkg-deb -x "$deb" "$work/unpacked"
file "$work/unpacked/usr/bin/brevanto" | grep -q ', stripped' || fail "the packaged game is not stripped"
echo "PASS: $(basename "$deb"): $(wc -l <"$work/files") files under /usr; Depends: $depends"
