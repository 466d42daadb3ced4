<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>mais de %1</translation>
    </message>
    <message>
        <source>&lt; %1</source>
        <extracomment>A chance below 0.1% that is not impossible; spoken, like &quot;&gt; %1&quot;.</extracomment>
        <translation>menos de %1</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Falha</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Sucesso</translation>
    </message>
    <message numerus="yes">
        <source>Success, %1 extra success(es)</source>
        <translation>
            <numerusform>Sucesso, %1 sucesso extra</numerusform>
            <numerusform>Sucesso, %1 sucessos extras</numerusform>
        </translation>
    </message>
    <message>
        <source>failure</source>
        <extracomment>A test&apos;s verdict inside a roll log line, after the total: &quot;9, failure&quot;.</extracomment>
        <translation>falha</translation>
    </message>
    <message>
        <source>success</source>
        <extracomment>A test&apos;s verdict inside a roll log line, after the total: &quot;15, success&quot;.</extracomment>
        <translation>sucesso</translation>
    </message>
    <message>
        <source>success, %1 extra</source>
        <extracomment>A success with extra successes in a roll log line: &quot;20, success, 2 extra&quot;. %1 is their number.</extracomment>
        <translation>sucesso, +%1</translation>
    </message>
    <message>
        <source>Chance of success: %1</source>
        <translation>Chance de sucesso: %1</translation>
    </message>
    <message>
        <source>%1 (without the bonus: %2)</source>
        <translation>%1 (sem o bônus: %2)</translation>
    </message>
    <message>
        <source>%1 (with step %2 as bonus: %3)</source>
        <translation>%1 (com o nível %2 como bônus: %3)</translation>
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
        <translation>NÍVEL %1</translation>
    </message>
    <message>
        <source>Rule of One</source>
        <extracomment>The total shown when every die of a step came up 1: the game&apos;s name for that roll.</extracomment>
        <translation>Regra do Um</translation>
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
            <numerusform>avaliado a partir de %1 total (%2 até agora)</numerusform>
            <numerusform>avaliado a partir de %1 totais (%2 até agora)</numerusform>
        </translation>
    </message>
    <message>
        <source>lower than fair dice give 99 times in 100 (%1)</source>
        <translation>abaixo do que dados honestos dão 99 vezes em 100 (%1)</translation>
    </message>
    <message>
        <source>within the range fair dice give 99 times in 100 (%1)</source>
        <translation>dentro do intervalo que dados honestos dão 99 vezes em 100 (%1)</translation>
    </message>
    <message>
        <source>higher than fair dice give 99 times in 100 (%1)</source>
        <translation>acima do que dados honestos dão 99 vezes em 100 (%1)</translation>
    </message>
    <message numerus="yes">
        <source>Step %1: %2 roll(s)</source>
        <translation>
            <numerusform>Nível %1: %2 rolagem</numerusform>
            <numerusform>Nível %1: %2 rolagens</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Step %1 + step %2: %3 roll(s)</source>
        <translation>
            <numerusform>Nível %1 + nível %2: %3 rolagem</numerusform>
            <numerusform>Nível %1 + nível %2: %3 rolagens</numerusform>
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
        <translation>nenhum ainda</translation>
    </message>
    <message>
        <source>Rule of One: %1, expected %2</source>
        <translation>Regra do Um: %1 (esperado: %2)</translation>
    </message>
</context>
<context>
    <name>OddsWords</name>
    <message>
        <source>Average total</source>
        <translation>Total médio</translation>
    </message>
    <message>
        <source>Average total (Rule of One aside)</source>
        <translation>Total médio (sem a Regra do Um)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Rule of One: none</source>
        <translation>Regra do Um: nunca</translation>
    </message>
    <message>
        <source>Rule of One: 1 in %1</source>
        <translation>Regra do Um: 1 em %1</translation>
    </message>
    <message>
        <source>Explosion: never</source>
        <translation>Explosão: nunca</translation>
    </message>
    <message>
        <source>Explosion: %1% of rolls</source>
        <translation>Explosão: %1% das rolagens</translation>
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
        <translation>Estouro</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Divisão por zero</translation>
    </message>
    <message>
        <source>Floating-point overflow</source>
        <translation>Estouro de ponto flutuante</translation>
    </message>
    <message>
        <source>Invalid floating-point operation</source>
        <translation>Operação de ponto flutuante inválida</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memória insuficiente</translation>
    </message>
    <message>
        <source>A value out of range</source>
        <translation>Um valor fora do intervalo</translation>
    </message>
</context>
<context>
    <name>dicewright::DifficultyControls</name>
    <message>
        <source>Set a step and a difficulty for the chance of success</source>
        <translation>Escolha um nível e uma dificuldade para ver a chance de sucesso</translation>
    </message>
    <message>
        <source>DIFFICULTY</source>
        <extracomment>The caption of the field for what the total must reach, in capitals; a short word fits.</extracomment>
        <translation>DIFICULDADE</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Dificuldade</translation>
    </message>
    <message>
        <source>What the total must reach, 1 to 99; empty or 0 for none</source>
        <translation>O valor que o total precisa alcançar, de 1 a 99; vazio ou 0: sem dificuldade</translation>
    </message>
    <message>
        <source>BONUS STEP</source>
        <extracomment>The caption of the field for a second step thrown with the chosen one, in capitals; the box is narrow, so a short word is better than a shrunken one.</extracomment>
        <translation>NÍVEL BÔNUS</translation>
    </message>
    <message>
        <source>Bonus step</source>
        <translation>Nível bônus</translation>
    </message>
    <message>
        <source>A step whose dice are thrown with the chosen step&apos;s, 1 to 40; empty or 0 for none</source>
        <translation>Um nível cujos dados são rolados junto com os do nível escolhido, de 1 a 40; vazio ou 0: sem nível bônus</translation>
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
        <translation>Dados do nível escolhido</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <extracomment>The caption before the total of the last roll, in capitals.</extracomment>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>ROLL</source>
        <extracomment>The button that throws the dice, in capitals; the button is small (about 8 capitals of this size), so a short word keeps it legible.</extracomment>
        <translation>ROLAR</translation>
    </message>
    <message>
        <source>Roll the dice of the chosen step</source>
        <translation>Rolar os dados do nível escolhido</translation>
    </message>
    <message>
        <source>EXIT</source>
        <extracomment>The button that ends the program, in capitals; as small as the one beside it.</extracomment>
        <translation>SAIR</translation>
    </message>
    <message>
        <source>End the program</source>
        <translation>Fechar o programa</translation>
    </message>
    <message>
        <source>Steps</source>
        <extracomment>What a screen reader calls the 40 step options as one group.</extracomment>
        <translation>Níveis</translation>
    </message>
    <message>
        <source>Test against a difficulty</source>
        <translation>Teste contra uma dificuldade</translation>
    </message>
    <message>
        <source>Roll log</source>
        <translation>Registro de rolagens</translation>
    </message>
    <message>
        <source>Copy last roll</source>
        <translation>Copiar a última rolagem</translation>
    </message>
</context>
<context>
    <name>dicewright::RollLogModel</name>
    <message>
        <source>Step %1</source>
        <translation>Nível %1</translation>
    </message>
    <message>
        <source>%1 + step %2</source>
        <translation>%1 + nível %2</translation>
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
        <translation>Registro de rolagens do Dicewright, %1</translation>
    </message>
    <message numerus="yes">
        <source>(%1 earlier roll(s) no longer kept)</source>
        <translation>
            <numerusform>(%1 rolagem anterior não é mais guardada)</numerusform>
            <numerusform>(%1 rolagens anteriores não são mais guardadas)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dicewright::RollLogWindow</name>
    <message>
        <source>Roll log</source>
        <translation>Registro de rolagens</translation>
    </message>
    <message>
        <source>Rolls, newest first</source>
        <translation>Rolagens, da mais recente à mais antiga</translation>
    </message>
    <message>
        <source>What the dice have done so far</source>
        <translation>O que os dados deram até agora</translation>
    </message>
    <message>
        <source>Each step is judged again after every roll. Over many rolls, fair dice now and then land outside a range they keep to 99 times in 100, so one “lower” or “higher” alone proves nothing.</source>
        <translation>Cada nível é avaliado de novo após cada rolagem. Ao longo de muitas rolagens, dados honestos de vez em quando saem de um intervalo que respeitam 99 vezes em 100, então um único “abaixo” ou “acima” não prova nada.</translation>
    </message>
    <message>
        <source>Copy all</source>
        <translation>Copiar tudo</translation>
    </message>
    <message numerus="yes">
        <source>%1 earlier roll(s) are no longer kept: the log holds the last %2.</source>
        <translation>
            <numerusform>%1 rolagem anterior não é mais guardada: o registro guarda as últimas %2.</numerusform>
            <numerusform>%1 rolagens anteriores não são mais guardadas: o registro guarda as últimas %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dicewright::SplashWindow</name>
    <message>
        <source>Dicewright logo</source>
        <translation>Logotipo do Dicewright</translation>
    </message>
    <message>
        <source>Windows 95/98</source>
        <extracomment>The name of the platform the program was first made for, as it stands.</extracomment>
        <translation>Windows 95/98</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
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
        <translation>HORA DE ROLAR OS DADOS</translation>
    </message>
</context>
<context>
    <name>dicewright::TotalDisplay</name>
    <message>
        <source>Total of the last roll</source>
        <translation>Total da última rolagem</translation>
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
        <translation>Rolador de dados</translation>
    </message>
    <message>
        <source>dice;roll;step;tabletop;role-playing;</source>
        <extracomment>Words a desktop&apos;s search finds the program by, each followed by a semicolon.</extracomment>
        <translation>dados;rolagem;nível;RPG;jogo de mesa;</translation>
    </message>
    <message>
        <source>Dicewright rolls the exploding dice of a tabletop role-playing game whose tests are numbered steps. Pick one of 40 steps, from a four-sided die less two up to two twenty-sided dice with four more, press ROLL and read the total.</source>
        <extracomment>The first paragraph of the program&apos;s description in software centres.</extracomment>
        <translation>O Dicewright rola os dados explosivos de um RPG de mesa cujos testes são medidos em níveis numerados. Escolha um dos 40 níveis, de um dado de quatro lados menos dois até dois dados de vinte lados e mais quatro, clique em ROLAR e leia o total.</translation>
    </message>
    <message>
        <source>A die that shows its highest face is thrown again and added on, and when every die of a step shows a one, the roll is a Rule of One.</source>
        <extracomment>The second paragraph of the program&apos;s description in software centres.</extracomment>
        <translation>Um dado que mostra sua face mais alta é rolado de novo e somado, e quando todos os dados de um nível mostram um, vale a Regra do Um.</translation>
    </message>
    <message>
        <source>%1 %2, newer than this installer&apos;s %3, is installed in %4.</source>
        <extracomment>The installer, where a newer version is installed. %1 is the product&apos;s name, %2 the installed version, %3 this installer&apos;s version, %4 the folder.</extracomment>
        <translation>O %1 %2, mais recente que a versão %3 deste instalador, já está instalado em %4.</translation>
    </message>
    <message>
        <source>Replace it with %1?</source>
        <extracomment>The installer&apos;s question after the note that a newer version is installed. %1 is this installer&apos;s version.</extracomment>
        <translation>Substituir pela versão %1?</translation>
    </message>
    <message>
        <source>%1 already holds files of another program (such as %2), which %3 would replace. Please choose another folder.</source>
        <extracomment>The installer, where the chosen folder holds another program. %1 is the folder, %2 one of its files, %3 the product&apos;s name.</extracomment>
        <translation>%1 já contém arquivos de outro programa (como %2), que o %3 substituiria. Escolha outra pasta.</translation>
    </message>
    <message>
        <source>The earlier %1 in %2 could not be removed.</source>
        <extracomment>The installer, where an earlier version could not be removed. %1 is the product&apos;s name, %2 its folder.</extracomment>
        <translation>Não foi possível remover a versão anterior do %1 em %2.</translation>
    </message>
</context>
<context>
    <name>page</name>
    <message>
        <source>Loading…</source>
        <translation>Carregando…</translation>
    </message>
    <message>
        <source>Start %1 again</source>
        <extracomment>%1 is the product&apos;s name, Dicewright.</extracomment>
        <translation>Abrir o %1 de novo</translation>
    </message>
    <message>
        <source>%1 has ended.</source>
        <extracomment>%1 is the product&apos;s name.</extracomment>
        <translation>O %1 foi fechado.</translation>
    </message>
    <message>
        <source>%1 has stopped: %2.</source>
        <extracomment>%1 is the product&apos;s name, %2 what stopped it.</extracomment>
        <translation>O %1 parou: %2.</translation>
    </message>
    <message>
        <source>%1 cannot start here: %2</source>
        <extracomment>%1 is the product&apos;s name, %2 what the browser said.</extracomment>
        <translation>O %1 não pode ser iniciado aqui: %2</translation>
    </message>
    <message>
        <source>%1 could not be kept for use offline here: it will need the network to start next time.</source>
        <extracomment>%1 is the product&apos;s name.</extracomment>
        <translation>Não foi possível salvar o %1 para uso off-line: na próxima vez, ele precisará de conexão com a internet para abrir.</translation>
    </message>
    <message>
        <source>Step dice roller for tabletop role-playing games</source>
        <extracomment>What the page and the installed app say the program is.</extracomment>
        <translation>Rolador de dados por níveis para RPG de mesa</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The button that puts the note about offline use away.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The button that closes the roll log.</extracomment>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>%1 needs JavaScript.</source>
        <extracomment>Shown where the browser runs no scripts. %1 is the product&apos;s name.</extracomment>
        <translation>O %1 precisa de JavaScript.</translation>
    </message>
    <message>
        <source>The highest difficulty is %1.</source>
        <extracomment>Said where the difficulty field cannot take the number typed. %1 is its highest value, 99.</extracomment>
        <translation>A dificuldade é no máximo %1.</translation>
    </message>
    <message>
        <source>The highest bonus step is %1.</source>
        <extracomment>Said where the bonus step field cannot take the number typed. %1 is its highest value, 40.</extracomment>
        <translation>O nível bônus é no máximo %1.</translation>
    </message>
    <message>
        <source>A number here never starts with 0; an empty field means none.</source>
        <extracomment>Said where a number field was given a number that starts with 0, or 0 alone.</extracomment>
        <translation>Aqui um número nunca começa com 0; um campo vazio significa nenhum valor.</translation>
    </message>
    <message>
        <source>Only digits go in this field.</source>
        <extracomment>Said where a number field was given something other than digits.</extracomment>
        <translation>Este campo aceita apenas dígitos.</translation>
    </message>
    <message>
        <source>Share last roll</source>
        <extracomment>The menu item that gives the last roll&apos;s line to the phone&apos;s own share sheet.</extracomment>
        <translation>Compartilhar a última rolagem</translation>
    </message>
</context>
</TS>
