<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>LossNotice</name>
    <message numerus="yes">
        <source>%1: %n item(s) could not be shown (see the log).</source>
        <translation>
            <numerusform>%1: %n item could not be shown (see the log).</numerusform>
            <numerusform>%1: %n items could not be shown (see the log).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message numerus="yes">
        <source>%n member(s)</source>
        <translation>
            <numerusform>%n member</numerusform>
            <numerusform>%n members</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All day, %n day(s)</source>
        <translation>
            <numerusform>All day, %n day</numerusform>
            <numerusform>All day, %n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%n item(s))</source>
        <translation>
            <numerusform>(%n item)</numerusform>
            <numerusform>(%n items)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SearchController</name>
    <message numerus="yes">
        <source>%n item(s) found</source>
        <translation>
            <numerusform>%n item found</numerusform>
            <numerusform>%n items found</numerusform>
        </translation>
    </message>
</context>
</TS>
