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
            <source>CD</source>
            <translation>CD</translation>
        </message>
        <message>
            <source>Go</source>
            <translation>Los</translation>
        </message>
        <message>
            <source>No</source>
            <translation>Nein</translation>
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
            <source>DOS</source>
            <translation>DOS</translation>
        </message>
        <message>
            <source>Del</source>
            <translation>Entf</translation>
        </message>
        <message>
            <source>Cut</source>
            <translation>Ausschneiden</translation>
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
            <source>New</source>
            <translation>Neu</translation>
        </message>
        <message>
            <source>Num</source>
            <translation>Zahlenblock</translation>
        </message>
        <message>
            <source>Red</source>
            <translation>Rot</translation>
        </message>
        <message>
            <source>Tab</source>
            <translation>Tab</translation>
        </message>
        <message>
            <source>WWW</source>
            <translation>Internet</translation>
        </message>
        <message>
            <source>Yes</source>
            <translation>Ja</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Zurück</translation>
        </message>
        <message>
            <source>Away</source>
            <translation>Abwesend</translation>
        </message>
        <message>
            <source>Blue</source>
            <translation>Blau</translation>
        </message>
        <message>
            <source>Book</source>
            <translation>Buch</translation>
        </message>
        <message>
            <source>Call</source>
            <translation>Anruf</translation>
        </message>
        <message>
            <source>Copy</source>
            <translation>Kopieren</translation>
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
            <source>Exit</source>
            <translation>Verlassen</translation>
        </message>
        <message>
            <source>Find</source>
            <translation>Suchen</translation>
        </message>
        <message>
            <source>Flip</source>
            <translation>Umdrehen</translation>
        </message>
        <message>
            <source>Game</source>
            <translation>Spiel</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Hilfe</translation>
        </message>
        <message>
            <source>Home</source>
            <translation>Pos1</translation>
        </message>
        <message>
            <source>Info</source>
            <translation>Information</translation>
        </message>
        <message>
            <source>Left</source>
            <translation>Links</translation>
        </message>
        <message>
            <source>Memo</source>
            <translation>Memo</translation>
        </message>
        <message>
            <source>Menu</source>
            <translation>Menü</translation>
        </message>
        <message>
            <source>Meta</source>
            <translation>Meta</translation>
        </message>
        <message>
            <source>News</source>
            <translation>Nachrichten</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>Öffnen</translation>
        </message>
        <message>
            <source>PgUp</source>
            <translation>Bild aufwärts</translation>
        </message>
        <message>
            <source>Play</source>
            <translation>Abspielen</translation>
        </message>
        <message>
            <source>Redo</source>
            <translation>Wiederherstellen</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Speichern</translation>
        </message>
        <message>
            <source>Send</source>
            <translation>Senden</translation>
        </message>
        <message>
            <source>Shop</source>
            <translation>Shop</translation>
        </message>
        <message>
            <source>Stop</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Zeit</translation>
        </message>
        <message>
            <source>Undo</source>
            <translation>Rückgängig</translation>
        </message>
        <message>
            <source>XFer</source>
            <translation>XFer</translation>
        </message>
        <message>
            <source>View</source>
            <translation>Ansicht</translation>
        </message>
        <message>
            <source>Zoom</source>
            <translation>Vergrößern</translation>
        </message>
        <message>
            <source>Split Screen</source>
            <translation>Bildschirm teilen</translation>
        </message>
        <message>
            <source>Clear</source>
            <translation>Löschen</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Schließen</translation>
        </message>
        <message>
            <source>Eject</source>
            <translation>Auswerfen</translation>
        </message>
        <message>
            <source>Enter</source>
            <translation>Enter</translation>
        </message>
        <message>
            <source>Green</source>
            <translation>Grün</translation>
        </message>
        <message>
            <source>Guide</source>
            <translation>Anleitung</translation>
        </message>
        <message>
            <source>Kanji</source>
            <translation>Kanji</translation>
        </message>
        <message>
            <source>Music</source>
            <translation>Musik</translation>
        </message>
        <message>
            <source>Paste</source>
            <translation>Einfügen</translation>
        </message>
        <message>
            <source>Pause</source>
            <translation>Pause</translation>
        </message>
        <message>
            <source>Phone</source>
            <translation>Telefon</translation>
        </message>
        <message>
            <source>Print</source>
            <translation>Druck</translation>
        </message>
        <message>
            <source>Reply</source>
            <translation>Antworten</translation>
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
            <source>Sleep</source>
            <translation>Schlafmodus</translation>
        </message>
        <message>
            <source>Space</source>
            <translation>Leertaste</translation>
        </message>
        <message>
            <source>Tools</source>
            <translation>Werkzeuge</translation>
        </message>
        <message>
            <source>Video</source>
            <translation>Video</translation>
        </message>
        <message>
            <source>Hiragana</source>
            <translation>Hiragana</translation>
        </message>
        <message>
            <source>Wireless</source>
            <translation>Drahtlos</translation>
        </message>
        <message>
            <source>Media Record</source>
            <translation>Aufzeichnen</translation>
        </message>
        <message>
            <source>Media Rewind</source>
            <translation>Medium zurückspulen</translation>
        </message>
        <message>
            <source>Multiple Candidate</source>
            <translation>Mehrere Vorschläge</translation>
        </message>
        <message>
            <source>Zenkaku</source>
            <translation>Zenkaku</translation>
        </message>
        <message>
            <source>Print Screen</source>
            <translation>Bildschirm drucken</translation>
        </message>
        <message>
            <source>Audio Repeat</source>
            <translation>Audio wiederholen</translation>
        </message>
        <message>
            <source>Toggle Call/Hangup</source>
            <translation>Anrufen/Aufhängen</translation>
        </message>
        <message>
            <source>Zoom In</source>
            <translation>Vergrößern</translation>
        </message>
        <message>
            <source>Camera Shutter</source>
            <translation>Auslöser</translation>
        </message>
        <message>
            <source>Ultra Wide Band</source>
            <translation>Ultra Wide Band</translation>
        </message>
        <message>
            <source>Hangul Special</source>
            <translation>Hangeul Special</translation>
        </message>
        <message>
            <source>Treble Down</source>
            <translation>Höhen -</translation>
        </message>
        <message>
            <source>Scroll Lock</source>
            <translation>Rollen-Feststelltaste</translation>
        </message>
        <message>
            <source>Media Pause</source>
            <translation>Pause</translation>
        </message>
        <message>
            <source>Word Processor</source>
            <translation>Textverarbeitung</translation>
        </message>
        <message>
            <source>Volume Down</source>
            <translation>Lautstärke -</translation>
        </message>
        <message>
            <source>Volume Mute</source>
            <translation>Ton aus</translation>
        </message>
        <message>
            <source>Kana Shift</source>
            <translation>Kana Shift</translation>
        </message>
        <message>
            <source>Media Previous</source>
            <translation>Vorheriger</translation>
        </message>
        <message>
            <source>Home Page</source>
            <translation>Startseite</translation>
        </message>
        <message>
            <source>Meeting</source>
            <translation>Meeting</translation>
        </message>
        <message>
            <source>Touchpad Off</source>
            <translation>Touchpad aus</translation>
        </message>
        <message>
            <source>Volume Up</source>
            <translation>Lautstärke +</translation>
        </message>
        <message>
            <source>Menu PB</source>
            <translation>Menü PB</translation>
        </message>
        <message>
            <source>Keyboard Brightness Up</source>
            <translation>Tastaturbeleuchtung heller</translation>
        </message>
        <message>
            <source>Hangul PostHanja</source>
            <translation>Hangeul-PostHanja</translation>
        </message>
        <message>
            <source>Kana Lock</source>
            <translation>Kana Lock</translation>
        </message>
        <message>
            <source>Community</source>
            <translation>Community</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Launch (6)</source>
            <translation>(6) starten</translation>
        </message>
        <message>
            <source>Launch (7)</source>
            <translation>(7) starten</translation>
        </message>
        <message>
            <source>Launch (8)</source>
            <translation>(8) starten</translation>
        </message>
        <message>
            <source>Launch (9)</source>
            <translation>(9) starten</translation>
        </message>
        <message>
            <source>Launch (2)</source>
            <translation>(2) starten</translation>
        </message>
        <message>
            <source>Launch (3)</source>
            <translation>(3) starten</translation>
        </message>
        <message>
            <source>Launch (4)</source>
            <translation>(4) starten</translation>
        </message>
        <message>
            <source>Launch (5)</source>
            <translation>(5) starten</translation>
        </message>
        <message>
            <source>Launch (0)</source>
            <translation>(0) starten</translation>
        </message>
        <message>
            <source>Launch (1)</source>
            <translation>(1) starten</translation>
        </message>
        <message>
            <source>Launch (F)</source>
            <translation>(F) starten</translation>
        </message>
        <message>
            <source>Launch (G)</source>
            <translation>(G) starten</translation>
        </message>
        <message>
            <source>Launch (H)</source>
            <translation>(H) starten</translation>
        </message>
        <message>
            <source>Launch (B)</source>
            <translation>(B) starten</translation>
        </message>
        <message>
            <source>Launch (C)</source>
            <translation>(C) starten</translation>
        </message>
        <message>
            <source>Launch (D)</source>
            <translation>(D) starten</translation>
        </message>
        <message>
            <source>Launch (E)</source>
            <translation>(E) starten</translation>
        </message>
        <message>
            <source>Launch (A)</source>
            <translation>(A) starten</translation>
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
            <source>Audio Random Play</source>
            <translation>Audio zufällige Auswahl spielen</translation>
        </message>
        <message>
            <source>Hangul</source>
            <translation>Hangeul</translation>
        </message>
        <message>
            <source>Hangup</source>
            <translation>Auflegen</translation>
        </message>
        <message>
            <source>Henkan</source>
            <translation>Henkan</translation>
        </message>
        <message>
            <source>Insert</source>
            <translation>Einfügen</translation>
        </message>
        <message>
            <source>Home Office</source>
            <translation>Home Office</translation>
        </message>
        <message>
            <source>Last Number Redial</source>
            <translation>Wahlwiederholung</translation>
        </message>
        <message>
            <source>Logoff</source>
            <translation>Logoff</translation>
        </message>
        <message>
            <source>Market</source>
            <translation>Markt</translation>
        </message>
        <message>
            <source>Massyo</source>
            <translation>Massyo</translation>
        </message>
        <message>
            <source>Bass Boost</source>
            <translation>Bass-Boost</translation>
        </message>
        <message>
            <source>Channel Up</source>
            <translation>nächster Kanal</translation>
        </message>
        <message>
            <source>Option</source>
            <translation>Option</translation>
        </message>
        <message>
            <source>PgDown</source>
            <translation>Bild abwärts</translation>
        </message>
        <message>
            <source>Reload</source>
            <translation>Neu laden</translation>
        </message>
        <message>
            <source>Return</source>
            <translation>Return</translation>
        </message>
        <message>
            <source>Adjust contrast</source>
            <translation>Kontrasteinstellung</translation>
        </message>
        <message>
            <source>Romaji</source>
            <translation>Romaji</translation>
        </message>
        <message>
            <source>Search</source>
            <translation>Suchen</translation>
        </message>
        <message>
            <source>Select</source>
            <translation>Auswählen</translation>
        </message>
        <message>
            <source>SysReq</source>
            <translation>SysReq</translation>
        </message>
        <message>
            <source>Travel</source>
            <translation>Reise</translation>
        </message>
        <message>
            <source>NumLock</source>
            <translation>Zahlen-Feststelltaste</translation>
        </message>
        <message>
            <source>WebCam</source>
            <translation>WebCam</translation>
        </message>
        <message>
            <source>Hiragana Katakana</source>
            <translation>Hiragana Katakana</translation>
        </message>
        <message>
            <source>Yellow</source>
            <translation>Gelb</translation>
        </message>
        <message>
            <source>Top Menu</source>
            <translation>Hauptmenü</translation>
        </message>
        <message>
            <source>ScrollLock</source>
            <translation>Rollen-Feststelltaste</translation>
        </message>
        <message>
            <source>Hot Links</source>
            <translation>Empfohlene Verweise</translation>
        </message>
        <message>
            <source>Audio Cycle Track</source>
            <translation>Audiotitel wiederholen</translation>
        </message>
        <message>
            <source>Context1</source>
            <translation>Kontext1</translation>
        </message>
        <message>
            <source>Context2</source>
            <translation>Kontext2</translation>
        </message>
        <message>
            <source>Context3</source>
            <translation>Kontext3</translation>
        </message>
        <message>
            <source>Context4</source>
            <translation>Kontext4</translation>
        </message>
        <message>
            <source>Zoom Out</source>
            <translation>Verkleinern</translation>
        </message>
        <message>
            <source>Page Up</source>
            <translation>Bild aufwärts</translation>
        </message>
        <message>
            <source>Open URL</source>
            <translation>URL öffnen</translation>
        </message>
        <message>
            <source>iTouch</source>
            <translation>iTouch</translation>
        </message>
        <message>
            <source>Previous Candidate</source>
            <translation>Vorheriger Vorschlag</translation>
        </message>
        <message>
            <source>Toggle Media Play/Pause</source>
            <translation>Wiedergabe/Pause</translation>
        </message>
        <message>
            <source>Caps Lock</source>
            <translation>Feststelltaste</translation>
        </message>
        <message>
            <source>Eisu Shift</source>
            <translation>Eisu Shift</translation>
        </message>
        <message>
            <source>Code input</source>
            <translation>Code-Eingabe</translation>
        </message>
        <message>
            <source>Printer</source>
            <translation>Drucker</translation>
        </message>
        <message>
            <source>Camera Focus</source>
            <translation>Scharfstellen</translation>
        </message>
        <message>
            <source>Adjust Brightness</source>
            <translation>Helligkeit einstellen</translation>
        </message>
        <message>
            <source>Spreadsheet</source>
            <translation>Tabellenkalkulation</translation>
        </message>
        <message>
            <source>Eisu toggle</source>
            <translation>Eisu toggle</translation>
        </message>
        <message>
            <source>Keyboard Brightness Down</source>
            <translation>Tastaturbeleuchtung dunkler</translation>
        </message>
        <message>
            <source>Calendar</source>
            <translation>Kalender</translation>
        </message>
        <message>
            <source>Clear Grab</source>
            <translation>Zugriff löschen</translation>
        </message>
        <message>
            <source>Monitor Brightness Up</source>
            <translation>Monitor heller</translation>
        </message>
        <message>
            <source>System Request</source>
            <translation>System Request</translation>
        </message>
        <message>
            <source>Microphone Volume Up</source>
            <translation>Mikrofon lauter</translation>
        </message>
        <message>
            <source>CapsLock</source>
            <translation>Feststelltaste</translation>
        </message>
        <message>
            <source>Backtab</source>
            <translation>Rück-Tab</translation>
        </message>
        <message>
            <source>Bass Up</source>
            <translation>Bass +</translation>
        </message>
        <message>
            <source>Battery</source>
            <translation>Batterie</translation>
        </message>
        <message>
            <source>Katakana</source>
            <translation>Katakana</translation>
        </message>
        <message>
            <source>Refresh</source>
            <translation>Aktualisieren</translation>
        </message>
        <message>
            <source>Hibernate</source>
            <translation>Hibernate</translation>
        </message>
        <message>
            <source>Application Left</source>
            <translation>Anwendung links</translation>
        </message>
        <message>
            <source>Voice Dial</source>
            <translation>Sprachwahl</translation>
        </message>
        <message>
            <source>Browser</source>
            <translation>Browser</translation>
        </message>
        <message>
            <source>Keyboard Menu</source>
            <translation>Tastaturmenü</translation>
        </message>
        <message>
            <source>Back Forward</source>
            <translation>Hinterstes nach vorn</translation>
        </message>
        <message>
            <source>Launch Mail</source>
            <translation>Mail starten</translation>
        </message>
        <message>
            <source>Keyboard Light On/Off</source>
            <translation>Tastaturbeleuchtung Ein/Aus</translation>
        </message>
        <message>
            <source>Backspace</source>
            <translation>Rücktaste</translation>
        </message>
        <message>
            <source>Bass Down</source>
            <translation>Bass -</translation>
        </message>
        <message>
            <source>Mail Forward</source>
            <translation>Weiterleitung</translation>
        </message>
        <message>
            <source>Control</source>
            <translation>Steuerung</translation>
        </message>
        <message>
            <source>Messenger</source>
            <translation>Messenger</translation>
        </message>
        <message>
            <source>Hangul Banja</source>
            <translation>Hangeul-Banja</translation>
        </message>
        <message>
            <source>Hangul Hanja</source>
            <translation>Hangeul-Hanja</translation>
        </message>
        <message>
            <source>Standby</source>
            <translation>Standby</translation>
        </message>
        <message>
            <source>Hangul Start</source>
            <translation>Hangeul Anfang</translation>
        </message>
        <message>
            <source>Rotation KB</source>
            <translation>Rotation KB</translation>
        </message>
        <message>
            <source>Rotation PB</source>
            <translation>Rotation PB</translation>
        </message>
        <message>
            <source>Documents</source>
            <translation>Dokumente</translation>
        </message>
        <message>
            <source>Calculator</source>
            <translation>Rechner</translation>
        </message>
        <message>
            <source>Support</source>
            <translation>Hilfe</translation>
        </message>
        <message>
            <source>Suspend</source>
            <translation>Pause</translation>
        </message>
        <message>
            <source>Display</source>
            <translation>Anzeigen</translation>
        </message>
        <message>
            <source>Hangul Romaja</source>
            <translation>Hangeul-Romaja</translation>
        </message>
        <message>
            <source>To-do list</source>
            <translation>To-do-Liste</translation>
        </message>
        <message>
            <source>My Sites</source>
            <translation>Meine Orte</translation>
        </message>
        <message>
            <source>Rotate Windows</source>
            <translation>Fenster rotieren</translation>
        </message>
        <message>
            <source>Touroku</source>
            <translation>Touroku</translation>
        </message>
        <message>
            <source>Zenkaku Hankaku</source>
            <translation>Zenkaku Hankaku</translation>
        </message>
        <message>
            <source>Hangul Jeonja</source>
            <translation>Hangeul-Jeonja</translation>
        </message>
        <message>
            <source>Treble Up</source>
            <translation>Höhen +</translation>
        </message>
        <message>
            <source>Subtitle</source>
            <translation>Untertitel</translation>
        </message>
        <message>
            <source>Hangul Jamo</source>
            <translation>Hangeul-Jamo</translation>
        </message>
        <message>
            <source>Bluetooth</source>
            <translation>Bluetooth</translation>
        </message>
        <message>
            <source>Muhenkan</source>
            <translation>Muhenkan</translation>
        </message>
        <message>
            <source>Num Lock</source>
            <translation>Zahlen-Feststelltaste</translation>
        </message>
        <message>
            <source>Screensaver</source>
            <translation>Bildschirmschoner</translation>
        </message>
        <message>
            <source>Number Lock</source>
            <translation>Zahlen-Feststelltaste</translation>
        </message>
        <message>
            <source>Power Down</source>
            <translation>Ausschalten</translation>
        </message>
        <message>
            <source>Spellchecker</source>
            <translation>Rechtschreibprüfung</translation>
        </message>
        <message>
            <source>Hangul PreHanja</source>
            <translation>Hangeul-PreHanja</translation>
        </message>
        <message>
            <source>Terminal</source>
            <translation>Terminal</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Einstellungen</translation>
        </message>
        <message>
            <source>Add Favorite</source>
            <translation>Lesezeichen hinzufügen</translation>
        </message>
        <message>
            <source>Execute</source>
            <translation>Ausführen</translation>
        </message>
        <message>
            <source>Finance</source>
            <translation>Finanzen</translation>
        </message>
        <message>
            <source>Microphone Volume Down</source>
            <translation>Mikrofon leiser</translation>
        </message>
        <message>
            <source>Task Panel</source>
            <translation>Task-Leiste</translation>
        </message>
        <message>
            <source>Favorites</source>
            <translation>Favoriten</translation>
        </message>
        <message>
            <source>Forward</source>
            <translation>Vorwärts</translation>
        </message>
        <message>
            <source>Page Down</source>
            <translation>Bild abwärts</translation>
        </message>
        <message>
            <source>Wake Up</source>
            <translation>Aufwecken</translation>
        </message>
        <message>
            <source>Power Off</source>
            <translation>Ausschalten</translation>
        </message>
        <message>
            <source>LightBulb</source>
            <translation>Beleuchtung</translation>
        </message>
        <message>
            <source>Touchpad Toggle</source>
            <translation>Touchpad-Umschalter</translation>
        </message>
        <message>
            <source>Hankaku</source>
            <translation>Hankaku</translation>
        </message>
        <message>
            <source>Media Fast Forward</source>
            <translation>Medium vorspulen</translation>
        </message>
        <message>
            <source>Hangul End</source>
            <translation>Hangeul Ende</translation>
        </message>
        <message>
            <source>Monitor Brightness Down</source>
            <translation>Monitor dunkler</translation>
        </message>
        <message>
            <source>Microphone Mute</source>
            <translation>Mikrofon stummschalten</translation>
        </message>
        <message>
            <source>History</source>
            <translation>Verlauf</translation>
        </message>
        <message>
            <source>Media Play</source>
            <translation>Wiedergabe</translation>
        </message>
        <message>
            <source>Media Stop</source>
            <translation>Stopp</translation>
        </message>
        <message>
            <source>Media Next</source>
            <translation>Nächster</translation>
        </message>
        <message>
            <source>Touchpad On</source>
            <translation>Touchpad an</translation>
        </message>
        <message>
            <source>Channel Down</source>
            <translation>vorangehender Kanal</translation>
        </message>
        <message>
            <source>Launch Media</source>
            <translation>Medienspieler starten</translation>
        </message>
        <message>
            <source>Application Right</source>
            <translation>Anwendung rechts</translation>
        </message>
        <message>
            <source>Pictures</source>
            <translation>Bilder</translation>
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
            <translation>Senken</translation>
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
            <translation>&amp;Dekrementieren</translation>
        </message>
        <message>
            <source>&amp;Step up</source>
            <translation>&amp;Inkrementieren</translation>
        </message>
        <message>
            <source>&amp;Select All</source>
            <translation>&amp;Alles auswählen</translation>
        </message>
    </context>
</TS>
