<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>ChanceWords</name>
    <message>
        <source>%1%</source>
        <extracomment>A percentage: %1 is the number. The space before the sign, if any, is the one the language&apos;s own number forms use (CLDR).</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>&gt; %1</source>
        <extracomment>A chance above 99.9% that does not reach certainty; it is spoken, so a word reads better than a sign.</extracomment>
        <translation>über %1</translation>
    </message>
    <message>
        <source>&lt; %1</source>
        <extracomment>A chance below 0.1% that is not impossible; spoken, like &quot;&gt; %1&quot;.</extracomment>
        <translation>unter %1</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Misserfolg</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message numerus="yes">
        <source>Success, %1 extra success(es)</source>
        <translation>
            <numerusform>Erfolg, %1 zusätzlicher Erfolg</numerusform>
            <numerusform>Erfolg, %1 zusätzliche Erfolge</numerusform>
        </translation>
    </message>
    <message>
        <source>failure</source>
        <extracomment>A test&apos;s verdict inside a roll log line, after the total: &quot;9, failure&quot;.</extracomment>
        <translation>Misserfolg</translation>
    </message>
    <message>
        <source>success</source>
        <extracomment>A test&apos;s verdict inside a roll log line, after the total: &quot;15, success&quot;.</extracomment>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>success, %1 extra</source>
        <extracomment>A success with extra successes in a roll log line: &quot;20, success, 2 extra&quot;. %1 is their number.</extracomment>
        <translation>Erfolg, +%1</translation>
    </message>
    <message>
        <source>Chance of success: %1</source>
        <translation>Erfolgschance: %1</translation>
    </message>
    <message>
        <source>%1 (without the bonus: %2)</source>
        <translation>%1 (ohne Bonus: %2)</translation>
    </message>
    <message>
        <source>%1 (with step %2 as bonus: %3)</source>
        <translation>%1 (mit Stufe %2 als Bonus: %3)</translation>
    </message>
</context>
<context>
    <name>DiceWords</name>
    <message>
        <source>D</source>
        <comment>die letter</comment>
        <extracomment>The letter that names a die before its number of faces, as in 2D6 and D20 (German: W).</extracomment>
        <translation>W</translation>
    </message>
    <message>
        <source>d</source>
        <comment>die letter, small</comment>
        <extracomment>The die letter where step 1&apos;s dice write it small in English: &quot;d4-2&quot;. A language whose dice are always written with a capital gives its capital letter here.</extracomment>
        <translation>W</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A die and the faces it showed, in the roll log: &quot;D6: 6 + 4 = 10&quot;. %1 is the die, %2 its faces with their sum.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>STEP %1</source>
        <extracomment>A step option&apos;s caption, in capitals as the window draws it: &quot;STEP 8&quot;.</extracomment>
        <translation>STUFE %1</translation>
    </message>
    <message>
        <source>Rule of One</source>
        <extracomment>The total shown when every die of a step came up 1: the game&apos;s name for that roll.</extracomment>
        <translation>Regel der Eins</translation>
    </message>
</context>
<context>
    <name>FairnessWords</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message numerus="yes">
        <source>judged once %1 total(s) are in (%2 so far)</source>
        <translation>
            <numerusform>beurteilt ab %1 Ergebnis (bisher %2)</numerusform>
            <numerusform>beurteilt ab %1 Ergebnissen (bisher %2)</numerusform>
        </translation>
    </message>
    <message>
        <source>lower than fair dice give 99 times in 100 (%1)</source>
        <translation>niedriger, als faire Würfel es in 99 von 100 Fällen ergeben (%1)</translation>
    </message>
    <message>
        <source>within the range fair dice give 99 times in 100 (%1)</source>
        <translation>im Bereich, den faire Würfel in 99 von 100 Fällen ergeben (%1)</translation>
    </message>
    <message>
        <source>higher than fair dice give 99 times in 100 (%1)</source>
        <translation>höher, als faire Würfel es in 99 von 100 Fällen ergeben (%1)</translation>
    </message>
    <message numerus="yes">
        <source>Step %1: %2 roll(s)</source>
        <translation>
            <numerusform>Stufe %1: %2 Wurf</numerusform>
            <numerusform>Stufe %1: %2 Würfe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Step %1 + step %2: %3 roll(s)</source>
        <translation>
            <numerusform>Stufe %1 + Stufe %2: %3 Wurf</numerusform>
            <numerusform>Stufe %1 + Stufe %2: %3 Würfe</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2, exact %3: %4</source>
        <extracomment>%1 is &quot;Average total&quot; (or its Rule of One form), %2 the average of the rolls so far, %3 the average fair dice give, %4 the verdict on the dice: &quot;Average total 8.75, exact 8.58: within the range fair dice give 99 times in 100 (6.10 to 11.06)&quot;.</extracomment>
        <translation>%1: %2 (rechnerisch %3), %4</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>What stands for the average where every roll so far was a Rule of One, so no total came yet.</extracomment>
        <translation>noch keines</translation>
    </message>
    <message>
        <source>Rule of One: %1, expected %2</source>
        <translation>Regel der Eins: %1 (erwartet: %2)</translation>
    </message>
</context>
<context>
    <name>OddsWords</name>
    <message>
        <source>Average total</source>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <source>Average total (Rule of One aside)</source>
        <translation>Durchschnitt (ohne Regel der Eins)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Rule of One: none</source>
        <translation>Regel der Eins: nie</translation>
    </message>
    <message>
        <source>Rule of One: 1 in %1</source>
        <translation>Regel der Eins: 1 von %1</translation>
    </message>
    <message>
        <source>Explosion: never</source>
        <translation>Explosion: nie</translation>
    </message>
    <message>
        <source>Explosion: %1% of rolls</source>
        <translation>Explosion: %1&#xa0;% der Würfe</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>How a screen reader hears a step&apos;s odds, one line after the other (&quot;Average total: 5.50; Rule of One: 1 in 36&quot;). Never a full stop: after a number it reads as an ordinal.</extracomment>
        <translation>%1; %2</translation>
    </message>
</context>
<context>
    <name>dicewright::Application</name>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division durch null</translation>
    </message>
    <message>
        <source>Floating-point overflow</source>
        <translation>Gleitkommaüberlauf</translation>
    </message>
    <message>
        <source>Invalid floating-point operation</source>
        <translation>Ungültige Gleitkommaoperation</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genug Arbeitsspeicher</translation>
    </message>
    <message>
        <source>A value out of range</source>
        <translation>Ein Wert außerhalb des gültigen Bereichs</translation>
    </message>
</context>
<context>
    <name>dicewright::DifficultyControls</name>
    <message>
        <source>DIFFICULTY</source>
        <extracomment>The caption of the field for what the total must reach, in capitals; a short word fits.</extracomment>
        <translation>MINDESTWURF</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Mindestwurf</translation>
    </message>
    <message>
        <source>What the total must reach, 1 to 99; empty or 0 for none</source>
        <translation>Was das Ergebnis erreichen muss, 1 bis 99; leer oder 0: ohne Mindestwurf</translation>
    </message>
    <message>
        <source>BONUS STEP</source>
        <extracomment>The caption of the field for a second step thrown with the chosen one, in capitals; the box is narrow, so a short word is better than a shrunken one.</extracomment>
        <translation>BONUSSTUFE</translation>
    </message>
    <message>
        <source>Bonus step</source>
        <translation>Bonusstufe</translation>
    </message>
    <message>
        <source>A step whose dice are thrown with the chosen step&apos;s, 1 to 40; empty or 0 for none</source>
        <translation>Eine Stufe, deren Würfel mit denen der gewählten Stufe geworfen werden, 1 bis 40; leer oder 0: ohne Bonusstufe</translation>
    </message>
    <message>
        <source>Set a step and a difficulty for the chance of success</source>
        <translation>Stufe und Mindestwurf wählen, um die Erfolgschance zu sehen</translation>
    </message>
</context>
<context>
    <name>dicewright::MainWindow</name>
    <message>
        <source>STEP DICE</source>
        <extracomment>The caption before the chosen step&apos;s dice (&quot;2D6&quot;), in capitals; its box is narrow, so the language&apos;s short word for the dice is best.</extracomment>
        <translation>WÜRFEL</translation>
    </message>
    <message>
        <source>Dice of the chosen step</source>
        <translation>Würfel der gewählten Stufe</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <extracomment>The caption before the total of the last roll, in capitals.</extracomment>
        <translation>ERGEBNIS</translation>
    </message>
    <message>
        <source>ROLL</source>
        <extracomment>The button that throws the dice, in capitals; the button is small (about 8 capitals of this size), so a short word keeps it legible.</extracomment>
        <translation>WURF</translation>
    </message>
    <message>
        <source>Roll the dice of the chosen step</source>
        <translation>Die Würfel der gewählten Stufe werfen</translation>
    </message>
    <message>
        <source>EXIT</source>
        <extracomment>The button that ends the program, in capitals; as small as the one beside it.</extracomment>
        <translation>ENDE</translation>
    </message>
    <message>
        <source>End the program</source>
        <translation>Das Programm beenden</translation>
    </message>
    <message>
        <source>Steps</source>
        <extracomment>What a screen reader calls the 40 step options as one group.</extracomment>
        <translation>Stufen</translation>
    </message>
    <message>
        <source>Test against a difficulty</source>
        <translation>Probe gegen einen Mindestwurf</translation>
    </message>
    <message>
        <source>Roll log</source>
        <translation>Wurfprotokoll</translation>
    </message>
    <message>
        <source>Copy last roll</source>
        <translation>Letzten Wurf kopieren</translation>
    </message>
</context>
<context>
    <name>dicewright::RollLogModel</name>
    <message>
        <source>Step %1</source>
        <translation>Stufe %1</translation>
    </message>
    <message>
        <source>%1 + step %2</source>
        <translation>%1 + Stufe %2</translation>
    </message>
    <message>
        <source>%1 + %2</source>
        <translation>%1 + %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A roll log line&apos;s steps and their dice: &quot;Step 8 (2D6)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 against %2</source>
        <extracomment>A test in a roll log line: %1 the steps and dice, %2 the difficulty.</extracomment>
        <translation>%1 gegen %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The total and the test&apos;s verdict in a roll log line: &quot;15, success&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1: %2 — %3</source>
        <extracomment>A whole roll log line: %1 the steps and dice, %2 the total, %3 each die&apos;s faces.</extracomment>
        <translation>%1: %2 — %3</translation>
    </message>
    <message>
        <source>Dicewright roll log, %1</source>
        <translation>Dicewright-Wurfprotokoll, %1</translation>
    </message>
    <message numerus="yes">
        <source>(%1 earlier roll(s) no longer kept)</source>
        <translation>
            <numerusform>(%1 früherer Wurf nicht mehr gespeichert)</numerusform>
            <numerusform>(%1 frühere Würfe nicht mehr gespeichert)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dicewright::RollLogWindow</name>
    <message>
        <source>Roll log</source>
        <translation>Wurfprotokoll</translation>
    </message>
    <message>
        <source>Rolls, newest first</source>
        <translation>Würfe, neueste zuerst</translation>
    </message>
    <message>
        <source>What the dice have done so far</source>
        <translation>Was die Würfel bisher ergeben haben</translation>
    </message>
    <message>
        <source>Each step is judged again after every roll. Over many rolls, fair dice now and then land outside a range they keep to 99 times in 100, so one “lower” or “higher” alone proves nothing.</source>
        <translation>Jede Stufe wird nach jedem Wurf neu beurteilt. Über viele Würfe landen auch faire Würfel hin und wieder außerhalb des Bereichs, den sie in 99 von 100 Fällen einhalten; ein einzelnes „niedriger“ oder „höher“ beweist also nichts.</translation>
    </message>
    <message>
        <source>Copy all</source>
        <translation>Alles kopieren</translation>
    </message>
    <message numerus="yes">
        <source>%1 earlier roll(s) are no longer kept: the log holds the last %2.</source>
        <translation>
            <numerusform>%1 früherer Wurf ist nicht mehr gespeichert: Das Protokoll behält die letzten %2.</numerusform>
            <numerusform>%1 frühere Würfe sind nicht mehr gespeichert: Das Protokoll behält die letzten %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dicewright::SplashWindow</name>
    <message>
        <source>Dicewright logo</source>
        <translation>Dicewright-Logo</translation>
    </message>
    <message>
        <source>Windows 95/98</source>
        <extracomment>The name of the platform the program was first made for, as it stands.</extracomment>
        <translation>Windows 95/98</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Copyright</source>
        <extracomment>A placeholder the window shows as it stands, where a copyright line would go.</extracomment>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Company</source>
        <extracomment>A placeholder the window shows as it stands, where the maker&apos;s name would go.</extracomment>
        <translation>Firma</translation>
    </message>
    <message>
        <source>TIME TO ROLL THE DICE</source>
        <translation>ZEIT ZUM WÜRFELN</translation>
    </message>
</context>
<context>
    <name>dicewright::TotalDisplay</name>
    <message>
        <source>Total of the last roll</source>
        <translation>Ergebnis des letzten Wurfs</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>What a screen reader says of the total display: what it is, then the dice behind the total (&quot;Total of the last roll. D6: 5 · D6: 3&quot;).</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>a total and its verdict</comment>
        <extracomment>What a screen reader says after a roll: the total, then the test&apos;s verdict (&quot;17. Success&quot;). It must not read as an ordinal (&quot;17th success&quot;).</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>package</name>
    <message>
        <source>Dice Roller</source>
        <extracomment>The desktop entry&apos;s generic name: what kind of program this is, in a menu.</extracomment>
        <translation>Würfelprogramm</translation>
    </message>
    <message>
        <source>dice;roll;step;tabletop;role-playing;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>Würfel;würfeln;Stufe;Probe;Rollenspiel;Pen-and-Paper;</translation>
    </message>
    <message>
        <source>Dicewright rolls the exploding dice of a tabletop role-playing game whose tests are numbered steps. Pick one of 40 steps, from a four-sided die less two up to two twenty-sided dice with four more, press ROLL and read the total.</source>
        <extracomment>The first paragraph of the program&apos;s description in software centres.</extracomment>
        <translation>Dicewright wirft die explodierenden Würfel eines Pen-and-Paper-Rollenspiels, dessen Proben in Stufen gezählt werden. Eine der 40 Stufen wählen, von einem vierseitigen Würfel minus zwei bis zu zwei zwanzigseitigen Würfeln mit vier weiteren, WURF drücken und das Ergebnis ablesen.</translation>
    </message>
    <message>
        <source>A die that shows its highest face is thrown again and added on, and when every die of a step shows a one, the roll is a Rule of One.</source>
        <extracomment>The second paragraph of the program&apos;s description in software centres.</extracomment>
        <translation>Ein Würfel, der seine höchste Zahl zeigt, wird erneut geworfen und dazugezählt; zeigen alle Würfel einer Stufe eine Eins, gilt die Regel der Eins.</translation>
    </message>
    <message>
        <source>%1 %2, newer than this installer&apos;s %3, is installed in %4.</source>
        <extracomment>The installer, where a newer version is installed. %1 is the product&apos;s name, %2 the installed version, %3 this installer&apos;s version, %4 the folder.</extracomment>
        <translation>In %4 ist bereits die neuere Version %1 %2 installiert (dieses Installationsprogramm: %3).</translation>
    </message>
    <message>
        <source>Replace it with %1?</source>
        <extracomment>The installer&apos;s question after the note that a newer version is installed. %1 is this installer&apos;s version.</extracomment>
        <translation>Durch Version %1 ersetzen?</translation>
    </message>
    <message>
        <source>%1 already holds files of another program (such as %2), which %3 would replace. Please choose another folder.</source>
        <extracomment>The installer, where the chosen folder holds another program. %1 is the folder, %2 one of its files, %3 the product&apos;s name.</extracomment>
        <translation>%1 enthält bereits Dateien eines anderen Programms (etwa %2), die %3 ersetzen würde. Bitte einen anderen Ordner wählen.</translation>
    </message>
    <message>
        <source>The earlier %1 in %2 could not be removed.</source>
        <extracomment>The installer, where an earlier version could not be removed. %1 is the product&apos;s name, %2 its folder.</extracomment>
        <translation>Das frühere %1 in %2 konnte nicht entfernt werden.</translation>
    </message>
</context>
<context>
    <name>page</name>
    <message>
        <source>Loading…</source>
        <translation>Wird vorbereitet…</translation>
    </message>
    <message>
        <source>Start %1 again</source>
        <extracomment>%1 is the product&apos;s name, Dicewright.</extracomment>
        <translation>%1 erneut starten</translation>
    </message>
    <message>
        <source>%1 has ended.</source>
        <extracomment>%1 is the product&apos;s name.</extracomment>
        <translation>%1 wurde beendet.</translation>
    </message>
    <message>
        <source>%1 has stopped: %2.</source>
        <extracomment>%1 is the product&apos;s name, %2 what stopped it.</extracomment>
        <translation>%1 wurde abgebrochen: %2.</translation>
    </message>
    <message>
        <source>%1 cannot start here: %2</source>
        <extracomment>%1 is the product&apos;s name, %2 what the browser said.</extracomment>
        <translation>%1 kann hier nicht starten: %2</translation>
    </message>
    <message>
        <source>%1 could not be kept for use offline here: it will need the network to start next time.</source>
        <extracomment>%1 is the product&apos;s name.</extracomment>
        <translation>%1 konnte nicht für die Offline-Nutzung gespeichert werden: Beim nächsten Start ist eine Internetverbindung nötig.</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The button that puts the note about offline use away.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Step dice roller for tabletop role-playing games</source>
        <extracomment>What the page and the installed app say the program is.</extracomment>
        <translation>Würfelprogramm für stufenbasierte Pen-and-Paper-Rollenspiele</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The button that closes the roll log.</extracomment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 needs JavaScript.</source>
        <extracomment>Shown where the browser runs no scripts. %1 is the product&apos;s name.</extracomment>
        <translation>%1 braucht JavaScript.</translation>
    </message>
    <message>
        <source>The highest difficulty is %1.</source>
        <extracomment>Said where the difficulty field cannot take the number typed. %1 is its highest value, 99.</extracomment>
        <translation>Der Mindestwurf ist höchstens %1.</translation>
    </message>
    <message>
        <source>The highest bonus step is %1.</source>
        <extracomment>Said where the bonus step field cannot take the number typed. %1 is its highest value, 40.</extracomment>
        <translation>Die Bonusstufe ist höchstens %1.</translation>
    </message>
    <message>
        <source>A number here never starts with 0; an empty field means none.</source>
        <extracomment>Said where a number field was given a number that starts with 0, or 0 alone.</extracomment>
        <translation>Eine Zahl beginnt hier nie mit 0; ein leeres Feld steht für keinen Wert.</translation>
    </message>
    <message>
        <source>Only digits go in this field.</source>
        <extracomment>Said where a number field was given something other than digits.</extracomment>
        <translation>In dieses Feld gehören nur Ziffern.</translation>
    </message>
    <message>
        <source>Share last roll</source>
        <extracomment>The menu item that gives the last roll&apos;s line to the phone&apos;s own share sheet.</extracomment>
        <translation>Letzten Wurf teilen</translation>
    </message>
</context>
</TS>
