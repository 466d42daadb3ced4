<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>ChanceWords</name>
    <message>
        <source>%1%</source>
        <extracomment>A percentage: %1 is the number. The space before the sign, if any, is the one the language&apos;s own number forms use (CLDR).</extracomment>
        <translation>%1&#x202f;%</translation>
    </message>
    <message>
        <source>&gt; %1</source>
        <extracomment>A chance above 99.9% that does not reach certainty; it is spoken, so a word reads better than a sign.</extracomment>
        <translation>plus de %1</translation>
    </message>
    <message>
        <source>&lt; %1</source>
        <extracomment>A chance below 0.1% that is not impossible; spoken, like &quot;&gt; %1&quot;.</extracomment>
        <translation>moins de %1</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Réussite</translation>
    </message>
    <message numerus="yes">
        <source>Success, %1 extra success(es)</source>
        <translation>
            <numerusform>Réussite, %1 réussite supplémentaire</numerusform>
            <numerusform>Réussite, %1 réussites supplémentaires</numerusform>
        </translation>
    </message>
    <message>
        <source>failure</source>
        <extracomment>A test&apos;s verdict inside a roll log line, after the total: &quot;9, failure&quot;.</extracomment>
        <translation>échec</translation>
    </message>
    <message>
        <source>success</source>
        <extracomment>A test&apos;s verdict inside a roll log line, after the total: &quot;15, success&quot;.</extracomment>
        <translation>réussite</translation>
    </message>
    <message>
        <source>success, %1 extra</source>
        <extracomment>A success with extra successes in a roll log line: &quot;20, success, 2 extra&quot;. %1 is their number.</extracomment>
        <translation>réussite, +%1</translation>
    </message>
    <message>
        <source>Chance of success: %1</source>
        <translation>Chances de réussite&#x202f;: %1</translation>
    </message>
    <message>
        <source>%1 (without the bonus: %2)</source>
        <translation>%1 (sans le bonus&#x202f;: %2)</translation>
    </message>
    <message>
        <source>%1 (with step %2 as bonus: %3)</source>
        <translation>%1 (avec l’échelon %2 en bonus&#x202f;: %3)</translation>
    </message>
</context>
<context>
    <name>DiceWords</name>
    <message>
        <source>D</source>
        <comment>die letter</comment>
        <extracomment>The letter that names a die before its number of faces, as in 2D6 and D20 (German: W).</extracomment>
        <translation>D</translation>
    </message>
    <message>
        <source>d</source>
        <comment>die letter, small</comment>
        <extracomment>The die letter where step 1&apos;s dice write it small in English: &quot;d4-2&quot;. A language whose dice are always written with a capital gives its capital letter here.</extracomment>
        <translation>D</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A die and the faces it showed, in the roll log: &quot;D6: 6 + 4 = 10&quot;. %1 is the die, %2 its faces with their sum.</extracomment>
        <translation>%1&#x202f;: %2</translation>
    </message>
    <message>
        <source>STEP %1</source>
        <extracomment>A step option&apos;s caption, in capitals as the window draws it: &quot;STEP 8&quot;.</extracomment>
        <translation>ÉCHELON %1</translation>
    </message>
    <message>
        <source>Rule of One</source>
        <extracomment>The total shown when every die of a step came up 1: the game&apos;s name for that roll.</extracomment>
        <translation>Règle du un</translation>
    </message>
</context>
<context>
    <name>FairnessWords</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message numerus="yes">
        <source>judged once %1 total(s) are in (%2 so far)</source>
        <translation>
            <numerusform>évalué à partir de %1 total (%2 pour l’instant)</numerusform>
            <numerusform>évalué à partir de %1 totaux (%2 pour l’instant)</numerusform>
        </translation>
    </message>
    <message>
        <source>lower than fair dice give 99 times in 100 (%1)</source>
        <translation>plus bas que ce que des dés équilibrés donnent 99 fois sur 100 (%1)</translation>
    </message>
    <message>
        <source>within the range fair dice give 99 times in 100 (%1)</source>
        <translation>dans l’intervalle que des dés équilibrés donnent 99 fois sur 100 (%1)</translation>
    </message>
    <message>
        <source>higher than fair dice give 99 times in 100 (%1)</source>
        <translation>plus haut que ce que des dés équilibrés donnent 99 fois sur 100 (%1)</translation>
    </message>
    <message numerus="yes">
        <source>Step %1: %2 roll(s)</source>
        <translation>
            <numerusform>Échelon %1&#x202f;: %2 lancer</numerusform>
            <numerusform>Échelon %1&#x202f;: %2 lancers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Step %1 + step %2: %3 roll(s)</source>
        <translation>
            <numerusform>Échelon %1 + échelon %2&#x202f;: %3 lancer</numerusform>
            <numerusform>Échelon %1 + échelon %2&#x202f;: %3 lancers</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2, exact %3: %4</source>
        <extracomment>%1 is &quot;Average total&quot; (or its Rule of One form), %2 the average of the rolls so far, %3 the average fair dice give, %4 the verdict on the dice: &quot;Average total 8.75, exact 8.58: within the range fair dice give 99 times in 100 (6.10 to 11.06)&quot;.</extracomment>
        <translation>%1&#x202f;: %2 (théorique&#x202f;: %3), %4</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>What stands for the average where every roll so far was a Rule of One, so no total came yet.</extracomment>
        <translation>pas encore</translation>
    </message>
    <message>
        <source>Rule of One: %1, expected %2</source>
        <translation>Règle du un&#x202f;: %1 (attendu&#x202f;: %2)</translation>
    </message>
</context>
<context>
    <name>OddsWords</name>
    <message>
        <source>Average total</source>
        <translation>Total moyen</translation>
    </message>
    <message>
        <source>Average total (Rule of One aside)</source>
        <translation>Total moyen (hors règle du un)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#x202f;: %2</translation>
    </message>
    <message>
        <source>Rule of One: none</source>
        <translation>Règle du un&#x202f;: jamais</translation>
    </message>
    <message>
        <source>Rule of One: 1 in %1</source>
        <translation>Règle du un&#x202f;: 1 sur %1</translation>
    </message>
    <message>
        <source>Explosion: never</source>
        <translation>Explosion&#x202f;: jamais</translation>
    </message>
    <message>
        <source>Explosion: %1% of rolls</source>
        <translation>Explosion&#x202f;: %1&#x202f;% des lancers</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>How a screen reader hears a step&apos;s odds, one line after the other (&quot;Average total: 5.50; Rule of One: 1 in 36&quot;). Never a full stop: after a number it reads as an ordinal.</extracomment>
        <translation>%1&#x202f;; %2</translation>
    </message>
</context>
<context>
    <name>dicewright::Application</name>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division par zéro</translation>
    </message>
    <message>
        <source>Floating-point overflow</source>
        <translation>Dépassement de capacité en virgule flottante</translation>
    </message>
    <message>
        <source>Invalid floating-point operation</source>
        <translation>Opération en virgule flottante invalide</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>A value out of range</source>
        <translation>Une valeur hors limites</translation>
    </message>
</context>
<context>
    <name>dicewright::DifficultyControls</name>
    <message>
        <source>DIFFICULTY</source>
        <extracomment>The caption of the field for what the total must reach, in capitals; a short word fits.</extracomment>
        <translation>DIFFICULTÉ</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Difficulté</translation>
    </message>
    <message>
        <source>What the total must reach, 1 to 99; empty or 0 for none</source>
        <translation>Ce que le total doit atteindre, de 1 à 99&#x202f;; vide ou 0&#x202f;: sans difficulté</translation>
    </message>
    <message>
        <source>BONUS STEP</source>
        <extracomment>The caption of the field for a second step thrown with the chosen one, in capitals; the box is narrow, so a short word is better than a shrunken one.</extracomment>
        <translation>ÉCHELON BONUS</translation>
    </message>
    <message>
        <source>Bonus step</source>
        <translation>Échelon bonus</translation>
    </message>
    <message>
        <source>A step whose dice are thrown with the chosen step&apos;s, 1 to 40; empty or 0 for none</source>
        <translation>Un échelon dont les dés sont lancés avec ceux de l’échelon choisi, de 1 à 40&#x202f;; vide ou 0&#x202f;: sans échelon bonus</translation>
    </message>
    <message>
        <source>Set a step and a difficulty for the chance of success</source>
        <translation>Choisissez un échelon et une difficulté pour voir les chances de réussite</translation>
    </message>
</context>
<context>
    <name>dicewright::MainWindow</name>
    <message>
        <source>STEP DICE</source>
        <extracomment>The caption before the chosen step&apos;s dice (&quot;2D6&quot;), in capitals; its box is narrow, so the language&apos;s short word for the dice is best.</extracomment>
        <translation>DÉS</translation>
    </message>
    <message>
        <source>Dice of the chosen step</source>
        <translation>Dés de l’échelon choisi</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <extracomment>The caption before the total of the last roll, in capitals.</extracomment>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>ROLL</source>
        <extracomment>The button that throws the dice, in capitals; the button is small (about 8 capitals of this size), so a short word keeps it legible.</extracomment>
        <translation>JETER</translation>
    </message>
    <message>
        <source>Roll the dice of the chosen step</source>
        <translation>Lancer les dés de l’échelon choisi</translation>
    </message>
    <message>
        <source>EXIT</source>
        <extracomment>The button that ends the program, in capitals; as small as the one beside it.</extracomment>
        <translation>SORTIR</translation>
    </message>
    <message>
        <source>End the program</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>Steps</source>
        <extracomment>What a screen reader calls the 40 step options as one group.</extracomment>
        <translation>Échelons</translation>
    </message>
    <message>
        <source>Test against a difficulty</source>
        <translation>Test contre une difficulté</translation>
    </message>
    <message>
        <source>Roll log</source>
        <translation>Journal des lancers</translation>
    </message>
    <message>
        <source>Copy last roll</source>
        <translation>Copier le dernier lancer</translation>
    </message>
</context>
<context>
    <name>dicewright::RollLogModel</name>
    <message>
        <source>Step %1</source>
        <translation>Échelon %1</translation>
    </message>
    <message>
        <source>%1 + step %2</source>
        <translation>%1 + échelon %2</translation>
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
        <translation>%1 contre %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The total and the test&apos;s verdict in a roll log line: &quot;15, success&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1: %2 — %3</source>
        <extracomment>A whole roll log line: %1 the steps and dice, %2 the total, %3 each die&apos;s faces.</extracomment>
        <translation>%1&#x202f;: %2 — %3</translation>
    </message>
    <message>
        <source>Dicewright roll log, %1</source>
        <translation>Journal des lancers de Dicewright, %1</translation>
    </message>
    <message numerus="yes">
        <source>(%1 earlier roll(s) no longer kept)</source>
        <translation>
            <numerusform>(%1 lancer antérieur n’est plus conservé)</numerusform>
            <numerusform>(%1 lancers antérieurs ne sont plus conservés)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dicewright::RollLogWindow</name>
    <message>
        <source>Roll log</source>
        <translation>Journal des lancers</translation>
    </message>
    <message>
        <source>Rolls, newest first</source>
        <translation>Lancers, du plus récent au plus ancien</translation>
    </message>
    <message>
        <source>What the dice have done so far</source>
        <translation>Ce que les dés ont donné jusqu’ici</translation>
    </message>
    <message>
        <source>Each step is judged again after every roll. Over many rolls, fair dice now and then land outside a range they keep to 99 times in 100, so one “lower” or “higher” alone proves nothing.</source>
        <translation>Chaque échelon est jugé de nouveau après chaque lancer. Sur de nombreux lancers, des dés équilibrés sortent de temps en temps d’un intervalle qu’ils respectent 99 fois sur 100&#x202f;; un seul «&#xa0;plus bas&#xa0;» ou «&#xa0;plus haut&#xa0;» ne prouve donc rien.</translation>
    </message>
    <message>
        <source>Copy all</source>
        <translation>Tout copier</translation>
    </message>
    <message numerus="yes">
        <source>%1 earlier roll(s) are no longer kept: the log holds the last %2.</source>
        <translation>
            <numerusform>%1 lancer antérieur n’est plus conservé&#x202f;: le journal garde les %2 derniers.</numerusform>
            <numerusform>%1 lancers antérieurs ne sont plus conservés&#x202f;: le journal garde les %2 derniers.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dicewright::SplashWindow</name>
    <message>
        <source>Dicewright logo</source>
        <translation>Logo de Dicewright</translation>
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
        <translation>Société</translation>
    </message>
    <message>
        <source>TIME TO ROLL THE DICE</source>
        <translation>À VOS DÉS&#x202f;!</translation>
    </message>
</context>
<context>
    <name>dicewright::TotalDisplay</name>
    <message>
        <source>Total of the last roll</source>
        <translation>Total du dernier lancer</translation>
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
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>package</name>
    <message>
        <source>Dice Roller</source>
        <extracomment>The desktop entry&apos;s generic name: what kind of program this is, in a menu.</extracomment>
        <translation>Lanceur de dés</translation>
    </message>
    <message>
        <source>dice;roll;step;tabletop;role-playing;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>dés;lancer;échelon;test;jeu de rôle;jeu sur table;</translation>
    </message>
    <message>
        <source>Dicewright rolls the exploding dice of a tabletop role-playing game whose tests are numbered steps. Pick one of 40 steps, from a four-sided die less two up to two twenty-sided dice with four more, press ROLL and read the total.</source>
        <extracomment>The first paragraph of the program&apos;s description in software centres.</extracomment>
        <translation>Dicewright lance les dés explosifs d’un jeu de rôle sur table dont les tests se comptent en échelons. Choisissez l’un des 40 échelons, d’un dé à quatre faces moins deux jusqu’à deux dés à vingt faces et quatre autres dés, appuyez sur JETER et lisez le total.</translation>
    </message>
    <message>
        <source>A die that shows its highest face is thrown again and added on, and when every die of a step shows a one, the roll is a Rule of One.</source>
        <extracomment>The second paragraph of the program&apos;s description in software centres.</extracomment>
        <translation>Un dé qui montre sa plus haute face est relancé et ajouté, et quand tous les dés d’un échelon montrent un, c’est la règle du un.</translation>
    </message>
    <message>
        <source>%1 %2, newer than this installer&apos;s %3, is installed in %4.</source>
        <extracomment>The installer, where a newer version is installed. %1 is the product&apos;s name, %2 the installed version, %3 this installer&apos;s version, %4 the folder.</extracomment>
        <translation>%1 %2, plus récent que la version %3 de ce programme d’installation, est installé dans %4.</translation>
    </message>
    <message>
        <source>Replace it with %1?</source>
        <extracomment>The installer&apos;s question after the note that a newer version is installed. %1 is this installer&apos;s version.</extracomment>
        <translation>Le remplacer par la version %1&#x202f;?</translation>
    </message>
    <message>
        <source>%1 already holds files of another program (such as %2), which %3 would replace. Please choose another folder.</source>
        <extracomment>The installer, where the chosen folder holds another program. %1 is the folder, %2 one of its files, %3 the product&apos;s name.</extracomment>
        <translation>%1 contient déjà des fichiers d’un autre programme (comme %2), que %3 remplacerait. Veuillez choisir un autre dossier.</translation>
    </message>
    <message>
        <source>The earlier %1 in %2 could not be removed.</source>
        <extracomment>The installer, where an earlier version could not be removed. %1 is the product&apos;s name, %2 its folder.</extracomment>
        <translation>L’ancien %1 dans %2 n’a pas pu être supprimé.</translation>
    </message>
</context>
<context>
    <name>page</name>
    <message>
        <source>Loading…</source>
        <translation>Chargement…</translation>
    </message>
    <message>
        <source>Start %1 again</source>
        <extracomment>%1 is the product&apos;s name, Dicewright.</extracomment>
        <translation>Relancer %1</translation>
    </message>
    <message>
        <source>%1 has ended.</source>
        <extracomment>%1 is the product&apos;s name.</extracomment>
        <translation>%1 s’est fermé.</translation>
    </message>
    <message>
        <source>%1 has stopped: %2.</source>
        <extracomment>%1 is the product&apos;s name, %2 what stopped it.</extracomment>
        <translation>%1 s’est arrêté&#x202f;: %2.</translation>
    </message>
    <message>
        <source>%1 cannot start here: %2</source>
        <extracomment>%1 is the product&apos;s name, %2 what the browser said.</extracomment>
        <translation>%1 ne peut pas démarrer ici&#x202f;: %2</translation>
    </message>
    <message>
        <source>%1 could not be kept for use offline here: it will need the network to start next time.</source>
        <extracomment>%1 is the product&apos;s name.</extracomment>
        <translation>%1 n’a pas pu être enregistré pour une utilisation hors ligne&#x202f;: une connexion sera nécessaire au prochain démarrage.</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The button that puts the note about offline use away.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Step dice roller for tabletop role-playing games</source>
        <extracomment>What the page and the installed app say the program is.</extracomment>
        <translation>Lanceur de dés à échelons pour jeux de rôle sur table</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The button that closes the roll log.</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 needs JavaScript.</source>
        <extracomment>Shown where the browser runs no scripts. %1 is the product&apos;s name.</extracomment>
        <translation>%1 a besoin de JavaScript.</translation>
    </message>
    <message>
        <source>The highest difficulty is %1.</source>
        <extracomment>Said where the difficulty field cannot take the number typed. %1 is its highest value, 99.</extracomment>
        <translation>La difficulté est au plus %1.</translation>
    </message>
    <message>
        <source>The highest bonus step is %1.</source>
        <extracomment>Said where the bonus step field cannot take the number typed. %1 is its highest value, 40.</extracomment>
        <translation>L’échelon bonus est au plus %1.</translation>
    </message>
    <message>
        <source>A number here never starts with 0; an empty field means none.</source>
        <extracomment>Said where a number field was given a number that starts with 0, or 0 alone.</extracomment>
        <translation>Ici, un nombre ne commence jamais par 0&#x202f;; un champ vide veut dire sans valeur.</translation>
    </message>
    <message>
        <source>Only digits go in this field.</source>
        <extracomment>Said where a number field was given something other than digits.</extracomment>
        <translation>Ce champ ne prend que des chiffres.</translation>
    </message>
    <message>
        <source>Share last roll</source>
        <extracomment>The menu item that gives the last roll&apos;s line to the phone&apos;s own share sheet.</extracomment>
        <translation>Partager le dernier lancer</translation>
    </message>
</context>
</TS>
