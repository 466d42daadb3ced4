<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
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
        <translation>более %1</translation>
    </message>
    <message>
        <source>&lt; %1</source>
        <extracomment>A chance below 0.1% that is not impossible; spoken, like &quot;&gt; %1&quot;.</extracomment>
        <translation>менее %1</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Провал</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Успех</translation>
    </message>
    <message numerus="yes">
        <source>Success, %1 extra success(es)</source>
        <translation>
            <numerusform>Успех, %1 дополнительный успех</numerusform>
            <numerusform>Успех, %1 дополнительных успеха</numerusform>
            <numerusform>Успех, %1 дополнительных успехов</numerusform>
        </translation>
    </message>
    <message>
        <source>failure</source>
        <extracomment>A test&apos;s verdict inside a roll log line, after the total: &quot;9, failure&quot;.</extracomment>
        <translation>провал</translation>
    </message>
    <message>
        <source>success</source>
        <extracomment>A test&apos;s verdict inside a roll log line, after the total: &quot;15, success&quot;.</extracomment>
        <translation>успех</translation>
    </message>
    <message>
        <source>success, %1 extra</source>
        <extracomment>A success with extra successes in a roll log line: &quot;20, success, 2 extra&quot;. %1 is their number.</extracomment>
        <translation>успех, +%1</translation>
    </message>
    <message>
        <source>Chance of success: %1</source>
        <translation>Вероятность успеха: %1</translation>
    </message>
    <message>
        <source>%1 (without the bonus: %2)</source>
        <translation>%1 (без бонуса: %2)</translation>
    </message>
    <message>
        <source>%1 (with step %2 as bonus: %3)</source>
        <translation>%1 (со ступенью %2 как бонусом: %3)</translation>
    </message>
</context>
<context>
    <name>DiceWords</name>
    <message>
        <source>D</source>
        <comment>die letter</comment>
        <extracomment>The letter that names a die before its number of faces, as in 2D6 and D20 (German: W).</extracomment>
        <translation>К</translation>
    </message>
    <message>
        <source>d</source>
        <comment>die letter, small</comment>
        <extracomment>The die letter where step 1&apos;s dice write it small in English: &quot;d4-2&quot;. A language whose dice are always written with a capital gives its capital letter here.</extracomment>
        <translation>К</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A die and the faces it showed, in the roll log: &quot;D6: 6 + 4 = 10&quot;. %1 is the die, %2 its faces with their sum.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>STEP %1</source>
        <extracomment>A step option&apos;s caption, in capitals as the window draws it: &quot;STEP 8&quot;.</extracomment>
        <translation>СТУПЕНЬ %1</translation>
    </message>
    <message>
        <source>Rule of One</source>
        <extracomment>The total shown when every die of a step came up 1: the game&apos;s name for that roll.</extracomment>
        <translation>Правило единицы</translation>
    </message>
</context>
<context>
    <name>FairnessWords</name>
    <message>
        <source>%1 to %2</source>
        <translation>от %1 до %2</translation>
    </message>
    <message numerus="yes">
        <source>judged once %1 total(s) are in (%2 so far)</source>
        <translation>
            <numerusform>оценивается после %1 результата (пока %2)</numerusform>
            <numerusform>оценивается после %1 результатов (пока %2)</numerusform>
            <numerusform>оценивается после %1 результатов (пока %2)</numerusform>
        </translation>
    </message>
    <message>
        <source>lower than fair dice give 99 times in 100 (%1)</source>
        <translation>ниже, чем честные кубики дают в 99 случаях из 100 (%1)</translation>
    </message>
    <message>
        <source>within the range fair dice give 99 times in 100 (%1)</source>
        <translation>в пределах, которые честные кубики дают в 99 случаях из 100 (%1)</translation>
    </message>
    <message>
        <source>higher than fair dice give 99 times in 100 (%1)</source>
        <translation>выше, чем честные кубики дают в 99 случаях из 100 (%1)</translation>
    </message>
    <message numerus="yes">
        <source>Step %1: %2 roll(s)</source>
        <translation>
            <numerusform>Ступень %1: %2 бросок</numerusform>
            <numerusform>Ступень %1: %2 броска</numerusform>
            <numerusform>Ступень %1: %2 бросков</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Step %1 + step %2: %3 roll(s)</source>
        <translation>
            <numerusform>Ступень %1 + ступень %2: %3 бросок</numerusform>
            <numerusform>Ступень %1 + ступень %2: %3 броска</numerusform>
            <numerusform>Ступень %1 + ступень %2: %3 бросков</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2, exact %3: %4</source>
        <extracomment>%1 is &quot;Average total&quot; (or its Rule of One form), %2 the average of the rolls so far, %3 the average fair dice give, %4 the verdict on the dice: &quot;Average total 8.75, exact 8.58: within the range fair dice give 99 times in 100 (6.10 to 11.06)&quot;.</extracomment>
        <translation>%1: %2 (теоретически %3), %4</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>What stands for the average where every roll so far was a Rule of One, so no total came yet.</extracomment>
        <translation>пока нет</translation>
    </message>
    <message>
        <source>Rule of One: %1, expected %2</source>
        <translation>Правило единицы: %1 (ожидалось: %2)</translation>
    </message>
</context>
<context>
    <name>OddsWords</name>
    <message>
        <source>Average total</source>
        <translation>Средний итог</translation>
    </message>
    <message>
        <source>Average total (Rule of One aside)</source>
        <translation>Средний итог (без правила единицы)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Rule of One: none</source>
        <translation>Правило единицы: никогда</translation>
    </message>
    <message>
        <source>Rule of One: 1 in %1</source>
        <translation>Правило единицы: 1 из %1</translation>
    </message>
    <message>
        <source>Explosion: never</source>
        <translation>Взрыв: никогда</translation>
    </message>
    <message>
        <source>Explosion: %1% of rolls</source>
        <translation>Взрыв: %1&#xa0;% бросков</translation>
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
        <translation>Переполнение</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Деление на ноль</translation>
    </message>
    <message>
        <source>Floating-point overflow</source>
        <translation>Переполнение при вычислениях с плавающей точкой</translation>
    </message>
    <message>
        <source>Invalid floating-point operation</source>
        <translation>Недопустимая операция с плавающей точкой</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Недостаточно памяти</translation>
    </message>
    <message>
        <source>A value out of range</source>
        <translation>Значение вне допустимого диапазона</translation>
    </message>
</context>
<context>
    <name>dicewright::DifficultyControls</name>
    <message>
        <source>Set a step and a difficulty for the chance of success</source>
        <translation>Выберите ступень и сложность, чтобы увидеть вероятность успеха</translation>
    </message>
    <message>
        <source>DIFFICULTY</source>
        <extracomment>The caption of the field for what the total must reach, in capitals; a short word fits.</extracomment>
        <translation>СЛОЖНОСТЬ</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Сложность</translation>
    </message>
    <message>
        <source>What the total must reach, 1 to 99; empty or 0 for none</source>
        <translation>Чего должен достичь итог, от 1 до 99; пусто или 0: без сложности</translation>
    </message>
    <message>
        <source>BONUS STEP</source>
        <extracomment>The caption of the field for a second step thrown with the chosen one, in capitals; the box is narrow, so a short word is better than a shrunken one.</extracomment>
        <translation>БОНУС</translation>
    </message>
    <message>
        <source>Bonus step</source>
        <translation>Бонусная ступень</translation>
    </message>
    <message>
        <source>A step whose dice are thrown with the chosen step&apos;s, 1 to 40; empty or 0 for none</source>
        <translation>Ступень, кубики которой бросаются вместе с кубиками выбранной ступени, от 1 до 40; пусто или 0: без бонуса</translation>
    </message>
</context>
<context>
    <name>dicewright::MainWindow</name>
    <message>
        <source>STEP DICE</source>
        <extracomment>The caption before the chosen step&apos;s dice (&quot;2D6&quot;), in capitals; its box is narrow, so the language&apos;s short word for the dice is best.</extracomment>
        <translation>КУБИКИ</translation>
    </message>
    <message>
        <source>Dice of the chosen step</source>
        <translation>Кубики выбранной ступени</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <extracomment>The caption before the total of the last roll, in capitals.</extracomment>
        <translation>ИТОГ</translation>
    </message>
    <message>
        <source>ROLL</source>
        <extracomment>The button that throws the dice, in capitals; the button is small (about 8 capitals of this size), so a short word keeps it legible.</extracomment>
        <translation>БРОСЬ</translation>
    </message>
    <message>
        <source>Roll the dice of the chosen step</source>
        <translation>Бросить кубики выбранной ступени</translation>
    </message>
    <message>
        <source>EXIT</source>
        <extracomment>The button that ends the program, in capitals; as small as the one beside it.</extracomment>
        <translation>ВЫХОД</translation>
    </message>
    <message>
        <source>End the program</source>
        <translation>Закрыть программу</translation>
    </message>
    <message>
        <source>Steps</source>
        <extracomment>What a screen reader calls the 40 step options as one group.</extracomment>
        <translation>Ступени</translation>
    </message>
    <message>
        <source>Test against a difficulty</source>
        <translation>Проверка против сложности</translation>
    </message>
    <message>
        <source>Roll log</source>
        <translation>Журнал бросков</translation>
    </message>
    <message>
        <source>Copy last roll</source>
        <translation>Копировать последний бросок</translation>
    </message>
</context>
<context>
    <name>dicewright::RollLogModel</name>
    <message>
        <source>Step %1</source>
        <translation>Ступень %1</translation>
    </message>
    <message>
        <source>%1 + step %2</source>
        <translation>%1 + ступень %2</translation>
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
        <translation>%1 против %2</translation>
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
        <translation>Журнал бросков Dicewright, %1</translation>
    </message>
    <message numerus="yes">
        <source>(%1 earlier roll(s) no longer kept)</source>
        <translation>
            <numerusform>(%1 более ранний бросок больше не хранится)</numerusform>
            <numerusform>(%1 более ранних броска больше не хранятся)</numerusform>
            <numerusform>(%1 более ранних бросков больше не хранятся)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dicewright::RollLogWindow</name>
    <message>
        <source>Roll log</source>
        <translation>Журнал бросков</translation>
    </message>
    <message>
        <source>Rolls, newest first</source>
        <translation>Броски, сначала новые</translation>
    </message>
    <message>
        <source>What the dice have done so far</source>
        <translation>Что кубики выбросили до сих пор</translation>
    </message>
    <message>
        <source>Each step is judged again after every roll. Over many rolls, fair dice now and then land outside a range they keep to 99 times in 100, so one “lower” or “higher” alone proves nothing.</source>
        <translation>Каждая ступень оценивается заново после каждого броска. За много бросков даже честные кубики время от времени выходят за пределы, которых держатся в 99 случаях из 100, поэтому одно «ниже» или «выше» само по себе ничего не доказывает.</translation>
    </message>
    <message>
        <source>Copy all</source>
        <translation>Копировать всё</translation>
    </message>
    <message numerus="yes">
        <source>%1 earlier roll(s) are no longer kept: the log holds the last %2.</source>
        <translation>
            <numerusform>%1 более ранний бросок больше не хранится: журнал хранит последние %2.</numerusform>
            <numerusform>%1 более ранних броска больше не хранятся: журнал хранит последние %2.</numerusform>
            <numerusform>%1 более ранних бросков больше не хранятся: журнал хранит последние %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dicewright::SplashWindow</name>
    <message>
        <source>Dicewright logo</source>
        <translation>Логотип Dicewright</translation>
    </message>
    <message>
        <source>Windows 95/98</source>
        <extracomment>The name of the platform the program was first made for, as it stands.</extracomment>
        <translation>Windows 95/98</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Copyright</source>
        <extracomment>A placeholder the window shows as it stands, where a copyright line would go.</extracomment>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Company</source>
        <extracomment>A placeholder the window shows as it stands, where the maker&apos;s name would go.</extracomment>
        <translation>Компания</translation>
    </message>
    <message>
        <source>TIME TO ROLL THE DICE</source>
        <translation>ПОРА БРОСАТЬ КУБИКИ</translation>
    </message>
</context>
<context>
    <name>dicewright::TotalDisplay</name>
    <message>
        <source>Total of the last roll</source>
        <translation>Итог последнего броска</translation>
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
        <translation>Бросок кубиков</translation>
    </message>
    <message>
        <source>dice;roll;step;tabletop;role-playing;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>кубики;кости;бросок;ступень;настольная игра;ролевая игра;</translation>
    </message>
    <message>
        <source>Dicewright rolls the exploding dice of a tabletop role-playing game whose tests are numbered steps. Pick one of 40 steps, from a four-sided die less two up to two twenty-sided dice with four more, press ROLL and read the total.</source>
        <extracomment>The first paragraph of the program&apos;s description in software centres.</extracomment>
        <translation>Dicewright бросает взрывающиеся кубики настольной ролевой игры, в которой проверки измеряются нумерованными ступенями. Выберите одну из 40 ступеней, от четырёхгранного кубика минус два до двух двадцатигранных кубиков и ещё четырёх, нажмите БРОСЬ и прочтите итог.</translation>
    </message>
    <message>
        <source>A die that shows its highest face is thrown again and added on, and when every die of a step shows a one, the roll is a Rule of One.</source>
        <extracomment>The second paragraph of the program&apos;s description in software centres.</extracomment>
        <translation>Кубик, выбросивший наибольшее значение, бросается снова и прибавляется, а когда все кубики ступени показывают единицу, действует правило единицы.</translation>
    </message>
    <message>
        <source>%1 %2, newer than this installer&apos;s %3, is installed in %4.</source>
        <extracomment>The installer, where a newer version is installed. %1 is the product&apos;s name, %2 the installed version, %3 this installer&apos;s version, %4 the folder.</extracomment>
        <translation>В папке %4 уже установлен %1 %2 — более новая версия, чем %3 из этого установщика.</translation>
    </message>
    <message>
        <source>Replace it with %1?</source>
        <extracomment>The installer&apos;s question after the note that a newer version is installed. %1 is this installer&apos;s version.</extracomment>
        <translation>Заменить его версией %1?</translation>
    </message>
    <message>
        <source>%1 already holds files of another program (such as %2), which %3 would replace. Please choose another folder.</source>
        <extracomment>The installer, where the chosen folder holds another program. %1 is the folder, %2 one of its files, %3 the product&apos;s name.</extracomment>
        <translation>В папке %1 уже есть файлы другой программы (например, %2), которые %3 заменил бы. Выберите другую папку.</translation>
    </message>
    <message>
        <source>The earlier %1 in %2 could not be removed.</source>
        <extracomment>The installer, where an earlier version could not be removed. %1 is the product&apos;s name, %2 its folder.</extracomment>
        <translation>Не удалось удалить прежнюю версию %1 из папки %2.</translation>
    </message>
</context>
<context>
    <name>page</name>
    <message>
        <source>Loading…</source>
        <translation>Загрузка…</translation>
    </message>
    <message>
        <source>Start %1 again</source>
        <extracomment>%1 is the product&apos;s name, Dicewright.</extracomment>
        <translation>Снова запустить %1</translation>
    </message>
    <message>
        <source>%1 has ended.</source>
        <extracomment>%1 is the product&apos;s name.</extracomment>
        <translation>Работа %1 завершена.</translation>
    </message>
    <message>
        <source>%1 has stopped: %2.</source>
        <extracomment>%1 is the product&apos;s name, %2 what stopped it.</extracomment>
        <translation>Работа %1 прервана: %2.</translation>
    </message>
    <message>
        <source>%1 cannot start here: %2</source>
        <extracomment>%1 is the product&apos;s name, %2 what the browser said.</extracomment>
        <translation>Не удаётся запустить %1 здесь: %2</translation>
    </message>
    <message>
        <source>%1 could not be kept for use offline here: it will need the network to start next time.</source>
        <extracomment>%1 is the product&apos;s name.</extracomment>
        <translation>Не удалось сохранить %1 для работы без сети: при следующем запуске понадобится подключение к интернету.</translation>
    </message>
    <message>
        <source>Step dice roller for tabletop role-playing games</source>
        <extracomment>What the page and the installed app say the program is.</extracomment>
        <translation>Броски кубиков по ступеням для настольных ролевых игр</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The button that puts the note about offline use away.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The button that closes the roll log.</extracomment>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>%1 needs JavaScript.</source>
        <extracomment>Shown where the browser runs no scripts. %1 is the product&apos;s name.</extracomment>
        <translation>Для работы %1 нужен JavaScript.</translation>
    </message>
    <message>
        <source>The highest difficulty is %1.</source>
        <extracomment>Said where the difficulty field cannot take the number typed. %1 is its highest value, 99.</extracomment>
        <translation>Сложность — не больше %1.</translation>
    </message>
    <message>
        <source>The highest bonus step is %1.</source>
        <extracomment>Said where the bonus step field cannot take the number typed. %1 is its highest value, 40.</extracomment>
        <translation>Бонусная ступень — не больше %1.</translation>
    </message>
    <message>
        <source>A number here never starts with 0; an empty field means none.</source>
        <extracomment>Said where a number field was given a number that starts with 0, or 0 alone.</extracomment>
        <translation>Число здесь не может начинаться с 0; пустое поле означает отсутствие значения.</translation>
    </message>
    <message>
        <source>Only digits go in this field.</source>
        <extracomment>Said where a number field was given something other than digits.</extracomment>
        <translation>В это поле можно вводить только цифры.</translation>
    </message>
    <message>
        <source>Share last roll</source>
        <extracomment>The menu item that gives the last roll&apos;s line to the phone&apos;s own share sheet.</extracomment>
        <translation>Поделиться последним броском</translation>
    </message>
</context>
</TS>
