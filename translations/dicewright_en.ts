<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>ChanceWords</name>
    <message numerus="yes">
        <source>Success, %1 extra success(es)</source>
        <translation>
            <numerusform>Success, %1 extra success</numerusform>
            <numerusform>Success, %1 extra successes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FairnessWords</name>
    <message numerus="yes">
        <source>judged once %1 total(s) are in (%2 so far)</source>
        <translation>
            <numerusform>judged once %1 total is in (%2 so far)</numerusform>
            <numerusform>judged once %1 totals are in (%2 so far)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Step %1: %2 roll(s)</source>
        <translation>
            <numerusform>Step %1: %2 roll</numerusform>
            <numerusform>Step %1: %2 rolls</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Step %1 + step %2: %3 roll(s)</source>
        <translation>
            <numerusform>Step %1 + step %2: %3 roll</numerusform>
            <numerusform>Step %1 + step %2: %3 rolls</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dicewright::RollLogModel</name>
    <message numerus="yes">
        <source>(%1 earlier roll(s) no longer kept)</source>
        <translation>
            <numerusform>(%1 earlier roll no longer kept)</numerusform>
            <numerusform>(%1 earlier rolls no longer kept)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dicewright::RollLogWindow</name>
    <message numerus="yes">
        <source>%1 earlier roll(s) are no longer kept: the log holds the last %2.</source>
        <translation>
            <numerusform>%1 earlier roll is no longer kept: the log holds the last %2.</numerusform>
            <numerusform>%1 earlier rolls are no longer kept: the log holds the last %2.</numerusform>
        </translation>
    </message>
</context>
</TS>
