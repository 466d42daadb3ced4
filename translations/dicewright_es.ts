<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
        <translation>más de %1</translation>
    </message>
    <message>
        <source>&lt; %1</source>
        <extracomment>A chance below 0.1% that is not impossible; spoken, like &quot;&gt; %1&quot;.</extracomment>
        <translation>menos de %1</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Fallo</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Éxito</translation>
    </message>
    <message numerus="yes">
        <source>Success, %1 extra success(es)</source>
        <translation>
            <numerusform>Éxito, %1 éxito adicional</numerusform>
            <numerusform>Éxito, %1 éxitos adicionales</numerusform>
        </translation>
    </message>
    <message>
        <source>failure</source>
        <extracomment>A test&apos;s verdict inside a roll log line, after the total: &quot;9, failure&quot;.</extracomment>
        <translation>fallo</translation>
    </message>
    <message>
        <source>success</source>
        <extracomment>A test&apos;s verdict inside a roll log line, after the total: &quot;15, success&quot;.</extracomment>
        <translation>éxito</translation>
    </message>
    <message>
        <source>success, %1 extra</source>
        <extracomment>A success with extra successes in a roll log line: &quot;20, success, 2 extra&quot;. %1 is their number.</extracomment>
        <translation>éxito, +%1</translation>
    </message>
    <message>
        <source>Chance of success: %1</source>
        <translation>Probabilidad de éxito: %1</translation>
    </message>
    <message>
        <source>%1 (without the bonus: %2)</source>
        <translation>%1 (sin el extra: %2)</translation>
    </message>
    <message>
        <source>%1 (with step %2 as bonus: %3)</source>
        <translation>%1 (con el nivel %2 como extra: %3)</translation>
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
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>STEP %1</source>
        <extracomment>A step option&apos;s caption, in capitals as the window draws it: &quot;STEP 8&quot;.</extracomment>
        <translation>NIVEL %1</translation>
    </message>
    <message>
        <source>Rule of One</source>
        <extracomment>The total shown when every die of a step came up 1: the game&apos;s name for that roll.</extracomment>
        <translation>Regla del uno</translation>
    </message>
</context>
<context>
    <name>FairnessWords</name>
    <message>
        <source>%1 to %2</source>
        <translation>de %1 a %2</translation>
    </message>
    <message numerus="yes">
        <source>judged once %1 total(s) are in (%2 so far)</source>
        <translation>
            <numerusform>se valora a partir de %1 total (%2 hasta ahora)</numerusform>
            <numerusform>se valora a partir de %1 totales (%2 hasta ahora)</numerusform>
        </translation>
    </message>
    <message>
        <source>lower than fair dice give 99 times in 100 (%1)</source>
        <translation>por debajo de lo que dan unos dados equilibrados 99 de cada 100 veces (%1)</translation>
    </message>
    <message>
        <source>within the range fair dice give 99 times in 100 (%1)</source>
        <translation>dentro del intervalo que dan unos dados equilibrados 99 de cada 100 veces (%1)</translation>
    </message>
    <message>
        <source>higher than fair dice give 99 times in 100 (%1)</source>
        <translation>por encima de lo que dan unos dados equilibrados 99 de cada 100 veces (%1)</translation>
    </message>
    <message numerus="yes">
        <source>Step %1: %2 roll(s)</source>
        <translation>
            <numerusform>Nivel %1: %2 tirada</numerusform>
            <numerusform>Nivel %1: %2 tiradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Step %1 + step %2: %3 roll(s)</source>
        <translation>
            <numerusform>Nivel %1 + nivel %2: %3 tirada</numerusform>
            <numerusform>Nivel %1 + nivel %2: %3 tiradas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2, exact %3: %4</source>
        <extracomment>%1 is &quot;Average total&quot; (or its Rule of One form), %2 the average of the rolls so far, %3 the average fair dice give, %4 the verdict on the dice: &quot;Average total 8.75, exact 8.58: within the range fair dice give 99 times in 100 (6.10 to 11.06)&quot;.</extracomment>
        <translation>%1: %2 (teórico: %3), %4</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>What stands for the average where every roll so far was a Rule of One, so no total came yet.</extracomment>
        <translation>aún ninguno</translation>
    </message>
    <message>
        <source>Rule of One: %1, expected %2</source>
        <translation>Regla del uno: %1 (esperado: %2)</translation>
    </message>
</context>
<context>
    <name>OddsWords</name>
    <message>
        <source>Average total</source>
        <translation>Total medio</translation>
    </message>
    <message>
        <source>Average total (Rule of One aside)</source>
        <translation>Total medio (sin la regla del uno)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Rule of One: none</source>
        <translation>Regla del uno: nunca</translation>
    </message>
    <message>
        <source>Rule of One: 1 in %1</source>
        <translation>Regla del uno: 1 de cada %1</translation>
    </message>
    <message>
        <source>Explosion: never</source>
        <translation>Explosión: nunca</translation>
    </message>
    <message>
        <source>Explosion: %1% of rolls</source>
        <translation>Explosión: %1&#xa0;% de las tiradas</translation>
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
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>División por cero</translation>
    </message>
    <message>
        <source>Floating-point overflow</source>
        <translation>Desbordamiento de coma flotante</translation>
    </message>
    <message>
        <source>Invalid floating-point operation</source>
        <translation>Operación de coma flotante no válida</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>A value out of range</source>
        <translation>Un valor fuera de rango</translation>
    </message>
</context>
<context>
    <name>dicewright::DifficultyControls</name>
    <message>
        <source>Set a step and a difficulty for the chance of success</source>
        <translation>Elija un nivel y una dificultad para ver la probabilidad de éxito</translation>
    </message>
    <message>
        <source>DIFFICULTY</source>
        <extracomment>The caption of the field for what the total must reach, in capitals; a short word fits.</extracomment>
        <translation>DIFICULTAD</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Dificultad</translation>
    </message>
    <message>
        <source>What the total must reach, 1 to 99; empty or 0 for none</source>
        <translation>Lo que debe alcanzar el total, de 1 a 99; vacío o 0: sin dificultad</translation>
    </message>
    <message>
        <source>BONUS STEP</source>
        <extracomment>The caption of the field for a second step thrown with the chosen one, in capitals; the box is narrow, so a short word is better than a shrunken one.</extracomment>
        <translation>NIVEL EXTRA</translation>
    </message>
    <message>
        <source>Bonus step</source>
        <translation>Nivel extra</translation>
    </message>
    <message>
        <source>A step whose dice are thrown with the chosen step&apos;s, 1 to 40; empty or 0 for none</source>
        <translation>Un nivel cuyos dados se tiran junto con los del nivel elegido, de 1 a 40; vacío o 0: sin nivel extra</translation>
    </message>
</context>
<context>
    <name>dicewright::MainWindow</name>
    <message>
        <source>STEP DICE</source>
        <extracomment>The caption before the chosen step&apos;s dice (&quot;2D6&quot;), in capitals; its box is narrow, so the language&apos;s short word for the dice is best.</extracomment>
        <translation>DADOS</translation>
    </message>
    <message>
        <source>Dice of the chosen step</source>
        <translation>Dados del nivel elegido</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <extracomment>The caption before the total of the last roll, in capitals.</extracomment>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>ROLL</source>
        <extracomment>The button that throws the dice, in capitals; the button is small (about 8 capitals of this size), so a short word keeps it legible.</extracomment>
        <translation>TIRAR</translation>
    </message>
    <message>
        <source>Roll the dice of the chosen step</source>
        <translation>Tirar los dados del nivel elegido</translation>
    </message>
    <message>
        <source>EXIT</source>
        <extracomment>The button that ends the program, in capitals; as small as the one beside it.</extracomment>
        <translation>SALIR</translation>
    </message>
    <message>
        <source>End the program</source>
        <translation>Cerrar el programa</translation>
    </message>
    <message>
        <source>Steps</source>
        <extracomment>What a screen reader calls the 40 step options as one group.</extracomment>
        <translation>Niveles</translation>
    </message>
    <message>
        <source>Test against a difficulty</source>
        <translation>Prueba contra una dificultad</translation>
    </message>
    <message>
        <source>Roll log</source>
        <translation>Registro de tiradas</translation>
    </message>
    <message>
        <source>Copy last roll</source>
        <translation>Copiar la última tirada</translation>
    </message>
</context>
<context>
    <name>dicewright::RollLogModel</name>
    <message>
        <source>Step %1</source>
        <translation>Nivel %1</translation>
    </message>
    <message>
        <source>%1 + step %2</source>
        <translation>%1 + nivel %2</translation>
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
        <translation>%1 contra %2</translation>
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
        <translation>Registro de tiradas de Dicewright, %1</translation>
    </message>
    <message numerus="yes">
        <source>(%1 earlier roll(s) no longer kept)</source>
        <translation>
            <numerusform>(%1 tirada anterior ya no se conserva)</numerusform>
            <numerusform>(%1 tiradas anteriores ya no se conservan)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dicewright::RollLogWindow</name>
    <message>
        <source>Roll log</source>
        <translation>Registro de tiradas</translation>
    </message>
    <message>
        <source>Rolls, newest first</source>
        <translation>Tiradas, de la más reciente a la más antigua</translation>
    </message>
    <message>
        <source>What the dice have done so far</source>
        <translation>Lo que han dado los dados hasta ahora</translation>
    </message>
    <message>
        <source>Each step is judged again after every roll. Over many rolls, fair dice now and then land outside a range they keep to 99 times in 100, so one “lower” or “higher” alone proves nothing.</source>
        <translation>Cada nivel se vuelve a valorar tras cada tirada. A lo largo de muchas tiradas, unos dados equilibrados se salen de vez en cuando de un intervalo que respetan 99 de cada 100 veces, así que un solo «por debajo» o «por encima» no demuestra nada.</translation>
    </message>
    <message>
        <source>Copy all</source>
        <translation>Copiar todo</translation>
    </message>
    <message numerus="yes">
        <source>%1 earlier roll(s) are no longer kept: the log holds the last %2.</source>
        <translation>
            <numerusform>%1 tirada anterior ya no se conserva: el registro guarda las últimas %2.</numerusform>
            <numerusform>%1 tiradas anteriores ya no se conservan: el registro guarda las últimas %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dicewright::SplashWindow</name>
    <message>
        <source>Dicewright logo</source>
        <translation>Logotipo de Dicewright</translation>
    </message>
    <message>
        <source>Windows 95/98</source>
        <extracomment>The name of the platform the program was first made for, as it stands.</extracomment>
        <translation>Windows 95/98</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Copyright</source>
        <extracomment>A placeholder the window shows as it stands, where a copyright line would go.</extracomment>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Company</source>
        <extracomment>A placeholder the window shows as it stands, where the maker&apos;s name would go.</extracomment>
        <translation>Empresa</translation>
    </message>
    <message>
        <source>TIME TO ROLL THE DICE</source>
        <translation>¡A TIRAR LOS DADOS!</translation>
    </message>
</context>
<context>
    <name>dicewright::TotalDisplay</name>
    <message>
        <source>Total of the last roll</source>
        <translation>Total de la última tirada</translation>
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
        <translation>Lanzador de dados</translation>
    </message>
    <message>
        <source>dice;roll;step;tabletop;role-playing;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>dados;tirada;nivel;rol;juego de rol;mesa;</translation>
    </message>
    <message>
        <source>Dicewright rolls the exploding dice of a tabletop role-playing game whose tests are numbered steps. Pick one of 40 steps, from a four-sided die less two up to two twenty-sided dice with four more, press ROLL and read the total.</source>
        <extracomment>The first paragraph of the program&apos;s description in software centres.</extracomment>
        <translation>Dicewright tira los dados explosivos de un juego de rol de mesa cuyas pruebas se miden en niveles numerados. Elija uno de los 40 niveles, desde un dado de cuatro caras menos dos hasta dos dados de veinte caras y cuatro más, pulse TIRAR y lea el total.</translation>
    </message>
    <message>
        <source>A die that shows its highest face is thrown again and added on, and when every die of a step shows a one, the roll is a Rule of One.</source>
        <extracomment>The second paragraph of the program&apos;s description in software centres.</extracomment>
        <translation>Un dado que saca su cara más alta se vuelve a tirar y se suma, y cuando todos los dados de un nivel sacan un uno, se aplica la regla del uno.</translation>
    </message>
    <message>
        <source>%1 %2, newer than this installer&apos;s %3, is installed in %4.</source>
        <extracomment>The installer, where a newer version is installed. %1 is the product&apos;s name, %2 the installed version, %3 this installer&apos;s version, %4 the folder.</extracomment>
        <translation>%1 %2, más reciente que la versión %3 de este instalador, ya está instalado en %4.</translation>
    </message>
    <message>
        <source>Replace it with %1?</source>
        <extracomment>The installer&apos;s question after the note that a newer version is installed. %1 is this installer&apos;s version.</extracomment>
        <translation>¿Sustituirlo por la versión %1?</translation>
    </message>
    <message>
        <source>%1 already holds files of another program (such as %2), which %3 would replace. Please choose another folder.</source>
        <extracomment>The installer, where the chosen folder holds another program. %1 is the folder, %2 one of its files, %3 the product&apos;s name.</extracomment>
        <translation>%1 ya contiene archivos de otro programa (como %2) que %3 sustituiría. Elija otra carpeta.</translation>
    </message>
    <message>
        <source>The earlier %1 in %2 could not be removed.</source>
        <extracomment>The installer, where an earlier version could not be removed. %1 is the product&apos;s name, %2 its folder.</extracomment>
        <translation>No se ha podido quitar la versión anterior de %1 de %2.</translation>
    </message>
</context>
<context>
    <name>page</name>
    <message>
        <source>Loading…</source>
        <translation>Cargando…</translation>
    </message>
    <message>
        <source>Start %1 again</source>
        <extracomment>%1 is the product&apos;s name, Dicewright.</extracomment>
        <translation>Volver a abrir %1</translation>
    </message>
    <message>
        <source>%1 has ended.</source>
        <extracomment>%1 is the product&apos;s name.</extracomment>
        <translation>%1 se ha cerrado.</translation>
    </message>
    <message>
        <source>%1 has stopped: %2.</source>
        <extracomment>%1 is the product&apos;s name, %2 what stopped it.</extracomment>
        <translation>%1 se ha detenido: %2.</translation>
    </message>
    <message>
        <source>%1 cannot start here: %2</source>
        <extracomment>%1 is the product&apos;s name, %2 what the browser said.</extracomment>
        <translation>%1 no puede iniciarse aquí: %2</translation>
    </message>
    <message>
        <source>%1 could not be kept for use offline here: it will need the network to start next time.</source>
        <extracomment>%1 is the product&apos;s name.</extracomment>
        <translation>%1 no se ha podido guardar para usarlo sin conexión: la próxima vez necesitará conexión a internet para abrirse.</translation>
    </message>
    <message>
        <source>Step dice roller for tabletop role-playing games</source>
        <extracomment>What the page and the installed app say the program is.</extracomment>
        <translation>Lanzador de dados por niveles para juegos de rol de mesa</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The button that puts the note about offline use away.</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The button that closes the roll log.</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1 needs JavaScript.</source>
        <extracomment>Shown where the browser runs no scripts. %1 is the product&apos;s name.</extracomment>
        <translation>%1 necesita JavaScript.</translation>
    </message>
    <message>
        <source>The highest difficulty is %1.</source>
        <extracomment>Said where the difficulty field cannot take the number typed. %1 is its highest value, 99.</extracomment>
        <translation>La dificultad es como máximo %1.</translation>
    </message>
    <message>
        <source>The highest bonus step is %1.</source>
        <extracomment>Said where the bonus step field cannot take the number typed. %1 is its highest value, 40.</extracomment>
        <translation>El nivel extra es como máximo %1.</translation>
    </message>
    <message>
        <source>A number here never starts with 0; an empty field means none.</source>
        <extracomment>Said where a number field was given a number that starts with 0, or 0 alone.</extracomment>
        <translation>Aquí un número nunca empieza por 0; un campo vacío significa sin valor.</translation>
    </message>
    <message>
        <source>Only digits go in this field.</source>
        <extracomment>Said where a number field was given something other than digits.</extracomment>
        <translation>En este campo solo van cifras.</translation>
    </message>
    <message>
        <source>Share last roll</source>
        <extracomment>The menu item that gives the last roll&apos;s line to the phone&apos;s own share sheet.</extracomment>
        <translation>Compartir la última tirada</translation>
    </message>
</context>
</TS>
