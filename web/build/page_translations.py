#!/usr/bin/env python3
"""Turns the program's catalogues into what the web page loads: texts-LANGUAGE.json for each
language the site speaks (the page fetches only the player's), a manifest for each, whose
description a browser shows when the site is installed as an app, and the page itself, whose
line for a browser that runs no scripts is in every language.

    page_translations.py OUT_DIR MANIFEST INDEX_HTML SCRIPTS dicewright_en.ts dicewright_de.ts ...

SCRIPTS is the page's scripts, separated by semicolons.

A text is keyed by its context and source (and disambiguation, where it has one), as Qt's tr()
finds it. A counted text gives its forms by the plural categories of Intl.PluralRules, so that
the page picks a form by category name and never by position. It stops, naming the text, where
a text that the page shows in markup, or that a script asks for by its context and source, has
no translation: the page would show it in English.
"""
import functools
import html
import json
import os
import re
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ET

# The plural categories of Intl.PluralRules for a language, in the order their counts first
# come (1, 2, 3...), which is the order of Qt's numerus forms: "one", "few", "many" in Polish.
# Node's Intl, the same CLDR rules as the browser's, gives them.
CATEGORY_ORDER = """
const rules = new Intl.PluralRules(process.argv[1]);
const order = [];
for (const n of [...Array(200).keys()].map((i) => i + 1).concat([1000, 1e6, 1e7, 0])) {
  if (!order.includes(rules.select(n))) order.push(rules.select(n));
}
for (const category of rules.resolvedOptions().pluralCategories) {
  if (!order.includes(category)) order.push(category);
}
console.log(JSON.stringify(order));
"""


@functools.cache
def plural_categories(language, forms):
    """Qt's numerus forms of `language`, each as the categories it stands for: every category
    beyond the language's forms takes the last one, as the "many" of a million in French and the
    "other" of fractions in Polish do in Qt's rules."""
    node = shutil.which("node") or shutil.which("nodejs")
    order = json.loads(subprocess.run([node, "-e", CATEGORY_ORDER, language], check=True,
                                      capture_output=True, text=True).stdout)
    return [[category] for category in order[:forms - 1]] + [order[forms - 1:]]


def key(context, source, comment):
    return "\u0004".join([context, source] + ([comment] if comment else []))


def read(path):
    root = ET.parse(path).getroot()
    language = root.get("language").split("_")[0]
    texts = {}
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation.get("type") in ("unfinished", "obsolete", "vanished"):
                continue
            entry = key(name, message.findtext("source"), message.findtext("comment"))
            forms = [form.text or "" for form in translation.findall("numerusform")]
            if message.get("numerus") == "yes":
                by_category = {}
                for form, categories in zip(forms, plural_categories(language, len(forms))):
                    for category in categories:
                        by_category[category] = form
                texts[entry] = by_category
            elif translation.text:
                texts[entry] = translation.text
    return language, texts


# A string literal of the page's scripts, in single quotes.
LITERAL = r"'((?:[^'\\\n]|\\.)*)'"
ARGUMENT = rf"\s*(?:{LITERAL}|([A-Za-z_$][\w$.]*))\s*"
ASKED = re.compile(rf"qsTranslate\({ARGUMENT},{ARGUMENT}(?:,{ARGUMENT})?[,)]")


def unquoted(literal):
    def escape(match):
        code, char = match.groups()
        return chr(int(code, 16)) if code else {"n": "\n"}.get(char, char)
    return re.sub(r"\\(?:u([0-9a-fA-F]{4})|(.))", escape, literal)


def asked_for(script):
    """The texts a script asks for by name: (context, source, disambiguation) for each call of
    qsTranslate whose context and source are literals or constants of the script's own. Calls
    that pass what they were given (markup's data-text, the page's marked texts, the engine's
    failures) are checked where those come from."""
    with open(script, encoding="utf-8") as file:
        code = file.read()
    constants = {name: unquoted(value)
                 for name, value in re.findall(rf"const (\w+) = {LITERAL};", code)}

    def value(literal, name):
        return unquoted(literal) if name is None else constants.get(name)

    for match in ASKED.finditer(code):
        literal_c, name_c, literal_s, name_s, literal_d, name_d = match.groups()
        context = value(literal_c, name_c)
        source = value(literal_s, name_s)
        if context is None or source is None:
            continue
        disambiguation = unquoted(literal_d) if literal_d else None
        yield os.path.basename(script), context, source, disambiguation or None


def main(out_dir, manifest, index_html, scripts, *catalogues):
    with open(manifest, encoding="utf-8") as file:
        english = json.load(file)
    with open(index_html, encoding="utf-8") as file:
        page = file.read()
    shown = set(re.findall(r'data-text="([^"|]*)\|([^"]*)"', page))
    # A text asked for both with and without a disambiguation sorts by an empty one.
    asked = sorted(set(text for script in scripts.split(";") for text in asked_for(script)),
                   key=lambda text: tuple(part or "" for part in text))
    product = english["name"]
    no_scripts = []
    for catalogue in catalogues:
        language, texts = read(catalogue)
        needs = texts.get(key("page", "%1 needs JavaScript.", None), "%1 needs JavaScript.")
        no_scripts.append(f'<p lang="{language}">{html.escape(needs.replace("%1", product))}</p>')
        if language != "en":
            missing = [f"{c}|{s}" for c, s in sorted(shown) if key(c, s, None) not in texts]
            missing += [f"{s} asks for {c}|{t}" + (f" ({d})" if d else "")
                        for s, c, t, d in asked if key(c, t, d) not in texts]
            if missing:
                sys.exit(f"{catalogue}: no translation of {', '.join(missing)}")
            translated = dict(english, lang=language)
            description = key("page", english["description"], None)
            translated["description"] = texts.get(description, english["description"])
            with open(os.path.join(out_dir, f"manifest-{language}.webmanifest"), "w",
                      encoding="utf-8") as file:
                json.dump(translated, file, ensure_ascii=False, indent=2)
                file.write("\n")
        with open(os.path.join(out_dir, f"texts-{language}.json"), "w", encoding="utf-8") as file:
            json.dump(texts, file, ensure_ascii=False, separators=(",", ":"), sort_keys=True)
    with open(os.path.join(out_dir, "index.html"), "w", encoding="utf-8") as file:
        file.write(page.replace("<!-- no-scripts -->", "".join(no_scripts)))


if __name__ == "__main__":
    main(*sys.argv[1:])
