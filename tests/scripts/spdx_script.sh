#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# scripts/add-spdx.sh in a scratch repository: --check lists exactly the tracked source files
# without the licence line and fails; a run puts the line first (second behind "#!"), in the
# comment style of each language, leaves everything else of the file, its mode, untracked and
# non-source files alone; a second run and --check then find nothing to do.
# Usage: spdx_script.sh BIN_DIR (unused)
set -uo pipefail

source_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v git >/dev/null 2>&1 || fail "git is not installed"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
repo="$work/repo"
mkdir -p "$repo/scripts" "$repo/src/deep" "$repo/tools"
cp "$source_root/scripts/add-spdx.sh" "$repo/scripts/"
cd "$repo" || fail "no scratch repository"

printf '%s\n' '// The field.' '#include "Field.h"' >src/Field.cpp
printf '%s\n' '#pragma once' '// Cells.' >src/deep/Cell.h
printf '%s\n' '#pragma once' 'inline constexpr char V[] = "@V@";' >src/Build.h.in
: >src/Empty.h
printf '%s\n' '#!/usr/bin/env bash' 'echo run' >tools/run.sh
chmod 755 tools/run.sh
printf '%s\n' '#!/usr/bin/env python3' 'print(1)' >tools/tool.py
printf '%s\n' 'add_subdirectory(src)' >CMakeLists.txt
printf '%s\n' 'set(X 1)' >tools/Rules.cmake
printf '%s\n' 'all:' '	true' >Makefile
printf '%s\n' '// SPDX-License-Identifier: GPL-3.0-or-later' '// Done already.' >src/Done.cpp
printf '%s\n' 'Notes, not source.' >NOTES.txt
git init -q . && git add . && git -c user.name=t -c user.email=t@t.invalid commit -qm scratch ||
    fail "cannot make the scratch repository"
printf '%s\n' '// Not tracked.' >src/Untracked.cpp
lacking="CMakeLists.txt Makefile src/Build.h.in src/Empty.h src/Field.cpp src/deep/Cell.h tools/Rules.cmake tools/run.sh tools/tool.py"

listed=$(bash scripts/add-spdx.sh --check 2>/dev/null)
[ $? -eq 1 ] || fail "--check does not fail on a tree that lacks the line"
[ "$(sort <<<"$listed" | tr '\n' ' ')" = "$lacking " ] || fail "--check listed: $listed"
git diff --quiet || fail "--check changed files"

bash scripts/add-spdx.sh >/dev/null || fail "the run failed"
cpp='// SPDX-License-Identifier: GPL-3.0-or-later'
hash='# SPDX-License-Identifier: GPL-3.0-or-later'
expect() { # FILE LINE...: the file's content is exactly these lines
    local file=$1
    shift
    printf '%s\n' "$@" | cmp -s - "$file" || fail "$file reads: $(cat "$file")"
}
expect src/Field.cpp "$cpp" '// The field.' '#include "Field.h"'
expect src/deep/Cell.h "$cpp" '#pragma once' '// Cells.'
expect src/Build.h.in "$cpp" '#pragma once' 'inline constexpr char V[] = "@V@";'
expect src/Empty.h "$cpp"
expect tools/run.sh '#!/usr/bin/env bash' "$hash" 'echo run'
expect tools/tool.py '#!/usr/bin/env python3' "$hash" 'print(1)'
expect CMakeLists.txt "$hash" 'add_subdirectory(src)'
expect tools/Rules.cmake "$hash" 'set(X 1)'
expect Makefile "$hash" 'all:' '	true'
expect src/Done.cpp "$cpp" '// Done already.'
expect NOTES.txt 'Notes, not source.'
expect src/Untracked.cpp '// Not tracked.'
[ -x tools/run.sh ] || fail "the run lost a script's executable mode"
[ "$(sed -n 2p scripts/add-spdx.sh)" = "$hash" ] || fail "the script itself did not get the line behind its #! line"

git add -u && git -c user.name=t -c user.email=t@t.invalid commit -qm lines || fail "cannot commit the run"
bash scripts/add-spdx.sh >/dev/null || fail "the second run failed"
git diff --quiet || fail "a second run changed: $(git diff --stat)"
bash scripts/add-spdx.sh --check >/dev/null 2>&1 || fail "--check fails on a tree where every file has the line"
echo "PASS: add-spdx.sh adds the line once, in each language's comment, and --check finds the files without it"
