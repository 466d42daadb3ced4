<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>ChanceWords</name>
    <message>
        <source>%1%</source>
        <extracomment>A percentage: %1 is the number. The space before the sign, if any, is the one the language&apos;s own number forms use (CLDR).</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>&gt; %1</source>
        <extracomment>A chance above 99.9% that does not reach certainty; it is spoken, so a word reads better than a sign.</extracomment>
        <translation>ponad %1</translation>
    </message>
    <message>
        <source>&lt; %1</source>
        <extracomment>A chance below 0.1% that is not impossible; spoken, like &quot;&gt; %1&quot;.</extracomment>
        <translation>poniżej %1</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Porażka</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Sukces</translation>
    </message>
    <message numerus="yes">
        <source>Success, %1 extra success(es)</source>
        <translation>
            <numerusform>Sukces, %1 dodatkowy sukces</numerusform>
            <numerusform>Sukces, %1 dodatkowe sukcesy</numerusform>
            <numerusform>Sukces, %1 dodatkowych sukcesów</numerusform>
        </translation>
    </message>
    <message>
        <source>failure</source>
        <extracomment>A test&apos;s verdict inside a roll log line, after the total: &quot;9, failure&quot;.</extracomment>
        <translation>porażka</translation>
    </message>
    <message>
        <source>success</source>
        <extracomment>A test&apos;s verdict inside a roll log line, after the total: &quot;15, success&quot;.</extracomment>
        <translation>sukces</translation>
    </message>
    <message>
        <source>success, %1 extra</source>
        <extracomment>A success with extra successes in a roll log line: &quot;20, success, 2 extra&quot;. %1 is their number.</extracomment>
        <translation>sukces, +%1</translation>
    </message>
    <message>
        <source>Chance of success: %1</source>
        <translation>Szansa powodzenia: %1</translation>
    </message>
    <message>
        <source>%1 (without the bonus: %2)</source>
        <translation>%1 (bez premii: %2)</translation>
    </message>
    <message>
        <source>%1 (with step %2 as bonus: %3)</source>
        <translation>%1 (ze stopniem %2 jako premią: %3)</translation>
    </message>
</context>
<context>
    <name>DiceWords</name>
    <message>
        <source>D</source>
        <comment>die letter</comment>
        <extracomment>The letter that names a die before its number of faces, as in 2D6 and D20 (German: W).</extracomment>
        <translation>K</translation>
    </message>
    <message>
        <source>d</source>
        <comment>die letter, small</comment>
        <extracomment>The die letter where step 1&apos;s dice write it small in English: &quot;d4-2&quot;. A language whose dice are always written with a capital gives its capital letter here.</extracomment>
        <translation>K</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A die and the faces it showed, in the roll log: &quot;D6: 6 + 4 = 10&quot;. %1 is the die, %2 its faces with their sum.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>STEP %1</source>
        <extracomment>A step option&apos;s caption, in capitals as the window draws it: &quot;STEP 8&quot;.</extracomment>
        <translation>STOPIEŃ %1</translation>
    </message>
    <message>
        <source>Rule of One</source>
        <extracomment>The total shown when every die of a step came up 1: the game&apos;s name for that roll.</extracomment>
        <translation>Zasada jedynki</translation>
    </message>
</context>
<context>
    <name>FairnessWords</name>
    <message>
        <source>%1 to %2</source>
        <translation>od %1 do %2</translation>
    </message>
    <message numerus="yes">
        <source>judged once %1 total(s) are in (%2 so far)</source>
        <translation>
            <numerusform>oceniany od %1 wyniku (na razie %2)</numerusform>
            <numerusform>oceniany od %1 wyników (na razie %2)</numerusform>
            <numerusform>oceniany od %1 wyników (na razie %2)</numerusform>
        </translation>
    </message>
    <message>
        <source>lower than fair dice give 99 times in 100 (%1)</source>
        <translation>niżej, niż uczciwe kości wyrzucają w 99 przypadkach na 100 (%1)</translation>
    </message>
    <message>
        <source>within the range fair dice give 99 times in 100 (%1)</source>
        <translation>w przedziale, który uczciwe kości dają w 99 przypadkach na 100 (%1)</translation>
    </message>
    <message>
        <source>higher than fair dice give 99 times in 100 (%1)</source>
        <translation>wyżej, niż uczciwe kości wyrzucają w 99 przypadkach na 100 (%1)</translation>
    </message>
    <message numerus="yes">
        <source>Step %1: %2 roll(s)</source>
        <translation>
            <numerusform>Stopień %1: %2 rzut</numerusform>
            <numerusform>Stopień %1: %2 rzuty</numerusform>
            <numerusform>Stopień %1: %2 rzutów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Step %1 + step %2: %3 roll(s)</source>
        <translation>
            <numerusform>Stopień %1 + stopień %2: %3 rzut</numerusform>
            <numerusform>Stopień %1 + stopień %2: %3 rzuty</numerusform>
            <numerusform>Stopień %1 + stopień %2: %3 rzutów</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2, exact %3: %4</source>
        <extracomment>%1 is &quot;Average total&quot; (or its Rule of One form), %2 the average of the rolls so far, %3 the average fair dice give, %4 the verdict on the dice: &quot;Average total 8.75, exact 8.58: within the range fair dice give 99 times in 100 (6.10 to 11.06)&quot;.</extracomment>
        <translation>%1: %2 (teoretycznie %3), %4</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>What stands for the average where every roll so far was a Rule of One, so no total came yet.</extracomment>
        <translation>jeszcze brak</translation>
    </message>
    <message>
        <source>Rule of One: %1, expected %2</source>
        <translation>Zasada jedynki: %1 (oczekiwano: %2)</translation>
    </message>
</context>
<context>
    <name>OddsWords</name>
    <message>
        <source>Average total</source>
        <translation>Średni wynik</translation>
    </message>
    <message>
        <source>Average total (Rule of One aside)</source>
        <translation>Średni wynik (bez zasady jedynki)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Rule of One: none</source>
        <translation>Zasada jedynki: nigdy</translation>
    </message>
    <message>
        <source>Rule of One: 1 in %1</source>
        <translation>Zasada jedynki: 1 na %1</translation>
    </message>
    <message>
        <source>Explosion: never</source>
        <translation>Eksplozja: nigdy</translation>
    </message>
    <message>
        <source>Explosion: %1% of rolls</source>
        <translation>Eksplozja: %1% rzutów</translation>
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
        <translation>Przepełnienie</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Dzielenie przez zero</translation>
    </message>
    <message>
        <source>Floating-point overflow</source>
        <translation>Przepełnienie zmiennoprzecinkowe</translation>
    </message>
    <message>
        <source>Invalid floating-point operation</source>
        <translation>Nieprawidłowa operacja zmiennoprzecinkowa</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Brak pamięci</translation>
    </message>
    <message>
        <source>A value out of range</source>
        <translation>Wartość spoza zakresu</translation>
    </message>
</context>
<context>
    <name>dicewright::DifficultyControls</name>
    <message>
        <source>Set a step and a difficulty for the chance of success</source>
        <translation>Wybierz stopień i trudność, aby zobaczyć szansę powodzenia</translation>
    </message>
    <message>
        <source>DIFFICULTY</source>
        <extracomment>The caption of the field for what the total must reach, in capitals; a short word fits.</extracomment>
        <translation>TRUDNOŚĆ</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Trudność</translation>
    </message>
    <message>
        <source>What the total must reach, 1 to 99; empty or 0 for none</source>
        <translation>Ile musi wynieść wynik, od 1 do 99; puste lub 0: bez trudności</translation>
    </message>
    <message>
        <source>BONUS STEP</source>
        <extracomment>The caption of the field for a second step thrown with the chosen one, in capitals; the box is narrow, so a short word is better than a shrunken one.</extracomment>
        <translation>PREMIA</translation>
    </message>
    <message>
        <source>Bonus step</source>
        <translation>Stopień premiowy</translation>
    </message>
    <message>
        <source>A step whose dice are thrown with the chosen step&apos;s, 1 to 40; empty or 0 for none</source>
        <translation>Stopień, którego kości rzuca się razem z kośćmi wybranego stopnia, od 1 do 40; puste lub 0: bez premii</translation>
    </message>
</context>
<context>
    <name>dicewright::MainWindow</name>
    <message>
        <source>STEP DICE</source>
        <extracomment>The caption before the chosen step&apos;s dice (&quot;2D6&quot;), in capitals; its box is narrow, so the language&apos;s short word for the dice is best.</extracomment>
        <translation>KOŚCI</translation>
    </message>
    <message>
        <source>Dice of the chosen step</source>
        <translation>Kości wybranego stopnia</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <extracomment>The caption before the total of the last roll, in capitals.</extracomment>
        <translation>WYNIK</translation>
    </message>
    <message>
        <source>ROLL</source>
        <extracomment>The button that throws the dice, in capitals; the button is small (about 8 capitals of this size), so a short word keeps it legible.</extracomment>
        <translation>RZUĆ</translation>
    </message>
    <message>
        <source>Roll the dice of the chosen step</source>
        <translation>Rzuć kośćmi wybranego stopnia</translation>
    </message>
    <message>
        <source>EXIT</source>
        <extracomment>The button that ends the program, in capitals; as small as the one beside it.</extracomment>
        <translation>WYJDŹ</translation>
    </message>
    <message>
        <source>End the program</source>
        <translation>Zamknij program</translation>
    </message>
    <message>
        <source>Steps</source>
        <extracomment>What a screen reader calls the 40 step options as one group.</extracomment>
        <translation>Stopnie</translation>
    </message>
    <message>
        <source>Test against a difficulty</source>
        <translation>Test przeciw trudności</translation>
    </message>
    <message>
        <source>Roll log</source>
        <translation>Dziennik rzutów</translation>
    </message>
    <message>
        <source>Copy last roll</source>
        <translation>Kopiuj ostatni rzut</translation>
    </message>
</context>
<context>
    <name>dicewright::RollLogModel</name>
    <message>
        <source>Step %1</source>
        <translation>Stopień %1</translation>
    </message>
    <message>
        <source>%1 + step %2</source>
        <translation>%1 + stopień %2</translation>
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
        <translation>%1 przeciw %2</translation>
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
        <translation>Dziennik rzutów Dicewright, %1</translation>
    </message>
    <message numerus="yes">
        <source>(%1 earlier roll(s) no longer kept)</source>
        <translation>
            <numerusform>(%1 wcześniejszy rzut nie jest już przechowywany)</numerusform>
            <numerusform>(%1 wcześniejsze rzuty nie są już przechowywane)</numerusform>
            <numerusform>(%1 wcześniejszych rzutów nie jest już przechowywanych)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dicewright::RollLogWindow</name>
    <message>
        <source>Roll log</source>
        <translation>Dziennik rzutów</translation>
    </message>
    <message>
        <source>Rolls, newest first</source>
        <translation>Rzuty, od najnowszego</translation>
    </message>
    <message>
        <source>What the dice have done so far</source>
        <translation>Co dotąd wyrzuciły kości</translation>
    </message>
    <message>
        <source>Each step is judged again after every roll. Over many rolls, fair dice now and then land outside a range they keep to 99 times in 100, so one “lower” or “higher” alone proves nothing.</source>
        <translation>Każdy stopień jest oceniany na nowo po każdym rzucie. W wielu rzutach nawet uczciwe kości od czasu do czasu wypadają poza przedział, którego trzymają się w 99 przypadkach na 100, więc pojedyncze „niżej” czy „wyżej” niczego nie dowodzi.</translation>
    </message>
    <message>
        <source>Copy all</source>
        <translation>Kopiuj wszystko</translation>
    </message>
    <message numerus="yes">
        <source>%1 earlier roll(s) are no longer kept: the log holds the last %2.</source>
        <translation>
            <numerusform>%1 wcześniejszy rzut nie jest już przechowywany: dziennik przechowuje %2 ostatnich rzutów.</numerusform>
            <numerusform>%1 wcześniejsze rzuty nie są już przechowywane: dziennik przechowuje %2 ostatnich rzutów.</numerusform>
            <numerusform>%1 wcześniejszych rzutów nie jest już przechowywanych: dziennik przechowuje %2 ostatnich rzutów.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dicewright::SplashWindow</name>
    <message>
        <source>Dicewright logo</source>
        <translation>Logo Dicewright</translation>
    </message>
    <message>
        <source>Windows 95/98</source>
        <extracomment>The name of the platform the program was first made for, as it stands.</extracomment>
        <translation>Windows 95/98</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
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
        <translation>CZAS RZUCIĆ KOŚĆMI</translation>
    </message>
</context>
<context>
    <name>dicewright::TotalDisplay</name>
    <message>
        <source>Total of the last roll</source>
        <translation>Wynik ostatniego rzutu</translation>
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
        <translation>Rzucanie kośćmi</translation>
    </message>
    <message>
        <source>dice;roll;step;tabletop;role-playing;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>kości;kostki;rzut;stopień;gra fabularna;RPG;</translation>
    </message>
    <message>
        <source>Dicewright rolls the exploding dice of a tabletop role-playing game whose tests are numbered steps. Pick one of 40 steps, from a four-sided die less two up to two twenty-sided dice with four more, press ROLL and read the total.</source>
        <extracomment>The first paragraph of the program&apos;s description in software centres.</extracomment>
        <translation>Dicewright rzuca eksplodującymi kośćmi gry fabularnej, w której testy mierzy się numerowanymi stopniami. Wybierz jeden z 40 stopni, od czterościennej kości minus dwa po dwie dwudziestościenne kości z czterema innymi, naciśnij RZUĆ i odczytaj wynik.</translation>
    </message>
    <message>
        <source>A die that shows its highest face is thrown again and added on, and when every die of a step shows a one, the roll is a Rule of One.</source>
        <extracomment>The second paragraph of the program&apos;s description in software centres.</extracomment>
        <translation>Kość, która pokaże najwyższą ściankę, jest rzucana ponownie i doliczana, a gdy wszystkie kości stopnia pokażą jedynkę, obowiązuje zasada jedynki.</translation>
    </message>
    <message>
        <source>%1 %2, newer than this installer&apos;s %3, is installed in %4.</source>
        <extracomment>The installer, where a newer version is installed. %1 is the product&apos;s name, %2 the installed version, %3 this installer&apos;s version, %4 the folder.</extracomment>
        <translation>W folderze %4 jest już zainstalowany %1 %2, nowszy niż wersja %3 z tego instalatora.</translation>
    </message>
    <message>
        <source>Replace it with %1?</source>
        <extracomment>The installer&apos;s question after the note that a newer version is installed. %1 is this installer&apos;s version.</extracomment>
        <translation>Zastąpić go wersją %1?</translation>
    </message>
    <message>
        <source>%1 already holds files of another program (such as %2), which %3 would replace. Please choose another folder.</source>
        <extracomment>The installer, where the chosen folder holds another program. %1 is the folder, %2 one of its files, %3 the product&apos;s name.</extracomment>
        <translation>Folder %1 zawiera już pliki innego programu (na przykład %2), które %3 by zastąpił. Wybierz inny folder.</translation>
    </message>
    <message>
        <source>The earlier %1 in %2 could not be removed.</source>
        <extracomment>The installer, where an earlier version could not be removed. %1 is the product&apos;s name, %2 its folder.</extracomment>
        <translation>Nie udało się usunąć wcześniejszej wersji %1 z folderu %2.</translation>
    </message>
</context>
<context>
    <name>page</name>
    <message>
        <source>Loading…</source>
        <translation>Wczytywanie…</translation>
    </message>
    <message>
        <source>Start %1 again</source>
        <extracomment>%1 is the product&apos;s name, Dicewright.</extracomment>
        <translation>Uruchom %1 ponownie</translation>
    </message>
    <message>
        <source>%1 has ended.</source>
        <extracomment>%1 is the product&apos;s name.</extracomment>
        <translation>Program %1 został zamknięty.</translation>
    </message>
    <message>
        <source>%1 has stopped: %2.</source>
        <extracomment>%1 is the product&apos;s name, %2 what stopped it.</extracomment>
        <translation>Program %1 przerwał działanie: %2.</translation>
    </message>
    <message>
        <source>%1 cannot start here: %2</source>
        <extracomment>%1 is the product&apos;s name, %2 what the browser said.</extracomment>
        <translation>Nie można tu uruchomić programu %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be kept for use offline here: it will need the network to start next time.</source>
        <extracomment>%1 is the product&apos;s name.</extracomment>
        <translation>Nie udało się zapisać programu %1 do użytku offline: przy następnym uruchomieniu potrzebne będzie połączenie z internetem.</translation>
    </message>
    <message>
        <source>Step dice roller for tabletop role-playing games</source>
        <extracomment>What the page and the installed app say the program is.</extracomment>
        <translation>Rzucanie kośćmi według stopni do gier fabularnych</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The button that puts the note about offline use away.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The button that closes the roll log.</extracomment>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>%1 needs JavaScript.</source>
        <extracomment>Shown where the browser runs no scripts. %1 is the product&apos;s name.</extracomment>
        <translation>%1 wymaga JavaScriptu.</translation>
    </message>
    <message>
        <source>The highest difficulty is %1.</source>
        <extracomment>Said where the difficulty field cannot take the number typed. %1 is its highest value, 99.</extracomment>
        <translation>Trudność wynosi najwyżej %1.</translation>
    </message>
    <message>
        <source>The highest bonus step is %1.</source>
        <extracomment>Said where the bonus step field cannot take the number typed. %1 is its highest value, 40.</extracomment>
        <translation>Stopień premiowy wynosi najwyżej %1.</translation>
    </message>
    <message>
        <source>A number here never starts with 0; an empty field means none.</source>
        <extracomment>Said where a number field was given a number that starts with 0, or 0 alone.</extracomment>
        <translation>Liczba nie zaczyna się tu od 0; puste pole oznacza brak wartości.</translation>
    </message>
    <message>
        <source>Only digits go in this field.</source>
        <extracomment>Said where a number field was given something other than digits.</extracomment>
        <translation>W tym polu mogą być tylko cyfry.</translation>
    </message>
    <message>
        <source>Share last roll</source>
        <extracomment>The menu item that gives the last roll&apos;s line to the phone&apos;s own share sheet.</extracomment>
        <translation>Udostępnij ostatni rzut</translation>
    </message>
</context>
</TS>
