<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en_US">
    <context>
        <name>ChanceWords</name>
        <message>
            <source>%1%</source>
            <extracomment>A percentage: %1 is the number. The space before the sign, if any, is the one the language's own number forms use (CLDR).</extracomment>
            <translation>[%1% ··]</translation>
        </message>
        <message>
            <source>&gt; %1</source>
            <extracomment>A chance above 99.9% that does not reach certainty; it is spoken, so a word reads better than a sign.</extracomment>
            <translation>[&gt; %1 ··]</translation>
        </message>
        <message>
            <source>&lt; %1</source>
            <extracomment>A chance below 0.1% that is not impossible; spoken, like "&gt; %1".</extracomment>
            <translation>[&lt; %1 ··]</translation>
        </message>
        <message>
            <source>Failure</source>
            <translation>[Fåîļüŕé ···]</translation>
        </message>
        <message>
            <source>Success</source>
            <translation>[Šüççéšš ···]</translation>
        </message>
        <message numerus="yes">
            <source>Success, %1 extra success(es)</source>
            <translation>
                <numerusform>[Šüççéšš, %1 éxŧŕå šüççéšš ··········]</numerusform>
                <numerusform>[Šüççéšš, %1 éxŧŕå šüççéššéš ···········]</numerusform>
            </translation>
        </message>
        <message>
            <source>failure</source>
            <extracomment>A test's verdict inside a roll log line, after the total: "9, failure".</extracomment>
            <translation>[fåîļüŕé ···]</translation>
        </message>
        <message>
            <source>success</source>
            <extracomment>A test's verdict inside a roll log line, after the total: "15, success".</extracomment>
            <translation>[šüççéšš ···]</translation>
        </message>
        <message>
            <source>success, %1 extra</source>
            <extracomment>A success with extra successes in a roll log line: "20, success, 2 extra". %1 is their number.</extracomment>
            <translation>[šüççéšš, %1 éxŧŕå ·······]</translation>
        </message>
        <message>
            <source>Chance of success: %1</source>
            <translation>[Çĥåñçé öf šüççéšš: %1 ·········]</translation>
        </message>
        <message>
            <source>%1 (without the bonus: %2)</source>
            <translation>[%1 (ŵîŧĥöüŧ ŧĥé böñüš: %2) ···········]</translation>
        </message>
        <message>
            <source>%1 (with step %2 as bonus: %3)</source>
            <translation>[%1 (ŵîŧĥ šŧép %2 åš böñüš: %3) ············]</translation>
        </message>
    </context>
    <context>
        <name>DiceWords</name>
        <message>
            <source>D</source>
            <comment>die letter</comment>
            <extracomment>The letter that names a die before its number of faces, as in 2D6 and D20 (German: W).</extracomment>
            <translation>Ď</translation>
        </message>
        <message>
            <source>d</source>
            <comment>die letter, small</comment>
            <extracomment>The die letter where step 1's dice write it small in English: "d4-2". A language whose dice are always written with a capital gives its capital letter here.</extracomment>
            <translation>[ď ·]</translation>
        </message>
        <message>
            <source>%1: %2</source>
            <extracomment>A die and the faces it showed, in the roll log: "D6: 6 + 4 = 10". %1 is the die, %2 its faces with their sum.</extracomment>
            <translation>[%1: %2 ···]</translation>
        </message>
        <message>
            <source>STEP %1</source>
            <extracomment>A step option's caption, in capitals as the window draws it: "STEP 8".</extracomment>
            <translation>[ŠŦÉP %1 ···]</translation>
        </message>
        <message>
            <source>Rule of One</source>
            <extracomment>The total shown when every die of a step came up 1: the game's name for that roll.</extracomment>
            <translation>[Ŕüļé öf Öñé ·····]</translation>
        </message>
    </context>
    <context>
        <name>FairnessWords</name>
        <message>
            <source>%1 to %2</source>
            <translation>[%1 ŧö %2 ····]</translation>
        </message>
        <message numerus="yes">
            <source>judged once %1 total(s) are in (%2 so far)</source>
            <translation>
                <numerusform>[ĵüďĝéď öñçé %1 ŧöŧåļ îš îñ (%2 šö fåŕ) ················]</numerusform>
                <numerusform>[ĵüďĝéď öñçé %1 ŧöŧåļš åŕé îñ (%2 šö fåŕ) ················]</numerusform>
            </translation>
        </message>
        <message>
            <source>lower than fair dice give 99 times in 100 (%1)</source>
            <translation>[ļöŵéŕ ŧĥåñ fåîŕ ďîçé ĝîvé 99 ŧîméš îñ 100 (%1) ···················]</translation>
        </message>
        <message>
            <source>within the range fair dice give 99 times in 100 (%1)</source>
            <translation>[ŵîŧĥîñ ŧĥé ŕåñĝé fåîŕ ďîçé ĝîvé 99 ŧîméš îñ 100 (%1) ·····················]</translation>
        </message>
        <message>
            <source>higher than fair dice give 99 times in 100 (%1)</source>
            <translation>[ĥîĝĥéŕ ŧĥåñ fåîŕ ďîçé ĝîvé 99 ŧîméš îñ 100 (%1) ···················]</translation>
        </message>
        <message numerus="yes">
            <source>Step %1: %2 roll(s)</source>
            <translation>
                <numerusform>[Šŧép %1: %2 ŕöļļ ·······]</numerusform>
                <numerusform>[Šŧép %1: %2 ŕöļļš ·······]</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Step %1 + step %2: %3 roll(s)</source>
            <translation>
                <numerusform>[Šŧép %1 + šŧép %2: %3 ŕöļļ ···········]</numerusform>
                <numerusform>[Šŧép %1 + šŧép %2: %3 ŕöļļš ···········]</numerusform>
            </translation>
        </message>
        <message>
            <source>%1 %2, exact %3: %4</source>
            <extracomment>%1 is "Average total" (or its Rule of One form), %2 the average of the rolls so far, %3 the average fair dice give, %4 the verdict on the dice: "Average total 8.75, exact 8.58: within the range fair dice give 99 times in 100 (6.10 to 11.06)".</extracomment>
            <translation>[%1 %2, éxåçŧ %3: %4 ········]</translation>
        </message>
        <message>
            <source>none</source>
            <extracomment>What stands for the average where every roll so far was a Rule of One, so no total came yet.</extracomment>
            <translation>[ñöñé ··]</translation>
        </message>
        <message>
            <source>Rule of One: %1, expected %2</source>
            <translation>[Ŕüļé öf Öñé: %1, éxpéçŧéď %2 ············]</translation>
        </message>
    </context>
    <context>
        <name>OddsWords</name>
        <message>
            <source>Average total</source>
            <translation>[Ävéŕåĝé ŧöŧåļ ······]</translation>
        </message>
        <message>
            <source>Average total (Rule of One aside)</source>
            <translation>[Ävéŕåĝé ŧöŧåļ (Ŕüļé öf Öñé åšîďé) ··············]</translation>
        </message>
        <message>
            <source>%1: %2</source>
            <translation>[%1: %2 ···]</translation>
        </message>
        <message>
            <source>Rule of One: none</source>
            <translation>[Ŕüļé öf Öñé: ñöñé ·······]</translation>
        </message>
        <message>
            <source>Rule of One: 1 in %1</source>
            <translation>[Ŕüļé öf Öñé: 1 îñ %1 ········]</translation>
        </message>
        <message>
            <source>Explosion: never</source>
            <translation>[Éxpļöšîöñ: ñévéŕ ·······]</translation>
        </message>
        <message>
            <source>Explosion: %1% of rolls</source>
            <translation>[Éxpļöšîöñ: %1% öf ŕöļļš ··········]</translation>
        </message>
        <message>
            <source>%1; %2</source>
            <extracomment>How a screen reader hears a step's odds, one line after the other ("Average total: 5.50; Rule of One: 1 in 36"). Never a full stop: after a number it reads as an ordinal.</extracomment>
            <translation>[%1; %2 ···]</translation>
        </message>
    </context>
    <context>
        <name>dicewright::Application</name>
        <message>
            <source>Overflow</source>
            <translation>[Övéŕfļöŵ ····]</translation>
        </message>
        <message>
            <source>Division by zero</source>
            <translation>[Ďîvîšîöñ bý žéŕö ·······]</translation>
        </message>
        <message>
            <source>Floating-point overflow</source>
            <translation>[Fļöåŧîñĝ-pöîñŧ övéŕfļöŵ ··········]</translation>
        </message>
        <message>
            <source>Invalid floating-point operation</source>
            <translation>[Îñvåļîď fļöåŧîñĝ-pöîñŧ öpéŕåŧîöñ ·············]</translation>
        </message>
        <message>
            <source>Unknown error</source>
            <translation>[Üñķñöŵñ éŕŕöŕ ······]</translation>
        </message>
        <message>
            <source>Out of memory</source>
            <translation>[Öüŧ öf mémöŕý ······]</translation>
        </message>
        <message>
            <source>A value out of range</source>
            <translation>[Ä våļüé öüŧ öf ŕåñĝé ········]</translation>
        </message>
    </context>
    <context>
        <name>dicewright::DifficultyControls</name>
        <message>
            <source>DIFFICULTY</source>
            <extracomment>The caption of the field for what the total must reach, in capitals; a short word fits.</extracomment>
            <translation>[ĎÎFFÎÇÜĻŦÝ ····]</translation>
        </message>
        <message>
            <source>Difficulty</source>
            <translation>[Ďîffîçüļŧý ····]</translation>
        </message>
        <message>
            <source>What the total must reach, 1 to 99; empty or 0 for none</source>
            <translation>[Ŵĥåŧ ŧĥé ŧöŧåļ müšŧ ŕéåçĥ, 1 ŧö 99; émpŧý öŕ 0 föŕ ñöñé ······················]</translation>
        </message>
        <message>
            <source>BONUS STEP</source>
            <extracomment>The caption of the field for a second step thrown with the chosen one, in capitals; the box is narrow, so a short word is better than a shrunken one.</extracomment>
            <translation>[BÖÑÜŠ ŠŦÉP ····]</translation>
        </message>
        <message>
            <source>Bonus step</source>
            <translation>[Böñüš šŧép ····]</translation>
        </message>
        <message>
            <source>A step whose dice are thrown with the chosen step's, 1 to 40; empty or 0 for none</source>
            <translation>[Ä šŧép ŵĥöšé ďîçé åŕé ŧĥŕöŵñ ŵîŧĥ ŧĥé çĥöšéñ šŧép'š, 1 ŧö 40; émpŧý öŕ 0 föŕ ñöñé ·································]</translation>
        </message>
        <message>
            <source>Set a step and a difficulty for the chance of success</source>
            <translation>[Šéŧ å šŧép åñď å ďîffîçüļŧý föŕ ŧĥé çĥåñçé öf šüççéšš ······················]</translation>
        </message>
    </context>
    <context>
        <name>dicewright::MainWindow</name>
        <message>
            <source>STEP DICE</source>
            <extracomment>The caption before the chosen step's dice ("2D6"), in capitals; its box is narrow, so the language's short word for the dice is best.</extracomment>
            <translation>[ŠŦÉP ĎÎÇÉ ····]</translation>
        </message>
        <message>
            <source>Dice of the chosen step</source>
            <translation>[Ďîçé öf ŧĥé çĥöšéñ šŧép ··········]</translation>
        </message>
        <message>
            <source>TOTAL</source>
            <extracomment>The caption before the total of the last roll, in capitals.</extracomment>
            <translation>[ŦÖŦÄĻ ··]</translation>
        </message>
        <message>
            <source>ROLL</source>
            <extracomment>The button that throws the dice, in capitals; the button is small (about 8 capitals of this size), so a short word keeps it legible.</extracomment>
            <translation>[ŔÖĻĻ ··]</translation>
        </message>
        <message>
            <source>Roll the dice of the chosen step</source>
            <translation>[Ŕöļļ ŧĥé ďîçé öf ŧĥé çĥöšéñ šŧép ·············]</translation>
        </message>
        <message>
            <source>EXIT</source>
            <extracomment>The button that ends the program, in capitals; as small as the one beside it.</extracomment>
            <translation>[ÉXÎŦ ··]</translation>
        </message>
        <message>
            <source>End the program</source>
            <translation>[Éñď ŧĥé pŕöĝŕåm ······]</translation>
        </message>
        <message>
            <source>Steps</source>
            <extracomment>What a screen reader calls the 40 step options as one group.</extracomment>
            <translation>[Šŧépš ··]</translation>
        </message>
        <message>
            <source>Test against a difficulty</source>
            <translation>[Ŧéšŧ åĝåîñšŧ å ďîffîçüļŧý ··········]</translation>
        </message>
        <message>
            <source>Roll log</source>
            <translation>[Ŕöļļ ļöĝ ····]</translation>
        </message>
        <message>
            <source>Copy last roll</source>
            <translation>[Çöpý ļåšŧ ŕöļļ ······]</translation>
        </message>
    </context>
    <context>
        <name>dicewright::RollLogModel</name>
        <message>
            <source>Step %1</source>
            <translation>[Šŧép %1 ···]</translation>
        </message>
        <message>
            <source>%1 + step %2</source>
            <translation>[%1 + šŧép %2 ·····]</translation>
        </message>
        <message>
            <source>%1 + %2</source>
            <translation>[%1 + %2 ···]</translation>
        </message>
        <message>
            <source>%1 (%2)</source>
            <extracomment>A roll log line's steps and their dice: "Step 8 (2D6)".</extracomment>
            <translation>[%1 (%2) ···]</translation>
        </message>
        <message>
            <source>%1 against %2</source>
            <extracomment>A test in a roll log line: %1 the steps and dice, %2 the difficulty.</extracomment>
            <translation>[%1 åĝåîñšŧ %2 ······]</translation>
        </message>
        <message>
            <source>%1, %2</source>
            <extracomment>The total and the test's verdict in a roll log line: "15, success".</extracomment>
            <translation>[%1, %2 ···]</translation>
        </message>
        <message>
            <source>%1: %2 — %3</source>
            <extracomment>A whole roll log line: %1 the steps and dice, %2 the total, %3 each die's faces.</extracomment>
            <translation>[%1: %2 — %3 ·····]</translation>
        </message>
        <message>
            <source>Dicewright roll log, %1</source>
            <translation>[Ďîçéŵŕîĝĥŧ ŕöļļ ļöĝ, %1 ··········]</translation>
        </message>
        <message numerus="yes">
            <source>(%1 earlier roll(s) no longer kept)</source>
            <translation>
                <numerusform>[(%1 éåŕļîéŕ ŕöļļ ñö ļöñĝéŕ ķépŧ) ·············]</numerusform>
                <numerusform>[(%1 éåŕļîéŕ ŕöļļš ñö ļöñĝéŕ ķépŧ) ··············]</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>dicewright::RollLogWindow</name>
        <message>
            <source>Roll log</source>
            <translation>[Ŕöļļ ļöĝ ····]</translation>
        </message>
        <message>
            <source>Rolls, newest first</source>
            <translation>[Ŕöļļš, ñéŵéšŧ fîŕšŧ ········]</translation>
        </message>
        <message>
            <source>What the dice have done so far</source>
            <translation>[Ŵĥåŧ ŧĥé ďîçé ĥåvé ďöñé šö fåŕ ············]</translation>
        </message>
        <message>
            <source>Each step is judged again after every roll. Over many rolls, fair dice now and then land outside a range they keep to 99 times in 100, so one “lower” or “higher” alone proves nothing.</source>
            <translation>[Éåçĥ šŧép îš ĵüďĝéď åĝåîñ åfŧéŕ évéŕý ŕöļļ. Övéŕ måñý ŕöļļš, fåîŕ ďîçé ñöŵ åñď ŧĥéñ ļåñď öüŧšîďé å ŕåñĝé ŧĥéý ķéép ŧö 99 ŧîméš îñ 100, šö öñé “ļöŵéŕ” öŕ “ĥîĝĥéŕ” åļöñé pŕövéš ñöŧĥîñĝ. ··········································································]</translation>
        </message>
        <message>
            <source>Copy all</source>
            <translation>[Çöpý åļļ ····]</translation>
        </message>
        <message numerus="yes">
            <source>%1 earlier roll(s) are no longer kept: the log holds the last %2.</source>
            <translation>
                <numerusform>[%1 éåŕļîéŕ ŕöļļ îš ñö ļöñĝéŕ ķépŧ: ŧĥé ļöĝ ĥöļďš ŧĥé ļåšŧ %2. ·························]</numerusform>
                <numerusform>[%1 éåŕļîéŕ ŕöļļš åŕé ñö ļöñĝéŕ ķépŧ: ŧĥé ļöĝ ĥöļďš ŧĥé ļåšŧ %2. ··························]</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>dicewright::SplashWindow</name>
        <message>
            <source>Dicewright logo</source>
            <translation>[Ďîçéŵŕîĝĥŧ ļöĝö ······]</translation>
        </message>
        <message>
            <source>Windows 95/98</source>
            <extracomment>The name of the platform the program was first made for, as it stands.</extracomment>
            <translation>[Ŵîñďöŵš 95/98 ······]</translation>
        </message>
        <message>
            <source>Version %1</source>
            <translation>[Véŕšîöñ %1 ····]</translation>
        </message>
        <message>
            <source>Copyright</source>
            <extracomment>A placeholder the window shows as it stands, where a copyright line would go.</extracomment>
            <translation>[Çöpýŕîĝĥŧ ····]</translation>
        </message>
        <message>
            <source>Company</source>
            <extracomment>A placeholder the window shows as it stands, where the maker's name would go.</extracomment>
            <translation>[Çömpåñý ···]</translation>
        </message>
        <message>
            <source>TIME TO ROLL THE DICE</source>
            <translation>[ŦÎMÉ ŦÖ ŔÖĻĻ ŦĤÉ ĎÎÇÉ ·········]</translation>
        </message>
    </context>
    <context>
        <name>dicewright::TotalDisplay</name>
        <message>
            <source>Total of the last roll</source>
            <translation>[Ŧöŧåļ öf ŧĥé ļåšŧ ŕöļļ ·········]</translation>
        </message>
        <message>
            <source>%1. %2</source>
            <extracomment>What a screen reader says of the total display: what it is, then the dice behind the total ("Total of the last roll. D6: 5 · D6: 3").</extracomment>
            <translation>[%1. %2 ···]</translation>
        </message>
        <message>
            <source>%1. %2</source>
            <comment>a total and its verdict</comment>
            <extracomment>What a screen reader says after a roll: the total, then the test's verdict ("17. Success"). It must not read as an ordinal ("17th success").</extracomment>
            <translation>[%1. %2 ···]</translation>
        </message>
    </context>
    <context>
        <name>package</name>
        <message>
            <source>Dice Roller</source>
            <extracomment>The desktop entry's generic name: what kind of program this is, in a menu.</extracomment>
            <translation>[Ďîçé Ŕöļļéŕ ·····]</translation>
        </message>
        <message>
            <source>dice;roll;step;tabletop;role-playing;</source>
            <extracomment>Words a desktop's search finds the program by, each followed by a semicolon.</extracomment>
            <translation>[ďîçé;ŕöļļ;šŧép;ŧåbļéŧöp;ŕöļé-pļåýîñĝ; ···············]</translation>
        </message>
        <message>
            <source>Dicewright rolls the exploding dice of a tabletop role-playing game whose tests are numbered steps. Pick one of 40 steps, from a four-sided die less two up to two twenty-sided dice with four more, press ROLL and read the total.</source>
            <extracomment>The first paragraph of the program's description in software centres.</extracomment>
            <translation>[Ďîçéŵŕîĝĥŧ ŕöļļš ŧĥé éxpļöďîñĝ ďîçé öf å ŧåbļéŧöp ŕöļé-pļåýîñĝ ĝåmé ŵĥöšé ŧéšŧš åŕé ñümbéŕéď šŧépš. Pîçķ öñé öf 40 šŧépš, fŕöm å föüŕ-šîďéď ďîé ļéšš ŧŵö üp ŧö ŧŵö ŧŵéñŧý-šîďéď ďîçé ŵîŧĥ föüŕ möŕé, pŕéšš ŔÖĻĻ åñď ŕéåď ŧĥé ŧöŧåļ. ···························································································]</translation>
        </message>
        <message>
            <source>A die that shows its highest face is thrown again and added on, and when every die of a step shows a one, the roll is a Rule of One.</source>
            <extracomment>The second paragraph of the program's description in software centres.</extracomment>
            <translation>[Ä ďîé ŧĥåŧ šĥöŵš îŧš ĥîĝĥéšŧ fåçé îš ŧĥŕöŵñ åĝåîñ åñď åďďéď öñ, åñď ŵĥéñ évéŕý ďîé öf å šŧép šĥöŵš å öñé, ŧĥé ŕöļļ îš å Ŕüļé öf Öñé. ·····················································]</translation>
        </message>
        <message>
            <source>%1 %2, newer than this installer's %3, is installed in %4.</source>
            <extracomment>The installer, where a newer version is installed. %1 is the product's name, %2 the installed version, %3 this installer's version, %4 the folder.</extracomment>
            <translation>[%1 %2, ñéŵéŕ ŧĥåñ ŧĥîš îñšŧåļļéŕ'š %3, îš îñšŧåļļéď îñ %4. ························]</translation>
        </message>
        <message>
            <source>Replace it with %1?</source>
            <extracomment>The installer's question after the note that a newer version is installed. %1 is this installer's version.</extracomment>
            <translation>[Ŕépļåçé îŧ ŵîŧĥ %1? ········]</translation>
        </message>
        <message>
            <source>%1 already holds files of another program (such as %2), which %3 would replace. Please choose another folder.</source>
            <extracomment>The installer, where the chosen folder holds another program. %1 is the folder, %2 one of its files, %3 the product's name.</extracomment>
            <translation>[%1 åļŕéåďý ĥöļďš fîļéš öf åñöŧĥéŕ pŕöĝŕåm (šüçĥ åš %2), ŵĥîçĥ %3 ŵöüļď ŕépļåçé. Pļéåšé çĥööšé åñöŧĥéŕ föļďéŕ. ············································]</translation>
        </message>
        <message>
            <source>The earlier %1 in %2 could not be removed.</source>
            <extracomment>The installer, where an earlier version could not be removed. %1 is the product's name, %2 its folder.</extracomment>
            <translation>[Ŧĥé éåŕļîéŕ %1 îñ %2 çöüļď ñöŧ bé ŕémövéď. ·················]</translation>
        </message>
    </context>
    <context>
        <name>page</name>
        <message>
            <source>Loading…</source>
            <translation>[Ļöåďîñĝ… ····]</translation>
        </message>
        <message>
            <source>Start %1 again</source>
            <extracomment>%1 is the product's name, Dicewright.</extracomment>
            <translation>[Šŧåŕŧ %1 åĝåîñ ······]</translation>
        </message>
        <message>
            <source>%1 has ended.</source>
            <extracomment>%1 is the product's name.</extracomment>
            <translation>[%1 ĥåš éñďéď. ······]</translation>
        </message>
        <message>
            <source>%1 has stopped: %2.</source>
            <extracomment>%1 is the product's name, %2 what stopped it.</extracomment>
            <translation>[%1 ĥåš šŧöppéď: %2. ········]</translation>
        </message>
        <message>
            <source>%1 cannot start here: %2</source>
            <extracomment>%1 is the product's name, %2 what the browser said.</extracomment>
            <translation>[%1 çåññöŧ šŧåŕŧ ĥéŕé: %2 ··········]</translation>
        </message>
        <message>
            <source>%1 could not be kept for use offline here: it will need the network to start next time.</source>
            <extracomment>%1 is the product's name.</extracomment>
            <translation>[%1 çöüļď ñöŧ bé ķépŧ föŕ üšé öffļîñé ĥéŕé: îŧ ŵîļļ ñééď ŧĥé ñéŧŵöŕķ ŧö šŧåŕŧ ñéxŧ ŧîmé. ···································]</translation>
        </message>
        <message>
            <source>OK</source>
            <extracomment>The button that puts the note about offline use away.</extracomment>
            <translation>[ÖĶ ·]</translation>
        </message>
        <message>
            <source>Step dice roller for tabletop role-playing games</source>
            <extracomment>What the page and the installed app say the program is.</extracomment>
            <translation>[Šŧép ďîçé ŕöļļéŕ föŕ ŧåbļéŧöp ŕöļé-pļåýîñĝ ĝåméš ····················]</translation>
        </message>
        <message>
            <source>Close</source>
            <extracomment>The button that closes the roll log.</extracomment>
            <translation>[Çļöšé ··]</translation>
        </message>
        <message>
            <source>%1 needs JavaScript.</source>
            <extracomment>Shown where the browser runs no scripts. %1 is the product's name.</extracomment>
            <translation>[%1 ñééďš ĴåvåŠçŕîpŧ. ········]</translation>
        </message>
        <message>
            <source>The highest difficulty is %1.</source>
            <extracomment>Said where the difficulty field cannot take the number typed. %1 is its highest value, 99.</extracomment>
            <translation>[Ŧĥé ĥîĝĥéšŧ ďîffîçüļŧý îš %1. ············]</translation>
        </message>
        <message>
            <source>The highest bonus step is %1.</source>
            <extracomment>Said where the bonus step field cannot take the number typed. %1 is its highest value, 40.</extracomment>
            <translation>[Ŧĥé ĥîĝĥéšŧ böñüš šŧép îš %1. ············]</translation>
        </message>
        <message>
            <source>A number here never starts with 0; an empty field means none.</source>
            <extracomment>Said where a number field was given a number that starts with 0, or 0 alone.</extracomment>
            <translation>[Ä ñümbéŕ ĥéŕé ñévéŕ šŧåŕŧš ŵîŧĥ 0; åñ émpŧý fîéļď méåñš ñöñé. ·························]</translation>
        </message>
        <message>
            <source>Only digits go in this field.</source>
            <extracomment>Said where a number field was given something other than digits.</extracomment>
            <translation>[Öñļý ďîĝîŧš ĝö îñ ŧĥîš fîéļď. ············]</translation>
        </message>
        <message>
            <source>Share last roll</source>
            <extracomment>The menu item that gives the last roll's line to the phone's own share sheet.</extracomment>
            <translation>[Šĥåŕé ļåšŧ ŕöļļ ······]</translation>
        </message>
    </context>
</TS>
