#!/usr/bin/env python3
"""Checks the translations against the code: lupdate finds every marked
text already in each .ts file and nothing there the code has dropped;
lrelease finds no message unfinished; and no text in the code that reads as
words for the player is left unmarked.

    check_translations.py LUPDATE LRELEASE TS_FILES... -- CODE_FILES...
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

# Texts that stay as they are in every language: the game's name and window
# caption, font names, and the name a record takes when none is given, which
# is kept in the record file.
UNTRANSLATED = {
    "Plenk",
    "Plenk Ver. 1.10 (made by the Plenk team)",
    "Times New Roman", "Liberation Serif", "Liberation Sans", "MS Sans Serif",
    "No Name",
    # Keys of the desktop's card deck files.
    "Name", "Name[%1]",
}
# A tool run at build time and the test platform show nothing to a player.
NOT_SHOWN = ("app/icon_png.cpp", "app/table_picture.cpp", "platform/headless_platform.")
# System reasons come in the system's words; this one stands in for them.
SYSTEM_REASON = "not an ordinary file"

LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')
COMMENT = re.compile(r'//[^\n]*|/\*.*?\*/', re.S)
# Log lines are for developers, and the player's texts are narrow strings:
# ICU's rules and names for the name's code page (UTF-16 literals) are no words.
NOT_FOR_THE_PLAYER = re.compile(r'\bqC(?:Debug|Info|Warning|Critical)\(.*?;|\b[uU]"(?:[^"\\\n]|\\.)*"', re.S)


def literals(path):
    """The string literals of a file, adjacent ones joined, escapes read."""
    code = COMMENT.sub(" ", open(path, encoding="utf-8").read())
    code = NOT_FOR_THE_PLAYER.sub(" ", code)
    code = re.sub(r'^\s*#\s*include[^\n]*', " ", code, flags=re.M)
    found, last_end = [], None
    for m in LITERAL.finditer(code):
        text = m.group(1).encode().decode("unicode_escape").encode("latin-1").decode("utf-8")
        if last_end is not None and code[last_end:m.start()].strip() == "":
            found[-1] += text
        else:
            found.append(text)
        last_end = m.end()
    return found


def reads_as_words(text):
    """Words a player could read: two words, or one with a capital; paths,
    file names, names of variables and words of a protocol are not."""
    if not re.search(r"[A-Za-z]{2}", text) or re.fullmatch(r"[A-Z0-9_]+", text):
        return False
    return bool(re.search(r"[A-Za-z]\s+[A-Za-z]", text) or (re.search(r"[A-Z]", text) and not re.search(r"[/.]", text)))


def marked_texts(ts):
    """The sources of a .ts file, and its contexts, the markers' first words."""
    root = ET.parse(ts).getroot()
    return {m.findtext("source") for m in root.iter("message")} | {c.findtext("name") for c in root.iter("context")}


def main():
    lupdate, lrelease = sys.argv[1], sys.argv[2]
    split = sys.argv.index("--")
    ts_files, code = sys.argv[3:split], sys.argv[split + 1:]
    failures = []
    with tempfile.TemporaryDirectory() as scratch:
        for ts in ts_files:
            name = os.path.basename(ts)
            copy = os.path.join(scratch, name)
            shutil.copy(ts, copy)
            plural_only = ["-pluralonly"] if name.endswith("_en.ts") else []
            run = subprocess.run([lupdate, "-locations", "none", "-no-obsolete", *plural_only, *code, "-ts", copy],
                                 capture_output=True, text=True)
            if run.returncode != 0 or open(copy, encoding="utf-8").read() != open(ts, encoding="utf-8").read():
                failures.append(f"{name} does not hold the code's texts as they are now (new, changed or "
                                f"dropped); run the update_translations target:\n{run.stdout}{run.stderr}")
            run = subprocess.run([lrelease, ts, "-qm", os.path.join(scratch, name + ".qm")],
                                 capture_output=True, text=True)
            report = run.stdout + run.stderr
            if run.returncode != 0 or not re.search(r"\b0 unfinished\)", report) or "untranslated" in report:
                failures.append(f"{name} has unfinished messages:\n{report}")

    marked = set().union(*(marked_texts(ts) for ts in ts_files if not ts.endswith("_en.ts")))
    for path in code:
        if any(part in path for part in NOT_SHOWN):
            continue
        for text in literals(path):
            if reads_as_words(text) and text not in marked and text not in UNTRANSLATED and text != SYSTEM_REASON:
                failures.append(f"{path}: a text not marked for translation: {text!r}")

    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
