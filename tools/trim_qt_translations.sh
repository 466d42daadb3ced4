#!/usr/bin/env bash
# Writes translations/qt_LANG.ts: the texts of Qt's own that the program's windows show (the
# Close and OK buttons, a field's menu, the names of keys in the menu's shortcuts, what a screen
# reader calls a button's action), taken from Debian's translations of Qt (qt6-translations-l10n),
# so that every platform's build carries them without the whole of Qt's catalogue, with our
# corrections of the words a player should not meet (jargon, a misspelling).
#   tools/trim_qt_translations.sh de fr es it pl pt_BR ru
set -euo pipefail
cd "$(dirname "$0")/.."
readonly CONTEXTS='QPlatformTheme|QLineEdit|QAbstractSpinBox|QShortcut|QMessageBox|QAccessibleActionInterface'
# Of the key names, those of the keys a shortcut or a field's menu names.
readonly KEYS='\+|Alt|Ctrl|Shift|Meta|Del|Delete|Backspace|Return|Enter|Esc|Escape|Home|End|Space|Tab|Backtab|Ins|Insert|PgUp|PgDown|Page Up|Page Down|Up|Down|Left|Right|F%1'
for language in "$@"; do
    full=$(mktemp --suffix=.ts)
    /usr/lib/qt6/bin/lconvert -i "/usr/share/qt6/translations/qtbase_$language.qm" -o "$full"
    python3 - "$full" "translations/qt_$language.ts" "$CONTEXTS" "$KEYS" "$language" <<'PY'
import re, sys, xml.etree.ElementTree as ET
full, out, contexts, keys, language = sys.argv[1:6]
# A spin box's menu and actions in plain words, and French's "Échappement" spelt right.
CORRECTIONS = {
    "de": {"&Step up": "Wert &erhöhen", "Step &down": "Wert &verringern", "Decrease": "Verringern"},
    "fr": {"Escape": "Échappement"},
    "pl": {"&Step up": "&Zwiększ", "Step &down": "Z&mniejsz"},
    "pt_BR": {"&Step up": "&Aumentar", "Step &down": "&Diminuir"},
    "ru": {"&Step up": "&Увеличить", "Step &down": "У&меньшить"},
}.get(language, {})
tree = ET.parse(full)
root = tree.getroot()
for context in list(root.findall("context")):
    if not re.fullmatch(contexts, context.findtext("name")):
        root.remove(context)
    elif context.findtext("name") == "QShortcut":
        for message in list(context.findall("message")):
            if not re.fullmatch(keys, message.findtext("source")):
                context.remove(message)
for message in root.iter("message"):
    if message.findtext("source") in CORRECTIONS:
        message.find("translation").text = CORRECTIONS[message.findtext("source")]
ET.indent(tree, space="    ")
with open(out, "w", encoding="utf-8") as file:
    file.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
    file.write(ET.tostring(root, encoding="unicode") + "\n")
PY
    rm -f "$full"
done
