#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence's SPDX line at the top of every tracked source file that lacks it: as the
# first line, or the second behind a "#!" line. "//" comments for C++ (*.cpp, *.h, *.h.in),
# "#" comments for shell, CMake, Python and the Makefile. Running it again changes nothing.
# With --check it changes nothing either: it lists the files that lack the line and fails if
# there are any. Usage: scripts/add-spdx.sh [--check]
set -euo pipefail

identifier="SPDX-License-Identifier: GPL-3.0-or-later"
check=false
case ${1:-} in
    --check) check=true ;;
    "") ;;
    *) echo "usage: scripts/add-spdx.sh [--check]" >&2; exit 2 ;;
esac
cd "$(dirname "${BASH_SOURCE[0]}")/.."
git rev-parse --is-inside-work-tree >/dev/null 2>&1 || { echo "add-spdx.sh: needs a git checkout: it looks at the tracked files" >&2; exit 2; }

# The SPDX line a file takes, by its name; nothing for files that are not source.
spdx_line() {
    case $(basename "$1") in
        *.cpp | *.h | *.h.in) echo "// $identifier" ;;
        *.sh | *.bash | *.cmake | CMakeLists.txt | *.py | Makefile) echo "# $identifier" ;;
    esac
}

# The line number the SPDX line belongs at: behind a "#!" line, else first.
spdx_position() {
    if [ "$(head -c 2 "$1")" = "#!" ]; then echo 2; else echo 1; fi
}

missing=0
while IFS= read -r -d '' file; do
    line=$(spdx_line "$file")
    [ -n "$line" ] && [ -f "$file" ] || continue
    position=$(spdx_position "$file")
    [ "$(sed -n "${position}p" "$file")" = "$line" ] && continue
    missing=$((missing + 1))
    if $check; then
        echo "$file"
    elif [ ! -s "$file" ]; then
        printf '%s\n' "$line" >"$file"
    elif [ "$position" = 2 ]; then
        sed -i "1a\\$line" "$file"
    else
        sed -i "1i\\$line" "$file"
    fi
done < <(git ls-files -z)

if $check && [ "$missing" -gt 0 ]; then
    echo "add-spdx.sh: $missing tracked source file(s) lack the line '$identifier' at the top; scripts/add-spdx.sh adds it" >&2
    exit 1
fi
$check || echo "add-spdx.sh: added the SPDX line to $missing file(s)"
