#!/usr/bin/env python3
"""Fails when a text of the window has no finished translation in one of the languages.

Runs lupdate on the sources into copies of the committed .ts files (the committed files stay as
they are) and reports, per language: a text without a finished translation (new in the sources,
or marked unfinished), a translation whose text the sources no longer have (the .ts file is stale),
an empty translation, a translation that lost or added a placeholder (%1, %2, ...), which
would show the wrong figures or none, and a count message (tr(text, nullptr, n)) without every
plural form its language has. With --glossary-dir, a term of a language's glossary
(glossary_<language>.md, a table "English | translation") must be translated as the glossary
says wherever the English term appears. Fix with:

    cmake --build build --target update_translations

then translate what is unfinished (Qt Linguist, or an editor) and run the check again.

Usage: check_translations.py --lupdate PATH --ts-dir DIR --languages cs,sk,... [--glossary-dir DIR]
                             [-I ROOT] SOURCE_FOLDER...
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
COUNT = re.compile(r"%L?n")


def read_glossary(path):
    """The (English variants, translation variants) rows of a glossary's table: a cell may name
    several variants, separated by " / "; the header and the rule below it are skipped."""
    rows = []
    for line in path.read_text(encoding="utf-8").splitlines():
        cells = [c.strip() for c in line.strip().strip("|").split("|")] if line.startswith("|") else []
        if len(cells) < 2 or set(cells[0]) <= set("-: ") or cells[0] == "English":
            continue
        rows.append(([v.strip("`") for v in cells[0].split(" / ")], [v.strip("`") for v in cells[1].split(" / ")]))
    return rows


def glossary_problems(where, source, texts, glossary):
    """A glossary term of the source (matched as a whole word, with its case) that the translation
    does not render as the glossary says (in any case)."""
    found = []
    for english, translations in glossary:
        if not any(re.search(rf"(?<!\w){re.escape(e)}(?!\w)", source) for e in english):
            continue
        for text in texts:
            if not any(t.casefold() in text.casefold() for t in translations):
                found.append(f"{where}: the glossary translates {english[0]!r} as {translations[0]!r}, "
                             f"the translation {text!r} does not")
    return found


def problems_in(ts_file, language, glossary=()):
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
            if message.get("numerus") == "yes" and kind not in ("vanished", "obsolete", "unfinished"):
                # lupdate gives the message as many forms as Qt's rules give the language (three in
                # Czech, Slovak and Polish, two in German, one in Hungarian) and marks it unfinished
                # while one of them is empty.
                forms = [f.text or "" for f in translation.iter("numerusform")]
                for number, form in enumerate(forms, 1):
                    if not COUNT.search(form) or set(PLACEHOLDER.findall(source)) != set(PLACEHOLDER.findall(form)):
                        found.append(f"{where}: plural form {number} {form!r} does not keep the count and placeholders")
                found += glossary_problems(where, source, forms, glossary)
            elif kind in ("vanished", "obsolete"):
                found.append(f"{where}: translated, but the sources no longer have this text")
            elif kind == "unfinished":
                found.append(f"{where}: not translated")
            elif not text.strip():
                found.append(f"{where}: empty translation")
            elif set(PLACEHOLDER.findall(source)) != set(PLACEHOLDER.findall(text)):
                found.append(f"{where}: the translation {text!r} does not keep the placeholders")
            else:
                found += glossary_problems(where, source, [text], glossary)
    return found


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--lupdate", required=True)
    parser.add_argument("--ts-dir", required=True, type=Path)
    parser.add_argument("--languages", required=True)
    parser.add_argument("--prefix", default="scale-utility_")
    parser.add_argument("--glossary-dir", type=Path,
                        help="where glossary_<language>.md lie; each language must have one")
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
            glossary = []
            if args.glossary_dir:
                glossary_file = args.glossary_dir / f"glossary_{language}.md"
                if not glossary_file.is_file():
                    print(f"{language}: {glossary_file} is missing")
                    failed = True
                else:
                    glossary = read_glossary(glossary_file)
            for problem in problems_in(copy, language, glossary):
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
