<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Table</name>
    <message numerus="yes">
        <source>%n card(s)</source>
        <translation>
            <numerusform>%n card</numerusform>
            <numerusform>%n cards</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You draw %n card(s)</source>
        <translation>
            <numerusform>You draw %n card</numerusform>
            <numerusform>You draw %n cards</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>COM %1 draws %n card(s)</source>
        <translation>
            <numerusform>COM %1 draws %n card</numerusform>
            <numerusform>COM %1 draws %n cards</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your hand, %n card(s)</source>
        <translation>
            <numerusform>Your hand, %n card</numerusform>
            <numerusform>Your hand, %n cards</numerusform>
        </translation>
    </message>
</context>
</TS>
