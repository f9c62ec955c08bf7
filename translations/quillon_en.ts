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
    <name>PdfCommands</name>
    <message numerus="yes">
        <source>The %n pages for the PDF are not saved. Save them?</source>
        <translation>
            <numerusform>The page for the PDF is not saved. Save it?</numerusform>
            <numerusform>The %n pages for the PDF are not saved. Save them?</numerusform>
        </translation>
    </message>
</context>
</TS>
