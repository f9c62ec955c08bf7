<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>CMainStatusBar</name>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n page</numerusform>
            <numerusform>%n pages</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PageRecovery</name>
    <message numerus="yes">
        <source>%n pages could not be read and were left out.</source>
        <translation>
            <numerusform>%n page could not be read and was left out.</numerusform>
            <numerusform>%n pages could not be read and were left out.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pages from %1 were not saved. Recover them?</source>
        <translation>
            <numerusform>%n page from %1 was not saved. Recover it?</numerusform>
            <numerusform>%n pages from %1 were not saved. Recover them?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PdfCommands</name>
    <message numerus="yes">
        <source>The %n pages for the PDF are not saved. Save them?</source>
        <translation>
            <numerusform>The page for the PDF is not saved. Save it?</numerusform>
            <numerusform>The %n pages for the PDF are not saved. Save them?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pages saved in %1.</source>
        <translation>
            <numerusform>%n page saved in %1.</numerusform>
            <numerusform>%n pages saved in %1.</numerusform>
        </translation>
    </message>
</context>
</TS>
