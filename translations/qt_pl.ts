<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
    <context>
        <name>QShortcut</name>
        <message>
            <source>+</source>
            <translation>+</translation>
        </message>
        <message>
            <source>Up</source>
            <translation>Góra</translation>
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
            <translation>Del</translation>
        </message>
        <message>
            <source>End</source>
            <translation>End</translation>
        </message>
        <message>
            <source>Esc</source>
            <translation>Esc</translation>
        </message>
        <message>
            <source>Ins</source>
            <translation>Ins</translation>
        </message>
        <message>
            <source>Tab</source>
            <translation>Tabulator</translation>
        </message>
        <message>
            <source>Ctrl</source>
            <translation>Ctrl</translation>
        </message>
        <message>
            <source>Down</source>
            <translation>Dół</translation>
        </message>
        <message>
            <source>Home</source>
            <translation>Katalog domowy</translation>
        </message>
        <message>
            <source>Left</source>
            <translation>Lewo</translation>
        </message>
        <message>
            <source>Meta</source>
            <translation>Meta</translation>
        </message>
        <message>
            <source>PgUp</source>
            <translation>PgUp</translation>
        </message>
        <message>
            <source>Enter</source>
            <translation>Enter</translation>
        </message>
        <message>
            <source>Right</source>
            <translation>Prawo</translation>
        </message>
        <message>
            <source>Shift</source>
            <translation>Shift</translation>
        </message>
        <message>
            <source>Space</source>
            <translation>Spacja</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Delete</translation>
        </message>
        <message>
            <source>Escape</source>
            <translation>Escape</translation>
        </message>
        <message>
            <source>Insert</source>
            <translation>Insert</translation>
        </message>
        <message>
            <source>PgDown</source>
            <translation>PgDown</translation>
        </message>
        <message>
            <source>Return</source>
            <translation>Return</translation>
        </message>
        <message>
            <source>Page Up</source>
            <translation>Strona w dół</translation>
        </message>
        <message>
            <source>Backtab</source>
            <translation>Backtab</translation>
        </message>
        <message>
            <source>Backspace</source>
            <translation>Backspace</translation>
        </message>
        <message>
            <source>Page Down</source>
            <translation>Strona do góry</translation>
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
            <translation>&amp;Nie</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation>&amp;Tak</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Pomoc</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>Otwórz</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Zachowaj</translation>
        </message>
        <message>
            <source>Abort</source>
            <translation>Przerwij</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>Zastosuj</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Zamknij</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>Zresetuj</translation>
        </message>
        <message>
            <source>Retry</source>
            <translation>Ponów</translation>
        </message>
        <message>
            <source>Restore Defaults</source>
            <translation>Przywróć domyślne</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Anuluj</translation>
        </message>
        <message>
            <source>Ignore</source>
            <translation>Zignoruj</translation>
        </message>
        <message>
            <source>N&amp;o to All</source>
            <translation>Ni&amp;e dla wszystkich</translation>
        </message>
        <message>
            <source>Save All</source>
            <translation>Zachowaj wszystko</translation>
        </message>
        <message>
            <source>Discard</source>
            <translation>Odrzuć</translation>
        </message>
        <message>
            <source>Yes to &amp;All</source>
            <translation>Ta&amp;k dla wszystkich</translation>
        </message>
    </context>
    <context>
        <name>QLineEdit</name>
        <message>
            <source>Cu&amp;t</source>
            <translation>W&amp;ytnij</translation>
        </message>
        <message>
            <source>&amp;Copy</source>
            <translation>S&amp;kopiuj</translation>
        </message>
        <message>
            <source>&amp;Redo</source>
            <translation>&amp;Przywróć</translation>
        </message>
        <message>
            <source>&amp;Undo</source>
            <translation>&amp;Cofnij</translation>
        </message>
        <message>
            <source>&amp;Paste</source>
            <translation>&amp;Wklej</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Usuń</translation>
        </message>
        <message>
            <source>Select All</source>
            <translation>Zaznacz wszystko</translation>
        </message>
    </context>
    <context>
        <name>QAccessibleActionInterface</name>
        <message>
            <source>Press</source>
            <translation>Wciśnij</translation>
        </message>
        <message>
            <source>Shows the menu</source>
            <translation>Pokazuje menu</translation>
        </message>
        <message>
            <source>Scrolls to the left</source>
            <translation>Przewija w lewo</translation>
        </message>
        <message>
            <source>Scroll Down</source>
            <translation>Przewiń w dół</translation>
        </message>
        <message>
            <source>Scroll Left</source>
            <translation>Przewiń w lewo</translation>
        </message>
        <message>
            <source>Goes back a page</source>
            <translation>Wraca do poprzedniej strony</translation>
        </message>
        <message>
            <source>Triggers the action</source>
            <translation>Przełącza akcję</translation>
        </message>
        <message>
            <source>Increase</source>
            <translation>Zwiększ</translation>
        </message>
        <message>
            <source>Toggle</source>
            <translation>Przełącz</translation>
        </message>
        <message>
            <source>Toggles the state</source>
            <translation>Przełącza stan</translation>
        </message>
        <message>
            <source>Scrolls up</source>
            <translation>Przewija w górę</translation>
        </message>
        <message>
            <source>Scrolls down</source>
            <translation>Przewija w dół</translation>
        </message>
        <message>
            <source>Scroll Up</source>
            <translation>Przewiń w górę</translation>
        </message>
        <message>
            <source>Goes to the next page</source>
            <translation>Idzie do następnej strony</translation>
        </message>
        <message>
            <source>Scrolls to the right</source>
            <translation>Przewija w prawo</translation>
        </message>
        <message>
            <source>Increase the value</source>
            <translation>Zwiększ wartość</translation>
        </message>
        <message>
            <source>Decrease the value</source>
            <translation>Zmniejsz wartość</translation>
        </message>
        <message>
            <source>Decrease</source>
            <translation>Zmniejsz</translation>
        </message>
        <message>
            <source>Scroll Right</source>
            <translation>Przewiń w prawo</translation>
        </message>
        <message>
            <source>Previous Page</source>
            <translation>Poprzednia strona</translation>
        </message>
        <message>
            <source>Sets the focus</source>
            <translation>Ustawia fokus</translation>
        </message>
        <message>
            <source>SetFocus</source>
            <translation>Ustaw fokus</translation>
        </message>
        <message>
            <source>Next Page</source>
            <translation>Następna strona</translation>
        </message>
        <message>
            <source>ShowMenu</source>
            <translation>Pokaż menu</translation>
        </message>
    </context>
    <context>
        <name>QMessageBox</name>
        <message>
            <source>Show Details...</source>
            <translation>Pokaż szczegóły...</translation>
        </message>
        <message>
            <source>About Qt</source>
            <translation>Informacje o Qt</translation>
        </message>
        <message>
            <source>Hide Details...</source>
            <translation>Ukryj szczegóły...</translation>
        </message>
        <message>
            <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
            <translation>&lt;h3&gt;Informacje o Qt&lt;/h3&gt;&lt;p&gt; Ten program używa Qt w wersji %1.&lt;/p&gt;</translation>
        </message>
    </context>
    <context>
        <name>QAbstractSpinBox</name>
        <message>
            <source>Step &amp;down</source>
            <translation>Z&amp;mniejsz</translation>
        </message>
        <message>
            <source>&amp;Step up</source>
            <translation>&amp;Zwiększ</translation>
        </message>
        <message>
            <source>&amp;Select All</source>
            <translation>&amp;Zaznacz wszystko</translation>
        </message>
    </context>
</TS>
