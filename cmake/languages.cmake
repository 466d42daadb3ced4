# The languages the program speaks, English first: one catalogue each in ui/translations/
# (dicewright_NAME.ts, whose "die letter" text gives the dice their letter, and qt_NAME.ts, the
# texts of Qt's own that the windows show). The windows, the web page and its manifests, the
# installer, the desktop entry, the metainfo and the web faces' letters all follow this list.
set(DICEWRIGHT_LANGUAGES en de fr es it pl pt_BR ru)
