#!/usr/bin/env python3
"""Writes each language's texts, from the program's catalogues, into what installs the program:
the desktop entry and the AppStream metainfo (a translated line or paragraph after each English
one), and the Windows installer's languages with its own messages. A language the catalogues
gain is in all three with nothing else to add: NSIS's language comes from the Windows locale
that its language file names.

    catalogue_texts.py desktop TEMPLATE OUT dicewright_de.ts ...
    catalogue_texts.py metainfo TEMPLATE OUT dicewright_de.ts ...
    catalogue_texts.py nsis NSIS_LANGUAGE_DIR OUT dicewright_de.ts ...
"""
import glob
import locale
import os
import re
import sys
import xml.etree.ElementTree as ET
from xml.sax.saxutils import escape

# Where the texts of what installs the program are kept in the catalogues.
CONTEXTS = ("package", "page")


def read(path):
    """The catalogue's language ("pt_BR") and its finished texts by English text."""
    root = ET.parse(path).getroot()
    name = os.path.basename(path)[len("dicewright_"):-len(".ts")]
    texts = {}
    for context in root.iter("context"):
        if context.findtext("name") not in CONTEXTS:
            continue
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation.get("type") is None and translation.text:
                texts[message.findtext("source")] = translation.text
    return name, texts


def catalogues(paths):
    return [read(path) for path in paths if not path.endswith("_en.ts")]


def desktop(template, out, paths):
    languages = catalogues(paths)
    lines = []
    with open(template, encoding="utf-8") as file:
        for line in file.read().splitlines():
            lines.append(line)
            key, _, value = line.partition("=")
            if key in ("GenericName", "Comment", "Keywords"):
                lines += [f"{key}[{name}]={texts[value]}" for name, texts in languages
                          if value in texts]
    with open(out, "w", encoding="utf-8") as file:
        file.write("\n".join(lines) + "\n")


def metainfo(template, out, paths):
    languages = catalogues(paths)
    with open(template, encoding="utf-8") as file:
        text = file.read()

    def translated(match):
        indent, tag, words = match.group(1), match.group(2), match.group(3)
        english = " ".join(words.split())
        copies = [match.group(0)]
        for name, texts in languages:
            if english in texts:
                copies.append(f'{indent}<{tag} xml:lang="{name}">{escape(texts[english])}</{tag}>')
        return "\n".join(copies)

    text = re.sub(r"^( *)<(summary|p)>\s*(.*?)\s*</\2>", translated, text, flags=re.M | re.S)
    with open(out, "w", encoding="utf-8") as file:
        file.write(text)


# The installer's messages: each with the NSIS variables its %1, %2... stand for.
NSIS_MESSAGES = {
    "NewerInstalled": [
        ("%1 %2, newer than this installer's %3, is installed in %4.",
         ["${APP_NAME}", "$EarlierVersion", "${APP_VERSION}", "$2"]),
        ("Replace it with %1?", ["${APP_VERSION}"]),
    ],
    "OthersFiles": [
        ("%1 already holds files of another program (such as %2), which %3 would replace. "
         "Please choose another folder.", ["$INSTDIR", "$1", "${APP_NAME}"]),
    ],
    "EarlierNotRemoved": [("The earlier %1 in %2 could not be removed.",
                           ["${APP_NAME}", "$EarlierFolder"])],
    "ShortcutDescription": [("Step dice roller for tabletop role-playing games", [])],
}


def nsis_language(name, language_dir):
    """The NSIS language file for a catalogue: the one whose Windows locale is the catalogue's
    own ("pt_BR"), else its language's first ("de" is German, "de_DE")."""
    found = {}
    for path in sorted(glob.glob(os.path.join(language_dir, "*.nlf"))):
        with open(path, encoding="latin-1") as file:
            lines = file.read().splitlines()
        if "# Language ID" not in lines:
            continue  # a language Windows has no locale for
        identifier = int(lines[lines.index("# Language ID") + 1])
        windows = locale.windows_locale.get(identifier, "")
        found.setdefault(windows, os.path.basename(path)[:-len(".nlf")])
    if name in found:
        return found[name]
    for windows, nlf in found.items():
        if windows.split("_")[0] == name:
            return nlf
    sys.exit(f"NSIS has no language for {name}")


def nsis(language_dir, out, paths):
    languages = [("en", {})] + catalogues(paths)

    def nsis_text(text, values):
        text = text.replace("$", "$$").replace('"', '$\\"')
        return re.sub(r"%(\d)", lambda match: values[int(match.group(1)) - 1], text)

    lines = ["; The installer's languages and its own messages, written from the catalogues."]
    names = []
    for name, texts in languages:
        nlf = "English" if name == "en" else nsis_language(name, language_dir)
        names.append((nlf, texts))
        lines.append(f'!insertmacro MUI_LANGUAGE "{nlf}"')
    for message, parts in NSIS_MESSAGES.items():
        for nlf, texts in names:
            words = "$\\n$\\n".join(nsis_text(texts.get(english, english), values)
                                    for english, values in parts)
            lines.append(f'LangString {message} ${{LANG_{nlf.upper()}}} "{words}"')
    with open(out, "w", encoding="utf-8") as file:
        file.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    kind, source, out, *catalogue_paths = sys.argv[1:]
    {"desktop": desktop, "metainfo": metainfo, "nsis": nsis}[kind](source, out, catalogue_paths)
