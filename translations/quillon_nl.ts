<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Version 1.0b</source>
        <translation>Version 1.0b</translation>
    </message>
    <message>
        <source>Copyright (C) 2026</source>
        <translation>Copyright (C) 2026</translation>
    </message>
    <message>
        <source>About Quillon for USB</source>
        <translation>Over Quillon for USB</translation>
    </message>
    <message>
        <source>Quillon™ for USB</source>
        <translation>Quillon™ for USB</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version  %1</source>
        <translation>Version  %1</translation>
    </message>
</context>
<context>
    <name>CMainStatusBar</name>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n pagina</numerusform>
            <numerusform>%n pagina&apos;s</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CPictureAdjustDlg</name>
    <message>
        <source>Picture Adjust</source>
        <translation>Beeldinstelling</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>AAN</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>UIT</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Scherpte</translation>
    </message>
    <message>
        <source>Softness</source>
        <translation>Zachter</translation>
    </message>
    <message>
        <source>Sharper</source>
        <translation>Scherper</translation>
    </message>
    <message>
        <source>Gamma correction</source>
        <translation>Gammacorrectie</translation>
    </message>
</context>
<context>
    <name>CQFactorDlg</name>
    <message>
        <source>Q Factor</source>
        <translation>Q-factor</translation>
    </message>
    <message>
        <source>Higher Quality</source>
        <translation>Hogere kwaliteit</translation>
    </message>
    <message>
        <source>Higher Compression</source>
        <translation>Sterkere compressie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>CQuillon2View</name>
    <message>
        <source>Failed to print the image.</source>
        <translation>De afbeelding kan niet worden afgedrukt.</translation>
    </message>
</context>
<context>
    <name>CRemoteControlDlg</name>
    <message>
        <source>Remote control</source>
        <translation>Afstandsbediening</translation>
    </message>
</context>
<context>
    <name>CameraLink</name>
    <message>
        <source>The main unit is plugged in, but this user may not use it (permission denied).

The udev rule 70-quillon-camera.rules gives the logged-in user access to the main unit. Make sure it is installed (the package puts it in /usr/lib/udev/rules.d; otherwise copy it to /etc/udev/rules.d), then unplug the main unit and plug it in again.</source>
        <translation>Het hoofdtoestel is aangesloten, maar deze gebruiker mag het niet gebruiken (toegang geweigerd).

De udev-regel 70-quillon-camera.rules geeft de aangemelde gebruiker toegang tot het hoofdtoestel. Controleer of die is geïnstalleerd (het pakket plaatst hem in /usr/lib/udev/rules.d; kopieer hem anders naar /etc/udev/rules.d), koppel het hoofdtoestel daarna los en sluit het opnieuw aan.</translation>
    </message>
    <message>
        <source>The main unit is plugged in, but another program is using it.

Close the other program that uses the main unit. Quillon for USB connects to the main unit as soon as it is free.</source>
        <translation>Het hoofdtoestel is aangesloten, maar een ander programma gebruikt het.

Sluit het andere programma dat het hoofdtoestel gebruikt. Quillon for USB maakt verbinding met het hoofdtoestel zodra het vrij is.</translation>
    </message>
</context>
<context>
    <name>CommandBars</name>
    <message>
        <source>Standard</source>
        <comment>the tool bar&apos;s name</comment>
        <translation>Standaard</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>&amp;Save...</source>
        <translation>Op&amp;slaan...</translation>
    </message>
    <message>
        <source>Save the image.
Save</source>
        <translation>Slaat de afbeelding op.
Opslaan</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Afdrukken...</translation>
    </message>
    <message>
        <source>Print the image.
Print</source>
        <translation>Drukt de afbeelding af.
Afdrukken</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>Copy the image to the clipboard.
Copy</source>
        <translation>Kopieert de afbeelding naar het klembord.
Kopiëren</translation>
    </message>
    <message>
        <source>Save &amp;as PDF...</source>
        <translation>Opslaan als &amp;PDF...</translation>
    </message>
    <message>
        <source>Save the pages as one searchable PDF.
Save as PDF</source>
        <translation>Slaat de pagina&apos;s op als één doorzoekbare PDF.
Opslaan als PDF</translation>
    </message>
    <message>
        <source>&amp;Add page</source>
        <translation>Pagina &amp;toevoegen</translation>
    </message>
    <message>
        <source>Add the picture as shown as a page of the PDF.
Add page</source>
        <translation>Voegt de afbeelding zoals die getoond wordt toe als pagina van de PDF.
Pagina toevoegen</translation>
    </message>
    <message>
        <source>&amp;Pages...</source>
        <translation>&amp;Pagina&apos;s...</translation>
    </message>
    <message>
        <source>See, reorder and remove the pages of the PDF.
Pages</source>
        <translation>Toont, herschikt en verwijdert de pagina&apos;s van de PDF.
Pagina&apos;s</translation>
    </message>
    <message>
        <source>&amp;Capture</source>
        <translation>&amp;Vastleggen</translation>
    </message>
    <message>
        <source>Capture a new image from the main unit.
Capture</source>
        <translation>Legt een nieuwe afbeelding vast met het hoofdtoestel.
Vastleggen</translation>
    </message>
    <message>
        <source>&amp;JPEG Setting...</source>
        <translation>&amp;JPEG-instelling...</translation>
    </message>
    <message>
        <source>Setting of JPEG compression.
JPEG Setting</source>
        <translation>Stelt de JPEG-compressie in.
JPEG-instelling</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <source>Quit the application.
Exit</source>
        <translation>Sluit het programma af.
Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Sharpness...</source>
        <translation>&amp;Scherpte...</translation>
    </message>
    <message>
        <source>Setting of sharpness.
Sharpness</source>
        <translation>Stelt de scherpte in.
Scherpte</translation>
    </message>
    <message>
        <source>&amp;Gamma correction...</source>
        <translation>&amp;Gammacorrectie...</translation>
    </message>
    <message>
        <source>Setting of gamma correction.
Gamma correction</source>
        <translation>Stelt de gammacorrectie in.
Gammacorrectie</translation>
    </message>
    <message>
        <source>&amp;Show the RC</source>
        <translation>Afstandsbediening &amp;tonen</translation>
    </message>
    <message>
        <source>Show the remote control.
Show the RC</source>
        <translation>Toont de afstandsbediening.
Afstandsbediening tonen</translation>
    </message>
    <message>
        <source>&amp;Hide the RC</source>
        <translation>Afstandsbediening &amp;verbergen</translation>
    </message>
    <message>
        <source>Hide the remote control.
Hide the RC</source>
        <translation>Verbergt de afstandsbediening.
Afstandsbediening verbergen</translation>
    </message>
    <message>
        <source>Show or hide the remote control.
Show/Hide the RC</source>
        <translation>Toont of verbergt de afstandsbediening.
Afstandsbediening tonen/verbergen</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Inzoomen</translation>
    </message>
    <message>
        <source>Zoom in.
Zoom in</source>
        <translation>Zoomt in.
Inzoomen</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Uitzoomen</translation>
    </message>
    <message>
        <source>Zoom out.
Zoom out</source>
        <translation>Zoomt uit.
Uitzoomen</translation>
    </message>
    <message>
        <source>Best &amp;Fit</source>
        <translation>&amp;Passend maken</translation>
    </message>
    <message>
        <source>Adjust the image to fit the window.
Best Fit</source>
        <translation>Past de afbeelding in het venster.
Passend maken</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Werkelijke grootte</translation>
    </message>
    <message>
        <source>Adjust the image to its original size.
Actual Size</source>
        <translation>Toont de afbeelding op ware grootte.
Werkelijke grootte</translation>
    </message>
    <message>
        <source>&amp;About Quillon for USB...</source>
        <translation>&amp;Over Quillon for USB...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright.
About</source>
        <translation>Toont programma-informatie, versienummer en copyright.
Over</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;Remote control</source>
        <translation>&amp;Afstandsbediening</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoomen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Capture and a&amp;dd page</source>
        <translation>&amp;Vastleggen en pagina toevoegen</translation>
    </message>
    <message>
        <source>Capture a new image and add it as a page of the PDF.
Capture and add page</source>
        <translation>Legt een nieuwe afbeelding vast en voegt die als pagina aan de PDF toe.
Vastleggen en pagina toevoegen</translation>
    </message>
    <message>
        <source>&amp;Recognition languages...</source>
        <translation>&amp;Herkenningstalen...</translation>
    </message>
    <message>
        <source>Choose the languages the text of the pages is read in.
Recognition languages</source>
        <translation>Kiest de talen waarin de tekst van de pagina&apos;s wordt gelezen.
Herkenningstalen</translation>
    </message>
    <message>
        <source>&amp;Edit and add page...</source>
        <translation>&amp;Bewerken en pagina toevoegen...</translation>
    </message>
    <message>
        <source>Place the sheet&apos;s corners on the picture by hand, then add it as a page of the PDF.
Edit and add page</source>
        <translation>De hoeken van het vel met de hand op de afbeelding plaatsen en het daarna als pagina van de PDF toevoegen.
Bewerken en pagina toevoegen</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Bitmap Files (*.BMP)</source>
        <translation>Bitmapbestanden (*.BMP)</translation>
    </message>
    <message>
        <source>JPEG Files (*.JPG)</source>
        <translation>JPEG-bestanden (*.JPG)</translation>
    </message>
    <message>
        <source>PNG Files (*.PNG)</source>
        <translation>PNG-bestanden (*.PNG)</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-bestanden (*.pdf)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 bestaat al.
Wilt u het vervangen?</translation>
    </message>
    <message>
        <source>%1
The folder does not exist.
Check the path and try again.</source>
        <translation>%1
De map bestaat niet.
Controleer het pad en probeer het opnieuw.</translation>
    </message>
</context>
<context>
    <name>HeadlessCapture</name>
    <message>
        <source>The name is not UTF-8</source>
        <translation>De naam is geen UTF-8</translation>
    </message>
    <message>
        <source>No sheet was found on the picture: the page keeps the whole picture.</source>
        <translation>Er is geen blad op de afbeelding gevonden: de pagina behoudt de hele afbeelding.</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>The folder %1 cannot be made</source>
        <translation>De map %1 kan niet worden aangemaakt</translation>
    </message>
    <message>
        <source>There is no home folder to keep them in</source>
        <translation>Er is geen persoonlijke map om ze in te bewaren</translation>
    </message>
    <message>
        <source>The picture cannot be encoded</source>
        <translation>De afbeelding kan niet worden gecodeerd</translation>
    </message>
</context>
<context>
    <name>JournalRecovery</name>
    <message>
        <source>The file is cut short</source>
        <translation>Het bestand is afgekapt</translation>
    </message>
    <message>
        <source>The file was changed after it was written</source>
        <translation>Het bestand is na het schrijven gewijzigd</translation>
    </message>
    <message>
        <source>The file holds no readable picture</source>
        <translation>Het bestand bevat geen leesbare afbeelding</translation>
    </message>
</context>
<context>
    <name>LanguagePacks</name>
    <message>
        <source>simplified</source>
        <translation>vereenvoudigd</translation>
    </message>
    <message>
        <source>traditional</source>
        <translation>traditioneel</translation>
    </message>
    <message>
        <source>vertical</source>
        <translation>verticaal</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Cyrillisch</translation>
    </message>
    <message>
        <source>Latin</source>
        <translation>Latijns</translation>
    </message>
    <message>
        <source>Fraktur</source>
        <translation>Fraktur</translation>
    </message>
    <message>
        <source>old spelling</source>
        <translation>oude spelling</translation>
    </message>
    <message>
        <source>Not every chosen language was read: install %1.</source>
        <translation>Niet elke gekozen taal is gelezen: installeer %1.</translation>
    </message>
    <message>
        <source>The PDF has no text layer: install %1 to make it searchable.</source>
        <translation>De PDF heeft geen tekstlaag: installeer %1 om hem doorzoekbaar te maken.</translation>
    </message>
</context>
<context>
    <name>LinkError</name>
    <message>
        <source>The communication setting is not for USB.</source>
        <translation>De communicatie-instelling staat niet op USB.</translation>
    </message>
    <message>
        <source>USB: Failed to transmit.</source>
        <translation>USB: verzenden mislukt.</translation>
    </message>
    <message>
        <source>USB: Failed to receive.</source>
        <translation>USB: ontvangen mislukt.</translation>
    </message>
    <message>
        <source>USB: FAiled to capture image.</source>
        <translation>USB: vastleggen van de afbeelding mislukt.</translation>
    </message>
    <message>
        <source>USB: Failed to communicate.</source>
        <translation>USB: communicatie mislukt.</translation>
    </message>
    <message>
        <source>USB: Disconnected from main unit.</source>
        <translation>USB: verbinding met het hoofdtoestel verbroken.</translation>
    </message>
    <message>
        <source>Memory size insuffient for allocation.</source>
        <translation>Onvoldoende geheugen beschikbaar.</translation>
    </message>
    <message>
        <source>Failed to load the image!</source>
        <translation>De afbeelding kan niet worden geladen!</translation>
    </message>
    <message>
        <source>Failed to save the image.</source>
        <translation>De afbeelding kan niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>Failed to create the remote control.</source>
        <translation>De afstandsbediening kan niet worden gemaakt.</translation>
    </message>
    <message>
        <source>Time out (The main unit is now initializing.)</source>
        <translation>Time-out (het hoofdtoestel wordt nu geïnitialiseerd.)</translation>
    </message>
    <message>
        <source>Failed to save the PDF.</source>
        <translation>De PDF kan niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Bestand: %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Reden: %1</translation>
    </message>
    <message>
        <source>Failed to add the page.</source>
        <translation>De pagina kan niet worden toegevoegd.</translation>
    </message>
</context>
<context>
    <name>PageEditor</name>
    <message>
        <source>Edit page</source>
        <translation>Pagina bewerken</translation>
    </message>
    <message>
        <source>Turn &amp;left</source>
        <translation>Naar &amp;links draaien</translation>
    </message>
    <message>
        <source>Turn &amp;right</source>
        <translation>Naar &amp;rechts draaien</translation>
    </message>
    <message>
        <source>&amp;Find the sheet</source>
        <translation>Blad &amp;zoeken</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grijs</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Zwart-wit</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>&amp;Modus:</translation>
    </message>
</context>
<context>
    <name>PageOrderModel</name>
    <message>
        <source>Page %1</source>
        <translation>Pagina %1</translation>
    </message>
</context>
<context>
    <name>PageRecovery</name>
    <message>
        <source>Page %1: %2 (%3)</source>
        <translation>Pagina %1: %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%n pages could not be read and were left out.</source>
        <translation>
            <numerusform>%n pagina kon niet worden gelezen en is weggelaten.</numerusform>
            <numerusform>%n pagina&apos;s konden niet worden gelezen en zijn weggelaten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pages from %1 were not saved. Recover them?</source>
        <translation>
            <numerusform>%n pagina van %1 is niet opgeslagen. Herstellen?</numerusform>
            <numerusform>%n pagina&apos;s van %1 zijn niet opgeslagen. Herstellen?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Herstellen</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerpen</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Later</translation>
    </message>
</context>
<context>
    <name>PageViewer</name>
    <message>
        <source>Page %1</source>
        <translation>Pagina %1</translation>
    </message>
    <message>
        <source>The page cannot be read: %1</source>
        <translation>De pagina kan niet worden gelezen: %1</translation>
    </message>
</context>
<context>
    <name>PagesDialog</name>
    <message>
        <source>Pages</source>
        <translation>Pagina&apos;s</translation>
    </message>
    <message>
        <source>Move &amp;earlier</source>
        <translation>Naar &amp;voren</translation>
    </message>
    <message>
        <source>Move &amp;later</source>
        <translation>Naar &amp;achteren</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>Ver&amp;wijderen</translation>
    </message>
    <message>
        <source>E&amp;dit...</source>
        <translation>&amp;Bewerken...</translation>
    </message>
    <message>
        <source>The page cannot be read: %1</source>
        <translation>De pagina kan niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>&amp;Clean pages as they are added</source>
        <translation>Pagina&apos;s bij toevoegen &amp;opschonen</translation>
    </message>
    <message>
        <source>Split a &amp;book&apos;s two pages</source>
        <translation>De twee pagina&apos;s van een boek &amp;splitsen</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grijs</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Zwart-wit</translation>
    </message>
    <message>
        <source>New pages &amp;in:</source>
        <translation>Nieuwe pagina&apos;s &amp;in:</translation>
    </message>
</context>
<context>
    <name>PdfCommands</name>
    <message>
        <source>Save as PDF</source>
        <translation>Opslaan als PDF</translation>
    </message>
    <message numerus="yes">
        <source>The %n pages for the PDF are not saved. Save them?</source>
        <translation>
            <numerusform>De pagina voor de PDF is niet opgeslagen. Nu opslaan?</numerusform>
            <numerusform>De %n pagina&apos;s voor de PDF zijn niet opgeslagen. Nu opslaan?</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Stop writing the PDF</source>
        <translation>Schrijven van de PDF stoppen</translation>
    </message>
    <message>
        <source>Reading the text of the pages...</source>
        <translation>De tekst van de pagina&apos;s wordt gelezen...</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Reden: %1</translation>
    </message>
    <message>
        <source>The pages are kept in memory only: unsaved pages will not survive a crash.</source>
        <translation>De pagina&apos;s worden alleen in het geheugen bewaard: niet-opgeslagen pagina&apos;s gaan bij een crash verloren.</translation>
    </message>
    <message>
        <source>Folder: %1
Reason: %2</source>
        <translation>Map: %1
Reden: %2</translation>
    </message>
    <message>
        <source>The record of the pages on disk cannot be updated: after a crash, the pages may come back as they were before.</source>
        <translation>De lijst van de pagina&apos;s op de schijf kan niet worden bijgewerkt: na een crash kunnen de pagina&apos;s terugkomen zoals ze eerder waren.</translation>
    </message>
    <message numerus="yes">
        <source>%n pages saved in %1.</source>
        <translation>
            <numerusform>%n pagina opgeslagen in %1.</numerusform>
            <numerusform>%n pagina&apos;s opgeslagen in %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>No sheet was found on the picture: the page keeps the whole picture.</source>
        <translation>Er is geen blad op de afbeelding gevonden: de pagina behoudt de hele afbeelding.</translation>
    </message>
    <message>
        <source>No sheet was found on the picture: place its corners by hand.</source>
        <translation>Er is geen vel op de afbeelding gevonden: plaats de hoeken met de hand.</translation>
    </message>
</context>
<context>
    <name>PdfExport</name>
    <message>
        <source>Page %1 cannot be read: %2</source>
        <translation>Pagina %1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>Page %1 cannot be encoded</source>
        <translation>Pagina %1 kan niet worden gecodeerd</translation>
    </message>
    <message>
        <source>The print is too small to read well: zoom the camera in on the page for a better text layer.</source>
        <translation>De letters zijn te klein om goed te lezen: zoom de camera in op de pagina voor een betere tekstlaag.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Help tonen over de opties voor de opdrachtregel.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Help tonen inclusief Qt-specifieke opties.</translation>
    </message>
</context>
<context>
    <name>RecognitionLanguagesDialog</name>
    <message>
        <source>Recognition languages</source>
        <translation>Herkenningstalen</translation>
    </message>
    <message>
        <source>No language pack is installed: install %1 to make PDFs searchable.</source>
        <translation>Er is geen taalpakket geïnstalleerd: installeer %1 om PDF&apos;s doorzoekbaar te maken.</translation>
    </message>
    <message>
        <source>The &amp;languages the text of the pages is in:</source>
        <translation>De &amp;talen van de tekst op de pagina&apos;s:</translation>
    </message>
</context>
<context>
    <name>SaveTarget</name>
    <message>
        <source>Not a regular file</source>
        <translation>Geen gewoon bestand</translation>
    </message>
    <message>
        <source>A link that another user made in a shared folder</source>
        <translation>Een koppeling die een andere gebruiker in een gedeelde map heeft gemaakt</translation>
    </message>
</context>
<context>
    <name>SimCommandLine</name>
    <message>
        <source>Use the simulated main unit instead of the camera.</source>
        <translation>Het gesimuleerde hoofdtoestel gebruiken in plaats van de camera.</translation>
    </message>
    <message>
        <source>Raw frame the simulated main unit serves.</source>
        <translation>Ruw beeld dat het gesimuleerde hoofdtoestel levert.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>bestand</translation>
    </message>
    <message>
        <source>Colour coefficients of the simulated main unit.</source>
        <translation>Kleurcoëfficiënten van het gesimuleerde hoofdtoestel.</translation>
    </message>
    <message>
        <source>k0,k1,k2,k3</source>
        <translation>k0,k1,k2,k3</translation>
    </message>
    <message>
        <source>Faults the simulated main unit starts with, e.g. image-fail,short-row=7 (see the README).</source>
        <translation>Storingen waarmee het gesimuleerde hoofdtoestel start, bijv. image-fail,short-row=7 (zie de README).</translation>
    </message>
    <message>
        <source>list</source>
        <translation>lijst</translation>
    </message>
    <message>
        <source>Local socket on which the simulated main unit takes commands (see quillon-simctl).</source>
        <translation>Lokale socket waarop het gesimuleerde hoofdtoestel opdrachten ontvangt (zie quillon-simctl).</translation>
    </message>
    <message>
        <source>name</source>
        <translation>naam</translation>
    </message>
    <message>
        <source>--%1 needs --simulate</source>
        <translation>--%1 vereist --simulate</translation>
    </message>
    <message>
        <source>--%1 needs a name</source>
        <translation>--%1 vereist een naam</translation>
    </message>
    <message>
        <source>Sheet of typeset text the simulated main unit shows: &quot;default&quot;, or changes such as points=9,turn=90,skew=3,desk=40 (see the README).</source>
        <translation>Vel gezette tekst dat het gesimuleerde hoofdtoestel toont: &quot;default&quot;, of wijzigingen zoals points=9,turn=90,skew=3,desk=40 (zie de README).</translation>
    </message>
    <message>
        <source>--%1 and --%2 cannot be used together</source>
        <translation>--%1 en --%2 kunnen niet samen worden gebruikt</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Quillon for USB: captures, shows and saves pictures of the USB document camera.</source>
        <translation>Quillon for USB: legt beelden van de USB-documentcamera vast, toont ze en slaat ze op.</translation>
    </message>
    <message>
        <source>Do not show the start-up picture.</source>
        <translation>De opstartafbeelding niet tonen.</translation>
    </message>
    <message>
        <source>Start with the window minimized.</source>
        <translation>Starten met het venster geminimaliseerd.</translation>
    </message>
    <message>
        <source>Start with the window maximized.</source>
        <translation>Starten met het venster gemaximaliseerd.</translation>
    </message>
    <message>
        <source>Capture one picture without a window and save it to FILE (.bmp or no extension: BMP, .png: PNG, .pdf: a searchable PDF, otherwise JPEG).</source>
        <translation>Eén beeld zonder venster vastleggen en opslaan in BESTAND (.bmp of geen extensie: BMP, .png: PNG, .pdf: een doorzoekbare PDF, anders JPEG).</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>BESTAND</translation>
    </message>
    <message>
        <source>With --capture: find the sheet on the picture, square and straighten it, in the stored colour mode, before saving.</source>
        <translation>Met --capture: het blad op de afbeelding zoeken, rechtzetten en het perspectief corrigeren, in de opgeslagen kleurmodus, vóór het opslaan.</translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>Quillon for USB</source>
        <translation>Quillon for USB</translation>
    </message>
    <message>
        <source>Ready !</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>Busy !</source>
        <translation>Even geduld...</translation>
    </message>
    <message>
        <source>The main unit is now initializing.</source>
        <translation>Het hoofdtoestel wordt geïnitialiseerd.</translation>
    </message>
    <message>
        <source>Not Ready</source>
        <translation>Niet gereed</translation>
    </message>
</context>
</TS>
