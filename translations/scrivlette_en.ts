<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>QObject</name>
    <message numerus="yes">
        <source>%1 of %n file(s) could not be read: %2</source>
        <translation>
            <numerusform>%1 of %n file could not be read: %2</numerusform>
            <numerusform>%1 of %n files could not be read: %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scrivlette::ClipListModel</name>
    <message numerus="yes">
        <source>%1, %2 byte(s)</source>
        <translation>
            <numerusform>%1, %2 byte</numerusform>
            <numerusform>%1, %2 bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>scrivlette::ReadSummaryView</name>
    <message numerus="yes">
        <source>%n file(s) could not be read.</source>
        <translation>
            <numerusform>%n file could not be read.</numerusform>
            <numerusform>%n files could not be read.</numerusform>
        </translation>
    </message>
</context>
</TS>
