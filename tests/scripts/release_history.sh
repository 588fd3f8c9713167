#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The release history is told once per audience and must agree: CHANGELOG.md, the AppStream
# file's releases and the project version name the same releases with the same dates, newest
# first; the Debian changelog made from CHANGELOG.md reads back as those releases with items no
# wider than lintian allows; and a CHANGELOG.md that breaks the format is refused instead of
# reaching the package garbled. Usage: release_history.sh BIN_DIR (unused)
set -uo pipefail

source_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v dpkg-parsechangelog >/dev/null 2>&1 || fail "dpkg-parsechangelog is not installed"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
convert() { bash "$source_root/dist/debian-changelog.sh" "$1" brevanto "Brevanto developers <maintainers@brevanto.invalid>"; }

# "VERSION DATE" per release, newest first, from each source.
sed -n 's/^## \([0-9.]*\) - \([0-9-]*\)$/\1 \2/p' "$source_root/CHANGELOG.md" >"$work/changelog.releases"
metainfo=("$source_root"/dist/*.metainfo.xml)
sed -n 's/.*<release version="\([^"]*\)" date="\([^"]*\)".*/\1 \2/p' "${metainfo[@]}" >"$work/metainfo.releases"
[ -s "$work/changelog.releases" ] || fail "CHANGELOG.md lists no release"
diff "$work/changelog.releases" "$work/metainfo.releases" >"$work/diff" ||
    fail "CHANGELOG.md and $(basename "${metainfo[0]}") list different releases: $(cat "$work/diff")"
version=$(sed -n 's/^project(Brevanto VERSION \([0-9.]*\).*/\1/p' "$source_root/CMakeLists.txt")
[ "$(head -1 "$work/changelog.releases" | cut -d' ' -f1)" = "$version" ] ||
    fail "the newest release in CHANGELOG.md is not the project version $version"

# The Debian changelog: every release, in order, at its date; items fit 80 columns.
convert "$source_root/CHANGELOG.md" >"$work/changelog" 2>"$work/err" || fail "conversion failed: $(cat "$work/err")"
# "VERSION DATE" per entry, as dpkg reads the Debian changelog.
entries() {
    dpkg-parsechangelog -l "$1" --all --format rfc822 | while IFS= read -r line; do
        case $line in
            Version:*) entry_version=${line#Version: } ;;
            Date:*) echo "$entry_version $(date -u -d "${line#Date: }" +%F)" ;;
        esac
    done
}
entries "$work/changelog" >"$work/debian.releases" 2>"$work/err" ||
    fail "dpkg-parsechangelog refused the changelog: $(cat "$work/err")"
diff "$work/changelog.releases" "$work/debian.releases" >"$work/diff" ||
    fail "the Debian changelog's releases differ: $(cat "$work/diff")"
wide=$(grep -n '^  ' "$work/changelog" | awk 'length > 80 + index($0, ":")')
[ -z "$wide" ] || fail "changelog lines wider than 80 columns: $wide"
grep -q '^  \* ' "$work/changelog" || fail "no items in the changelog"

# A faulty CHANGELOG.md is refused, naming its line.
refused() {
    printf '%s\n' "$@" >"$work/bad.md"
    ! convert "$work/bad.md" >/dev/null 2>"$work/err" && grep -q 'bad.md:[0-9]' "$work/err"
}
refused '## 1.0' '- an item' || fail "a release without a date was taken"
refused '## 1.0 - 2026-12-08' 'a line that is no item' || fail "a stray line was taken"
refused '## 1.0 - 2026-12-08' '' '## 0.9 - 2026-11-01' '- an item' || fail "a release without items was taken"
refused '## 1.0 - 2026-12-08' '  continued, but of nothing' || fail "a continuation outside an item was taken"
refused '# Changelog' 'No release at all.' || fail "a file without a release was taken"
printf '%s\n' '## 1.1 - 2026-12-09' '- fixed' '' '## 1.0 - 2026-12-08' '- first' >"$work/good.md"
convert "$work/good.md" >"$work/good" 2>"$work/err" || fail "two releases refused: $(cat "$work/err")"
[ "$(entries "$work/good" | tr '\n' ' ')" = "1.1 2026-12-09 1.0 2026-12-08 " ] ||
    fail "two releases read back as: $(cat "$work/good")"

echo "PASS: $(wc -l <"$work/changelog.releases") release(s) agree in CHANGELOG.md, the AppStream file and the Debian changelog"
