#!/usr/bin/env python3
"""The translation check catches each kind of gap: on a small source folder with a complete Czech
translation it passes, and each planted fault (a new text, a text gone from the sources, a
translation that drops a placeholder, an empty one) makes it fail and name the text.

Usage: translations_plant.py LUPDATE CHECK_SCRIPT
"""
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

SOURCE = """#include <QWidget>
class Window : public QWidget {
    Q_OBJECT
public:
    void show(int count) {
        setWindowTitle(tr("Hello"));
        setToolTip(tr("%1 items").arg(count));
        setStatusTip(tr("%n lines", nullptr, count));
        EXTRA
    }
};
"""
TRANSLATIONS = {"Hello": "Ahoj", "%1 items": "%1 položek", "%n lines": ["%n řádek", "%n řádky", "%n řádků"]}
GLOSSARY = "| English | Čeština |\n|---|---|\n| Hello | Ahoj |\n"


def write_source(folder, extra="", drop=None):
    text = SOURCE.replace("EXTRA", extra)
    if drop:
        text = text.replace(drop, "")
    (folder / "Window.h").write_text(text)


def translate_all(ts, overrides=None):
    """Gives every message its translation (finished), as a translator would."""
    tree = ET.parse(ts)
    for message in tree.getroot().iter("message"):
        source = message.findtext("source")
        translation = message.find("translation")
        translation.attrib.pop("type", None)
        text = (overrides or {}).get(source, TRANSLATIONS[source])
        if isinstance(text, list):
            for form in list(translation):
                translation.remove(form)
            for form in text:
                ET.SubElement(translation, "numerusform").text = form
        else:
            translation.text = text
    tree.write(ts, encoding="utf-8", xml_declaration=True)


def main():
    lupdate, check = sys.argv[1], sys.argv[2]
    failures = []
    with tempfile.TemporaryDirectory() as scratch:
        root = Path(scratch)
        sources, translations = root / "src", root / "translations"
        sources.mkdir()
        translations.mkdir()
        ts = translations / "app_cs.ts"

        def run_check():
            run = subprocess.run([sys.executable, check, "--lupdate", lupdate, "--ts-dir", str(translations),
                                  "--languages", "cs", "--prefix", "app_", "--glossary-dir", str(translations),
                                  str(sources)],
                                 capture_output=True, text=True)
            return run.returncode, run.stdout + run.stderr

        def fresh(overrides=None):
            write_source(sources)
            ts.unlink(missing_ok=True)
            subprocess.run([lupdate, "-silent", "-locations", "none", "-target-language", "cs", str(sources),
                            "-ts", str(ts)], check=True)
            translate_all(ts, overrides)
            (translations / "glossary_cs.md").write_text(GLOSSARY, encoding="utf-8")

        def expect(name, should_pass, mention=None):
            code, output = run_check()
            if should_pass and code != 0:
                failures.append(f"{name}: the check failed on a complete translation:\n{output}")
            elif not should_pass and code == 0:
                failures.append(f"{name}: the check passed:\n{output}")
            elif mention and mention not in output:
                failures.append(f"{name}: the check did not name {mention!r}:\n{output}")

        fresh()
        expect("complete", True)

        write_source(sources, extra='setStatusTip(tr("Not translated yet"));')
        expect("a new text", False, "Not translated yet")

        fresh()
        write_source(sources, drop='setWindowTitle(tr("Hello"));')
        expect("a text gone from the sources", False, "Hello")

        fresh({"%1 items": "položky"})
        expect("a lost placeholder", False, "%1 items")

        fresh({"Hello": " "})
        expect("an empty translation", False, "Hello")

        fresh({"%n lines": ["%n řádek", "%n řádky"]})
        expect("a plural form missing", False, "%n lines")

        fresh({"%n lines": ["%n řádek", "%n řádky", "řádků"]})
        expect("a plural form without the count", False, "%n lines")

        fresh({"Hello": "Nazdar"})
        expect("a glossary term translated another way", False, "Hello")

        fresh()
        (translations / "glossary_cs.md").unlink()
        expect("a missing glossary", False, "glossary_cs.md")

        fresh()
        ts.unlink()
        expect("a missing language file", False, "app_cs.ts")
    for failure in failures:
        print(failure)
    print(f"{10 - len(failures)} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
