<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
    <context>
        <name>QShortcut</name>
        <message>
            <source>+</source>
            <translation>+</translation>
        </message>
        <message>
            <source>Up</source>
            <translation>Su</translation>
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
            <translation>Canc</translation>
        </message>
        <message>
            <source>End</source>
            <translation>Fine</translation>
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
            <translation>Tab</translation>
        </message>
        <message>
            <source>Ctrl</source>
            <translation>Ctrl</translation>
        </message>
        <message>
            <source>Down</source>
            <translation>Giù</translation>
        </message>
        <message>
            <source>Home</source>
            <translation>↖</translation>
        </message>
        <message>
            <source>Left</source>
            <translation>Sinistra</translation>
        </message>
        <message>
            <source>Meta</source>
            <translation>Meta</translation>
        </message>
        <message>
            <source>PgUp</source>
            <translation>Pag↑</translation>
        </message>
        <message>
            <source>Enter</source>
            <translation>Invio</translation>
        </message>
        <message>
            <source>Right</source>
            <translation>Destra</translation>
        </message>
        <message>
            <source>Shift</source>
            <translation>Shift</translation>
        </message>
        <message>
            <source>Space</source>
            <translation>Spazio</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Cancella</translation>
        </message>
        <message>
            <source>Escape</source>
            <translation>Escape</translation>
        </message>
        <message>
            <source>Insert</source>
            <translation>Inserisci</translation>
        </message>
        <message>
            <source>PgDown</source>
            <translation>Pag↓</translation>
        </message>
        <message>
            <source>Return</source>
            <translation>Invio</translation>
        </message>
        <message>
            <source>Page Up</source>
            <translation>Pagina precedente</translation>
        </message>
        <message>
            <source>Backtab</source>
            <translation>Tab indietro</translation>
        </message>
        <message>
            <source>Backspace</source>
            <translation>Backspace</translation>
        </message>
        <message>
            <source>Page Down</source>
            <translation>Pagina successiva</translation>
        </message>
    </context>
    <context>
        <name>QMessageBox</name>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Aiuto</translation>
        </message>
        <message>
            <source>Show Details...</source>
            <translation>Mostra dettagli...</translation>
        </message>
        <message>
            <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under three different licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of the GNU LGPL version 3 or GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 3 is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the GNU LGPL version 3.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 2.1 is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Please see &lt;a href="http://%2/"&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href="http://%3/"&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
            <translation />
        </message>
        <message>
            <source>About Qt</source>
            <translation>Informazioni su Qt</translation>
        </message>
        <message>
            <source>Hide Details...</source>
            <translation>Nascondi dettagli...</translation>
        </message>
        <message>
            <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
            <translation>&lt;h3&gt;Informazioni su Qt&lt;/h3&gt;&lt;p&gt;Questo programma usa la versione %1 di Qt.&lt;/p&gt;</translation>
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
            <translation>&amp;No</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation>&amp;Sì</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Aiuto</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>Apri</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Salva</translation>
        </message>
        <message>
            <source>Abort</source>
            <translation>Interrompi</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>Applica</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Chiudi</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>Ripristina</translation>
        </message>
        <message>
            <source>Retry</source>
            <translation>Riprova</translation>
        </message>
        <message>
            <source>Restore Defaults</source>
            <translation>Ripristina valori predefiniti</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>Ignore</source>
            <translation>Ignora</translation>
        </message>
        <message>
            <source>N&amp;o to All</source>
            <translation>N&amp;o a tutti</translation>
        </message>
        <message>
            <source>Save All</source>
            <translation>Salva tutti</translation>
        </message>
        <message>
            <source>Discard</source>
            <translation>Scarta</translation>
        </message>
        <message>
            <source>Yes to &amp;All</source>
            <translation>Sì &amp;a tutti</translation>
        </message>
    </context>
    <context>
        <name>QLineEdit</name>
        <message>
            <source>Cu&amp;t</source>
            <translation>&amp;Taglia</translation>
        </message>
        <message>
            <source>&amp;Copy</source>
            <translation>&amp;Copia</translation>
        </message>
        <message>
            <source>&amp;Redo</source>
            <translation>&amp;Rifai</translation>
        </message>
        <message>
            <source>&amp;Undo</source>
            <translation>Ann&amp;ulla</translation>
        </message>
        <message>
            <source>&amp;Paste</source>
            <translation>&amp;Incolla</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Elimina</translation>
        </message>
        <message>
            <source>Select All</source>
            <translation>Seleziona tutto</translation>
        </message>
    </context>
    <context>
        <name>QAccessibleActionInterface</name>
        <message>
            <source>Press</source>
            <translation>Premi</translation>
        </message>
        <message>
            <source>Shows the menu</source>
            <translation>Mostra il menu</translation>
        </message>
        <message>
            <source>Scrolls to the left</source>
            <translation>Scorre a sinistra</translation>
        </message>
        <message>
            <source>Scroll Down</source>
            <translation>Scorri in basso</translation>
        </message>
        <message>
            <source>Scroll Left</source>
            <translation>Scorri a sinistra</translation>
        </message>
        <message>
            <source>Goes back a page</source>
            <translation>Va indietro di una pagina</translation>
        </message>
        <message>
            <source>Triggers the action</source>
            <translation>Attiva l'azione</translation>
        </message>
        <message>
            <source>Increase</source>
            <translation>Incrementa</translation>
        </message>
        <message>
            <source>Toggle</source>
            <translation>Commuta</translation>
        </message>
        <message>
            <source>Toggles the state</source>
            <translation>Commuta lo stato</translation>
        </message>
        <message>
            <source>Scrolls up</source>
            <translation>Scorre in alto</translation>
        </message>
        <message>
            <source>Scrolls down</source>
            <translation>Scorre in basso</translation>
        </message>
        <message>
            <source>Scroll Up</source>
            <translation>Scorri in alto</translation>
        </message>
        <message>
            <source>Goes to the next page</source>
            <translation>Va alla pagina successiva</translation>
        </message>
        <message>
            <source>Scrolls to the right</source>
            <translation>Scorre a destra</translation>
        </message>
        <message>
            <source>Increase the value</source>
            <translation>Incrementa il valore</translation>
        </message>
        <message>
            <source>Decrease the value</source>
            <translation>Decrementa il valore</translation>
        </message>
        <message>
            <source>Decrease</source>
            <translation>Decrementa</translation>
        </message>
        <message>
            <source>Scroll Right</source>
            <translation>Scorri a destra</translation>
        </message>
        <message>
            <source>Previous Page</source>
            <translation>Pagina precedente</translation>
        </message>
        <message>
            <source>Sets the focus</source>
            <translation>Imposta il focus</translation>
        </message>
        <message>
            <source>SetFocus</source>
            <translation>ImpostaFuoco</translation>
        </message>
        <message>
            <source>Next Page</source>
            <translation>Pagina successiva</translation>
        </message>
        <message>
            <source>ShowMenu</source>
            <translation>MostraMenu</translation>
        </message>
    </context>
    <context>
        <name>QAbstractSpinBox</name>
        <message>
            <source>Step &amp;down</source>
            <translation>&amp;Diminuisci</translation>
        </message>
        <message>
            <source>&amp;Step up</source>
            <translation>&amp;Aumenta</translation>
        </message>
        <message>
            <source>&amp;Select All</source>
            <translation>&amp;Seleziona tutto</translation>
        </message>
    </context>
</TS>
