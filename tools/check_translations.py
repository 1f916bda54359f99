#!/usr/bin/env python3
"""Fails when a text of the window has no finished translation in one of the languages.

Runs lupdate on the sources into copies of the committed .ts files (the committed files stay as
they are) and reports, per language: a text without a finished translation (new in the sources,
or marked unfinished), a translation whose text the sources no longer have (the .ts file is stale),
an empty translation, and a translation that lost or added a placeholder (%1, %2, ...), which
would show the wrong figures or none. Fix with:

    cmake --build build --target update_translations

then translate what is unfinished (Qt Linguist, or an editor) and run the check again.

Usage: check_translations.py --lupdate PATH --ts-dir DIR --languages cs,sk,... [-I ROOT] SOURCE_FOLDER...
"""
import argparse
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

PLACEHOLDER = re.compile(r"%(\d+)")


def problems_in(ts_file, language):
    """The problems of one lupdate-refreshed .ts file, as readable lines."""
    found = []
    root = ET.parse(ts_file).getroot()
    declared = root.get("language", "")
    if declared.split("_")[0] != language:
        found.append(f"the file declares language '{declared}', not '{language}'")
    for context in root.iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            source = message.findtext("source", "")
            translation = message.find("translation")
            where = f"[{name}] {source!r}"
            kind = translation.get("type", "") if translation is not None else "unfinished"
            text = (translation.text or "") if translation is not None else ""
            if kind in ("vanished", "obsolete"):
                found.append(f"{where}: translated, but the sources no longer have this text")
            elif kind == "unfinished":
                found.append(f"{where}: not translated")
            elif not text.strip():
                found.append(f"{where}: empty translation")
            elif set(PLACEHOLDER.findall(source)) != set(PLACEHOLDER.findall(text)):
                found.append(f"{where}: the translation {text!r} does not keep the placeholders")
    return found


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--lupdate", required=True)
    parser.add_argument("--ts-dir", required=True, type=Path)
    parser.add_argument("--languages", required=True)
    parser.add_argument("--prefix", default="scale-utility_")
    parser.add_argument("-I", dest="include", action="append", default=[],
                        help="where the sources' includes are found (the class of a tr() is read there)")
    parser.add_argument("folders", nargs="+")
    args = parser.parse_args()

    failed = False
    with tempfile.TemporaryDirectory() as scratch:
        copies = []
        for language in args.languages.split(","):
            committed = args.ts_dir / f"{args.prefix}{language}.ts"
            if not committed.is_file():
                print(f"{language}: {committed} is missing")
                failed = True
                continue
            copy = Path(scratch) / committed.name
            shutil.copyfile(committed, copy)
            copies.append((language, copy))
        if copies:
            run = subprocess.run(
                [args.lupdate, "-silent", "-locations", "none", *[f"-I{i}" for i in args.include], *args.folders,
                 "-ts", *[str(c) for _, c in copies]],
                capture_output=True, text=True)
            if run.returncode != 0:
                print(f"lupdate failed:\n{run.stdout}{run.stderr}")
                return 1
            # Silent, lupdate speaks only of trouble: a tr() whose class it cannot find, a text it
            # cannot extract. Such a text would be looked up under the wrong class and stay English.
            for line in (run.stdout + run.stderr).splitlines():
                print(f"lupdate: {line}")
                failed = True
        for language, copy in copies:
            for problem in problems_in(copy, language):
                print(f"{language}: {problem}")
                failed = True
    if failed:
        print("\nBring the .ts files up to date with: cmake --build build --target update_translations,"
              "\nthen translate what is listed above.")
        return 1
    print(f"translations complete: {', '.join(l for l, _ in copies)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
