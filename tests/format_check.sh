#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a C++ file of the project is not formatted as .clang-format says.
set -euo pipefail
root=${1:?usage: format_check.sh SOURCE_DIR}
cd "$root"
bad=()
while IFS= read -r -d '' file; do
    clang-format --dry-run -Werror "$file" >/dev/null 2>&1 || bad+=("$file")
done < <(git ls-files -z '*.cpp' '*.h' 2>/dev/null ||
    find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print0)
if [ ${#bad[@]} -gt 0 ]; then
    printf 'not clang-formatted: %s\n' "${bad[@]}" >&2
    exit 1
fi
echo "all C++ files formatted"
