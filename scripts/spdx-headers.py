#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Puts the licence's SPDX identifier at the top of every source file that lacks it, or
with --check lists those files and fails. The files: C++ sources and headers, CMake files
and shell scripts of the project."""
import pathlib
import sys

TAG = "SPDX-License-Identifier: GPL-3.0-or-later"
ROOT = pathlib.Path(__file__).resolve().parent.parent


def sources():
    for folder in ("src", "tests", "bench", "cmake", "scripts", "data", ".ci"):
        for path in sorted((ROOT / folder).rglob("*")):
            if path.is_file() and (path.suffix in (".cpp", ".h", ".cmake", ".sh", ".py")
                                   or path.name in ("CMakeLists.txt", "run")):
                yield path
    for name in ("CMakeLists.txt", "run.sh", "test.sh"):
        yield ROOT / name


def comment(path):
    return "//" if path.suffix in (".cpp", ".h") else "#"


def main():
    check = "--check" in sys.argv
    missing = []
    for path in sources():
        text = path.read_text(encoding="utf-8")
        if TAG in "\n".join(text.splitlines()[:3]):
            continue
        missing.append(path)
        if check:
            continue
        line = f"{comment(path)} {TAG}\n"
        if text.startswith("#!"):
            first, _, rest = text.partition("\n")
            text = f"{first}\n{line}{rest}"
        else:
            text = line + text
        path.write_text(text, encoding="utf-8")
    if check and missing:
        for path in missing:
            print(f"no licence identifier: {path.relative_to(ROOT)}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
