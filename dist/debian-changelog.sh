#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the Debian changelog of the package from CHANGELOG.md: one entry per "## VERSION -
# YYYY-MM-DD" release, its "- " items as "  * " items wrapped to 78 columns, signed by the
# maintainer at midnight UTC of the release date. A line that fits none of these forms is an
# error, so a slip in CHANGELOG.md cannot reach the package as a garbled entry.
# Usage: debian-changelog.sh CHANGELOG.md PACKAGE "NAME <ADDRESS>" >changelog
set -euo pipefail

changelog=${1:?usage: debian-changelog.sh CHANGELOG.md PACKAGE MAINTAINER}
package=${2:?usage: debian-changelog.sh CHANGELOG.md PACKAGE MAINTAINER}
maintainer=${3:?usage: debian-changelog.sh CHANGELOG.md PACKAGE MAINTAINER}

LC_ALL=C awk -v package="$package" -v maintainer="$maintainer" '
function fail(message) {
    printf "%s:%d: %s\n", FILENAME, FNR, message > "/dev/stderr"
    failed = 1
    exit 1
}
# Words of one item, filled to 78 columns behind "  * " and "    ".
function flush_item(    words, count, i, line) {
    if (item == "")
        return
    count = split(item, words, " ")
    line = "  *"
    for (i = 1; i <= count; i++) {
        if (length(line) + 1 + length(words[i]) > 78 && line != "  *" && line != "   ") {
            print line
            line = "   "
        }
        line = line " " words[i]
    }
    print line
    item = ""
    items++
}
function close_release(    command, stamp) {
    if (version == "")
        return
    flush_item()
    if (items == 0)
        fail("release " version " has no items")
    command = "date -u -R -d " date
    if ((command | getline stamp) <= 0)
        fail("cannot read the date " date)
    close(command)
    print ""
    print " -- " maintainer "  " stamp
    version = ""
}
/^## / {
    close_release()
    if (!match($0, /^## [0-9]+(\.[0-9]+)* - [0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]$/))
        fail("a release heading reads \"## VERSION - YYYY-MM-DD\"")
    version = $2
    date = $4
    items = 0
    if (releases++)
        print ""
    print package " (" version ") unstable; urgency=medium"
    print ""
    next
}
version == "" { next }    # the introduction above the first release
/^- / { flush_item(); item = substr($0, 3); next }
/^  [^ ]/ {
    if (item == "")
        fail("a continuation line outside an item")
    item = item " " substr($0, 3)
    next
}
/^$/ { flush_item(); next }
{ fail("neither an item, its continuation nor a release heading") }
END {
    if (failed)
        exit 1
    close_release()
    if (releases == 0) {
        printf "%s:%d: no \"## VERSION - YYYY-MM-DD\" release heading\n", FILENAME, FNR > "/dev/stderr"
        exit 1
    }
}
' "$changelog"
