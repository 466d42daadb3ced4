<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
    <context>
        <name>QShortcut</name>
        <message>
            <source>+</source>
            <translation>+</translation>
        </message>
        <message>
            <source>Up</source>
            <translation>Hoch</translation>
        </message>
        <message>
            <source>Alt</source>
            <translation>Alt</translation>
        </message>
        <message>
            <source>F%1</source>
            <translation>F%1</translation>
        </message>
        <message>
            <source>Del</source>
            <translation>Entf</translation>
        </message>
        <message>
            <source>End</source>
            <translation>Ende</translation>
        </message>
        <message>
            <source>Esc</source>
            <translation>Esc</translation>
        </message>
        <message>
            <source>Ins</source>
            <translation>Einfg</translation>
        </message>
        <message>
            <source>Tab</source>
            <translation>Tab</translation>
        </message>
        <message>
            <source>Ctrl</source>
            <translation>Strg</translation>
        </message>
        <message>
            <source>Down</source>
            <translation>Herunter</translation>
        </message>
        <message>
            <source>Home</source>
            <translation>Pos1</translation>
        </message>
        <message>
            <source>Left</source>
            <translation>Links</translation>
        </message>
        <message>
            <source>Meta</source>
            <translation>Meta</translation>
        </message>
        <message>
            <source>PgUp</source>
            <translation>Bild aufwärts</translation>
        </message>
        <message>
            <source>Enter</source>
            <translation>Enter</translation>
        </message>
        <message>
            <source>Right</source>
            <translation>Rechts</translation>
        </message>
        <message>
            <source>Shift</source>
            <translation>Umschalt</translation>
        </message>
        <message>
            <source>Space</source>
            <translation>Leertaste</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Löschen</translation>
        </message>
        <message>
            <source>Escape</source>
            <translation>Escape</translation>
        </message>
        <message>
            <source>Insert</source>
            <translation>Einfügen</translation>
        </message>
        <message>
            <source>PgDown</source>
            <translation>Bild abwärts</translation>
        </message>
        <message>
            <source>Return</source>
            <translation>Return</translation>
        </message>
        <message>
            <source>Page Up</source>
            <translation>Bild aufwärts</translation>
        </message>
        <message>
            <source>Backtab</source>
            <translation>Rück-Tab</translation>
        </message>
        <message>
            <source>Backspace</source>
            <translation>Rücktaste</translation>
        </message>
        <message>
            <source>Page Down</source>
            <translation>Bild abwärts</translation>
        </message>
    </context>
    <context>
        <name>QPlatformTheme</name>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <translation>&amp;Nein</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation>&amp;Ja</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Hilfe</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>Öffnen</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Speichern</translation>
        </message>
        <message>
            <source>Abort</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>Anwenden</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Schließen</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>Zurücksetzen</translation>
        </message>
        <message>
            <source>Retry</source>
            <translation>Wiederholen</translation>
        </message>
        <message>
            <source>Restore Defaults</source>
            <translation>Voreinstellungen</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Ignore</source>
            <translation>Ignorieren</translation>
        </message>
        <message>
            <source>N&amp;o to All</source>
            <translation>N&amp;ein, keine</translation>
        </message>
        <message>
            <source>Save All</source>
            <translation>Alles speichern</translation>
        </message>
        <message>
            <source>Discard</source>
            <translation>Verwerfen</translation>
        </message>
        <message>
            <source>Yes to &amp;All</source>
            <translation>Ja, &amp;alle</translation>
        </message>
    </context>
    <context>
        <name>QLineEdit</name>
        <message>
            <source>Cu&amp;t</source>
            <translation>&amp;Ausschneiden</translation>
        </message>
        <message>
            <source>&amp;Copy</source>
            <translation>&amp;Kopieren</translation>
        </message>
        <message>
            <source>&amp;Redo</source>
            <translation>Wieder&amp;herstellen</translation>
        </message>
        <message>
            <source>&amp;Undo</source>
            <translation>&amp;Rückgängig</translation>
        </message>
        <message>
            <source>&amp;Paste</source>
            <translation>Einf&amp;ügen</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Löschen</translation>
        </message>
        <message>
            <source>Select All</source>
            <translation>Alles auswählen</translation>
        </message>
    </context>
    <context>
        <name>QAccessibleActionInterface</name>
        <message>
            <source>Press</source>
            <translation>Drücken</translation>
        </message>
        <message>
            <source>Shows the menu</source>
            <translation>Zeigt das Menü an</translation>
        </message>
        <message>
            <source>Scrolls to the left</source>
            <translation>Scrollt nach links</translation>
        </message>
        <message>
            <source>Scroll Down</source>
            <translation>Nach unten scrollen</translation>
        </message>
        <message>
            <source>Scroll Left</source>
            <translation>Nach links scrollen</translation>
        </message>
        <message>
            <source>Goes back a page</source>
            <translation>Geht zur vorigen Seite</translation>
        </message>
        <message>
            <source>Triggers the action</source>
            <translation>Aktion auslösen</translation>
        </message>
        <message>
            <source>Increase</source>
            <translation>Erhöhen</translation>
        </message>
        <message>
            <source>Toggle</source>
            <translation>Umschalten</translation>
        </message>
        <message>
            <source>Toggles the state</source>
            <translation>Schaltet den Zustand um</translation>
        </message>
        <message>
            <source>Scrolls up</source>
            <translation>Scrollt nach oben</translation>
        </message>
        <message>
            <source>Scrolls down</source>
            <translation>Scrollt nach unten</translation>
        </message>
        <message>
            <source>Scroll Up</source>
            <translation>Nach oben scrollen</translation>
        </message>
        <message>
            <source>Goes to the next page</source>
            <translation>Geht zur nächsten Seite</translation>
        </message>
        <message>
            <source>Scrolls to the right</source>
            <translation>Scrollt nach rechts</translation>
        </message>
        <message>
            <source>Increase the value</source>
            <translation>Wert erhöhen</translation>
        </message>
        <message>
            <source>Decrease the value</source>
            <translation>Wert absenken</translation>
        </message>
        <message>
            <source>Decrease</source>
            <translation>Verringern</translation>
        </message>
        <message>
            <source>Scroll Right</source>
            <translation>Nach rechts scrollen</translation>
        </message>
        <message>
            <source>Previous Page</source>
            <translation>Vorige Seite</translation>
        </message>
        <message>
            <source>Sets the focus</source>
            <translation>Setzt den Fokus</translation>
        </message>
        <message>
            <source>SetFocus</source>
            <translation>Fokus setzen</translation>
        </message>
        <message>
            <source>Next Page</source>
            <translation>Nächste Seite</translation>
        </message>
        <message>
            <source>ShowMenu</source>
            <translation>Menü anzeigen</translation>
        </message>
    </context>
    <context>
        <name>QMessageBox</name>
        <message>
            <source>Show Details...</source>
            <translation>Details einblenden...</translation>
        </message>
        <message>
            <source>About Qt</source>
            <translation>Über Qt</translation>
        </message>
        <message>
            <source>Hide Details...</source>
            <translation>Details ausblenden...</translation>
        </message>
        <message>
            <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
            <translation>&lt;h3&gt;Über Qt&lt;/h3&gt;&lt;p&gt;Dieses Programm verwendet Qt Version %1.&lt;/p&gt;</translation>
        </message>
        <message>
            <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under multiple licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt licensed under GNU (L)GPL is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the respective licenses.&lt;/p&gt;&lt;p&gt;Please see &lt;a href="http://%2/"&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href="http://%3/"&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
            <translation>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under multiple licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt licensed under GNU (L)GPL is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the respective licenses.&lt;/p&gt;&lt;p&gt;Please see &lt;a href="http://%2/"&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href="http://%3/"&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</translation>
        </message>
    </context>
    <context>
        <name>QAbstractSpinBox</name>
        <message>
            <source>Step &amp;down</source>
            <translation>Wert &amp;verringern</translation>
        </message>
        <message>
            <source>&amp;Step up</source>
            <translation>Wert &amp;erhöhen</translation>
        </message>
        <message>
            <source>&amp;Select All</source>
            <translation>&amp;Alles auswählen</translation>
        </message>
    </context>
</TS>
