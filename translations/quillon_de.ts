<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
        <translation>Über Quillon for USB</translation>
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
            <numerusform>%n Seite</numerusform>
            <numerusform>%n Seiten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CPictureAdjustDlg</name>
    <message>
        <source>Picture Adjust</source>
        <translation>Bildeinstellung</translation>
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
        <translation>EIN</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Schärfe</translation>
    </message>
    <message>
        <source>Softness</source>
        <translation>Weicher</translation>
    </message>
    <message>
        <source>Sharper</source>
        <translation>Schärfer</translation>
    </message>
    <message>
        <source>Gamma correction</source>
        <translation>Gammakorrektur</translation>
    </message>
</context>
<context>
    <name>CQFactorDlg</name>
    <message>
        <source>Q Factor</source>
        <translation>Q-Faktor</translation>
    </message>
    <message>
        <source>Higher Quality</source>
        <translation>Höhere Qualität</translation>
    </message>
    <message>
        <source>Higher Compression</source>
        <translation>Mehr Kompression</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CQuillon2View</name>
    <message>
        <source>Failed to print the image.</source>
        <translation>Das Bild konnte nicht gedruckt werden.</translation>
    </message>
</context>
<context>
    <name>CRemoteControlDlg</name>
    <message>
        <source>Remote control</source>
        <translation>Fernbedienung</translation>
    </message>
</context>
<context>
    <name>CameraLink</name>
    <message>
        <source>The main unit is plugged in, but this user may not use it (permission denied).

The udev rule 70-quillon-camera.rules gives the logged-in user access to the main unit. Make sure it is installed (the package puts it in /usr/lib/udev/rules.d; otherwise copy it to /etc/udev/rules.d), then unplug the main unit and plug it in again.</source>
        <translation>Das Hauptgerät ist angeschlossen, aber dieser Benutzer darf es nicht verwenden (Zugriff verweigert).

Die udev-Regel 70-quillon-camera.rules gibt dem angemeldeten Benutzer Zugriff auf das Hauptgerät. Stellen Sie sicher, dass sie installiert ist (das Paket legt sie in /usr/lib/udev/rules.d ab; andernfalls kopieren Sie sie nach /etc/udev/rules.d). Ziehen Sie dann das Hauptgerät ab und schließen Sie es wieder an.</translation>
    </message>
    <message>
        <source>The main unit is plugged in, but another program is using it.

Close the other program that uses the main unit. Quillon for USB connects to the main unit as soon as it is free.</source>
        <translation>Das Hauptgerät ist angeschlossen, wird aber von einem anderen Programm verwendet.

Beenden Sie das andere Programm, das das Hauptgerät verwendet. Quillon for USB verbindet sich mit dem Hauptgerät, sobald es frei ist.</translation>
    </message>
</context>
<context>
    <name>CommandBars</name>
    <message>
        <source>Standard</source>
        <comment>the tool bar&apos;s name</comment>
        <translation>Standard</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>Save the image.
Save</source>
        <translation>Speichert das Bild.
Speichern</translation>
    </message>
    <message>
        <source>Capture a new image from the main unit.
Capture</source>
        <translation>Nimmt ein neues Bild vom Hauptgerät auf.
Aufnehmen</translation>
    </message>
    <message>
        <source>&amp;JPEG Setting...</source>
        <translation>&amp;JPEG-Einstellung...</translation>
    </message>
    <message>
        <source>Setting of JPEG compression.
JPEG Setting</source>
        <translation>Stellt die JPEG-Kompression ein.
JPEG-Einstellung</translation>
    </message>
    <message>
        <source>Quit the application.
Exit</source>
        <translation>Beendet das Programm.
Beenden</translation>
    </message>
    <message>
        <source>&amp;Sharpness...</source>
        <translation>&amp;Schärfe...</translation>
    </message>
    <message>
        <source>Setting of sharpness.
Sharpness</source>
        <translation>Stellt die Schärfe ein.
Schärfe</translation>
    </message>
    <message>
        <source>&amp;Gamma correction...</source>
        <translation>&amp;Gammakorrektur...</translation>
    </message>
    <message>
        <source>Setting of gamma correction.
Gamma correction</source>
        <translation>Stellt die Gammakorrektur ein.
Gammakorrektur</translation>
    </message>
    <message>
        <source>Show the remote control.
Show the RC</source>
        <translation>Zeigt die Fernbedienung an.
Fernbedienung anzeigen</translation>
    </message>
    <message>
        <source>Hide the remote control.
Hide the RC</source>
        <translation>Blendet die Fernbedienung aus.
Fernbedienung ausblenden</translation>
    </message>
    <message>
        <source>Show or hide the remote control.
Show/Hide the RC</source>
        <translation>Zeigt die Fernbedienung an oder blendet sie aus.
Fernbedienung ein/aus</translation>
    </message>
    <message>
        <source>Zoom in.
Zoom in</source>
        <translation>Vergrößert die Ansicht.
Vergrößern</translation>
    </message>
    <message>
        <source>Zoom out.
Zoom out</source>
        <translation>Verkleinert die Ansicht.
Verkleinern</translation>
    </message>
    <message>
        <source>Best &amp;Fit</source>
        <translation>&amp;Einpassen</translation>
    </message>
    <message>
        <source>Adjust the image to fit the window.
Best Fit</source>
        <translation>Passt das Bild in das Fenster ein.
Einpassen</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>Adjust the image to its original size.
Actual Size</source>
        <translation>Zeigt das Bild in seiner Originalgröße.
Originalgröße</translation>
    </message>
    <message>
        <source>&amp;About Quillon for USB...</source>
        <translation>Ü&amp;ber Quillon for USB...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright.
About</source>
        <translation>Zeigt Programminformationen, Versionsnummer und Copyright an.
Über</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Remote control</source>
        <translation>&amp;Fernbedienung</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Print the image.
Print</source>
        <translation>Druckt das Bild.
Drucken</translation>
    </message>
    <message>
        <source>Copy the image to the clipboard.
Copy</source>
        <translation>Kopiert das Bild in die Zwischenablage.
Kopieren</translation>
    </message>
    <message>
        <source>Save the pages as one searchable PDF.
Save as PDF</source>
        <translation>Speichert die Seiten als ein durchsuchbares PDF.
Als PDF speichern</translation>
    </message>
    <message>
        <source>Add the picture as shown as a page of the PDF.
Add page</source>
        <translation>Fügt das Bild, wie es angezeigt wird, als Seite des PDF hinzu.
Seite hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Pages...</source>
        <translation>S&amp;eiten...</translation>
    </message>
    <message>
        <source>See, reorder and remove the pages of the PDF.
Pages</source>
        <translation>Zeigt die Seiten des PDF an, ordnet sie um und entfernt sie.
Seiten</translation>
    </message>
    <message>
        <source>Save &amp;as PDF...</source>
        <translation>Als &amp;PDF speichern...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Add page</source>
        <translation>Seite &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Capture</source>
        <translation>&amp;Aufnehmen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Show the RC</source>
        <translation>Fernbedienung an&amp;zeigen</translation>
    </message>
    <message>
        <source>&amp;Hide the RC</source>
        <translation>Fernbedienung aus&amp;blenden</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Capture and a&amp;dd page</source>
        <translation>&amp;Aufnehmen und Seite hinzufügen</translation>
    </message>
    <message>
        <source>Capture a new image and add it as a page of the PDF.
Capture and add page</source>
        <translation>Ein neues Bild aufnehmen und als Seite des PDF hinzufügen.
Aufnehmen und Seite hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Recognition languages...</source>
        <translation>E&amp;rkennungssprachen...</translation>
    </message>
    <message>
        <source>Choose the languages the text of the pages is read in.
Recognition languages</source>
        <translation>Wählt die Sprachen, in denen der Text der Seiten gelesen wird.
Erkennungssprachen</translation>
    </message>
    <message>
        <source>&amp;Edit and add page...</source>
        <translation>&amp;Bearbeiten und Seite hinzufügen...</translation>
    </message>
    <message>
        <source>Place the sheet&apos;s corners on the picture by hand, then add it as a page of the PDF.
Edit and add page</source>
        <translation>Die Ecken des Blatts auf dem Bild von Hand setzen und es dann als Seite des PDF hinzufügen.
Bearbeiten und Seite hinzufügen</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Bitmap Files (*.BMP)</source>
        <translation>Bitmap-Dateien (*.BMP)</translation>
    </message>
    <message>
        <source>JPEG Files (*.JPG)</source>
        <translation>JPEG-Dateien (*.JPG)</translation>
    </message>
    <message>
        <source>PNG Files (*.PNG)</source>
        <translation>PNG-Dateien (*.PNG)</translation>
    </message>
    <message>
        <source>%1
The folder does not exist.
Check the path and try again.</source>
        <translation>%1
Der Ordner existiert nicht.
Überprüfen Sie den Pfad und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
</context>
<context>
    <name>HeadlessCapture</name>
    <message>
        <source>The name is not UTF-8</source>
        <translation>Der Name ist nicht in UTF-8 kodiert</translation>
    </message>
    <message>
        <source>No sheet was found on the picture: the page keeps the whole picture.</source>
        <translation>Auf dem Bild wurde kein Blatt gefunden: Die Seite behält das ganze Bild.</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>The folder %1 cannot be made</source>
        <translation>Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>There is no home folder to keep them in</source>
        <translation>Es gibt keinen Benutzerordner, um sie aufzubewahren</translation>
    </message>
    <message>
        <source>The picture cannot be encoded</source>
        <translation>Das Bild kann nicht kodiert werden</translation>
    </message>
</context>
<context>
    <name>JournalRecovery</name>
    <message>
        <source>The file is cut short</source>
        <translation>Die Datei ist abgeschnitten</translation>
    </message>
    <message>
        <source>The file was changed after it was written</source>
        <translation>Die Datei wurde nach dem Schreiben verändert</translation>
    </message>
    <message>
        <source>The file holds no readable picture</source>
        <translation>Die Datei enthält kein lesbares Bild</translation>
    </message>
</context>
<context>
    <name>LanguagePacks</name>
    <message>
        <source>simplified</source>
        <translation>vereinfacht</translation>
    </message>
    <message>
        <source>traditional</source>
        <translation>traditionell</translation>
    </message>
    <message>
        <source>vertical</source>
        <translation>vertikal</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>kyrillisch</translation>
    </message>
    <message>
        <source>Latin</source>
        <translation>lateinisch</translation>
    </message>
    <message>
        <source>Fraktur</source>
        <translation>Fraktur</translation>
    </message>
    <message>
        <source>old spelling</source>
        <translation>alte Rechtschreibung</translation>
    </message>
    <message>
        <source>Not every chosen language was read: install %1.</source>
        <translation>Nicht jede gewählte Sprache wurde gelesen: Installieren Sie %1.</translation>
    </message>
    <message>
        <source>The PDF has no text layer: install %1 to make it searchable.</source>
        <translation>Das PDF hat keine Textebene: Installieren Sie %1, um es durchsuchbar zu machen.</translation>
    </message>
</context>
<context>
    <name>LinkError</name>
    <message>
        <source>The communication setting is not for USB.</source>
        <translation>Die Kommunikationseinstellung steht nicht auf USB.</translation>
    </message>
    <message>
        <source>USB: Failed to transmit.</source>
        <translation>USB: Senden fehlgeschlagen.</translation>
    </message>
    <message>
        <source>USB: Failed to receive.</source>
        <translation>USB: Empfang fehlgeschlagen.</translation>
    </message>
    <message>
        <source>USB: FAiled to capture image.</source>
        <translation>USB: Bildaufnahme fehlgeschlagen.</translation>
    </message>
    <message>
        <source>USB: Failed to communicate.</source>
        <translation>USB: Kommunikation fehlgeschlagen.</translation>
    </message>
    <message>
        <source>USB: Disconnected from main unit.</source>
        <translation>USB: Verbindung zum Hauptgerät getrennt.</translation>
    </message>
    <message>
        <source>Memory size insuffient for allocation.</source>
        <translation>Nicht genügend Arbeitsspeicher verfügbar.</translation>
    </message>
    <message>
        <source>Failed to load the image!</source>
        <translation>Das Bild konnte nicht geladen werden!</translation>
    </message>
    <message>
        <source>Failed to save the image.</source>
        <translation>Das Bild konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Failed to create the remote control.</source>
        <translation>Die Fernbedienung konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Time out (The main unit is now initializing.)</source>
        <translation>Zeitüberschreitung (Das Hauptgerät wird gerade initialisiert.)</translation>
    </message>
    <message>
        <source>Failed to save the PDF.</source>
        <translation>Das PDF konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Datei: %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Grund: %1</translation>
    </message>
    <message>
        <source>Failed to add the page.</source>
        <translation>Die Seite konnte nicht hinzugefügt werden.</translation>
    </message>
</context>
<context>
    <name>PageEditor</name>
    <message>
        <source>Edit page</source>
        <translation>Seite bearbeiten</translation>
    </message>
    <message>
        <source>Turn &amp;left</source>
        <translation>Nach &amp;links drehen</translation>
    </message>
    <message>
        <source>Turn &amp;right</source>
        <translation>Nach &amp;rechts drehen</translation>
    </message>
    <message>
        <source>&amp;Find the sheet</source>
        <translation>Blatt &amp;finden</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Graustufen</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Schwarzweiß</translation>
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
        <translation>Seite %1</translation>
    </message>
</context>
<context>
    <name>PageRecovery</name>
    <message>
        <source>Page %1: %2 (%3)</source>
        <translation>Seite %1: %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%n pages could not be read and were left out.</source>
        <translation>
            <numerusform>%n Seite konnte nicht gelesen werden und wurde ausgelassen.</numerusform>
            <numerusform>%n Seiten konnten nicht gelesen werden und wurden ausgelassen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pages from %1 were not saved. Recover them?</source>
        <translation>
            <numerusform>%n Seite vom %1 wurde nicht gespeichert. Wiederherstellen?</numerusform>
            <numerusform>%n Seiten vom %1 wurden nicht gespeichert. Wiederherstellen?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Später</translation>
    </message>
</context>
<context>
    <name>PageViewer</name>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>The page cannot be read: %1</source>
        <translation>Die Seite kann nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>PagesDialog</name>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Move &amp;earlier</source>
        <translation>Nach &amp;vorne</translation>
    </message>
    <message>
        <source>Move &amp;later</source>
        <translation>Nach &amp;hinten</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>E&amp;dit...</source>
        <translation>Bearbei&amp;ten...</translation>
    </message>
    <message>
        <source>The page cannot be read: %1</source>
        <translation>Die Seite kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>&amp;Clean pages as they are added</source>
        <translation>Seiten beim Hinzufügen &amp;bereinigen</translation>
    </message>
    <message>
        <source>Split a &amp;book&apos;s two pages</source>
        <translation>&amp;Zwei Seiten eines Buchs trennen</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Graustufen</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Schwarzweiß</translation>
    </message>
    <message>
        <source>New pages &amp;in:</source>
        <translation>Neue Seiten &amp;in:</translation>
    </message>
</context>
<context>
    <name>PdfCommands</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stop writing the PDF</source>
        <translation>Schreiben des PDF abbrechen</translation>
    </message>
    <message>
        <source>Reading the text of the pages...</source>
        <translation>Der Text der Seiten wird gelesen...</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message numerus="yes">
        <source>The %n pages for the PDF are not saved. Save them?</source>
        <translation>
            <numerusform>Die Seite für das PDF ist nicht gespeichert. Jetzt speichern?</numerusform>
            <numerusform>Die %n Seiten für das PDF sind nicht gespeichert. Jetzt speichern?</numerusform>
        </translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Grund: %1</translation>
    </message>
    <message>
        <source>The pages are kept in memory only: unsaved pages will not survive a crash.</source>
        <translation>Die Seiten werden nur im Speicher gehalten: Ungespeicherte Seiten überstehen keinen Absturz.</translation>
    </message>
    <message>
        <source>Folder: %1
Reason: %2</source>
        <translation>Ordner: %1
Grund: %2</translation>
    </message>
    <message>
        <source>The record of the pages on disk cannot be updated: after a crash, the pages may come back as they were before.</source>
        <translation>Die Aufzeichnung der Seiten auf der Festplatte kann nicht aktualisiert werden: Nach einem Absturz kommen die Seiten womöglich im früheren Stand zurück.</translation>
    </message>
    <message numerus="yes">
        <source>%n pages saved in %1.</source>
        <translation>
            <numerusform>%n Seite in %1 gespeichert.</numerusform>
            <numerusform>%n Seiten in %1 gespeichert.</numerusform>
        </translation>
    </message>
    <message>
        <source>No sheet was found on the picture: the page keeps the whole picture.</source>
        <translation>Auf dem Bild wurde kein Blatt gefunden: Die Seite behält das ganze Bild.</translation>
    </message>
    <message>
        <source>No sheet was found on the picture: place its corners by hand.</source>
        <translation>Auf dem Bild wurde kein Blatt gefunden: Setzen Sie seine Ecken von Hand.</translation>
    </message>
</context>
<context>
    <name>PdfExport</name>
    <message>
        <source>Page %1 cannot be read: %2</source>
        <translation>Seite %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Page %1 cannot be encoded</source>
        <translation>Seite %1 kann nicht kodiert werden</translation>
    </message>
    <message>
        <source>The print is too small to read well: zoom the camera in on the page for a better text layer.</source>
        <translation>Die Schrift ist zu klein, um gut gelesen zu werden: Zoomen Sie die Kamera näher an die Seite heran, um eine bessere Textebene zu erhalten.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt Hilfe zu den Kommandozeilenoptionen an.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zeigt Hilfe einschließlich Qt-spezifischer Optionen an.</translation>
    </message>
</context>
<context>
    <name>RecognitionLanguagesDialog</name>
    <message>
        <source>Recognition languages</source>
        <translation>Erkennungssprachen</translation>
    </message>
    <message>
        <source>No language pack is installed: install %1 to make PDFs searchable.</source>
        <translation>Kein Sprachpaket ist installiert: Installieren Sie %1, um PDFs durchsuchbar zu machen.</translation>
    </message>
    <message>
        <source>The &amp;languages the text of the pages is in:</source>
        <translation>Die &amp;Sprachen des Textes der Seiten:</translation>
    </message>
</context>
<context>
    <name>SaveTarget</name>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
    <message>
        <source>A link that another user made in a shared folder</source>
        <translation>Ein Link, den ein anderer Benutzer in einem gemeinsamen Ordner angelegt hat</translation>
    </message>
</context>
<context>
    <name>SimCommandLine</name>
    <message>
        <source>Use the simulated main unit instead of the camera.</source>
        <translation>Das simulierte Hauptgerät statt der Kamera verwenden.</translation>
    </message>
    <message>
        <source>Raw frame the simulated main unit serves.</source>
        <translation>Rohbild, das das simulierte Hauptgerät liefert.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>datei</translation>
    </message>
    <message>
        <source>Colour coefficients of the simulated main unit.</source>
        <translation>Farbkoeffizienten des simulierten Hauptgeräts.</translation>
    </message>
    <message>
        <source>k0,k1,k2,k3</source>
        <translation>k0,k1,k2,k3</translation>
    </message>
    <message>
        <source>Local socket on which the simulated main unit takes commands (see quillon-simctl).</source>
        <translation>Lokaler Socket, über den das simulierte Hauptgerät Befehle annimmt (siehe quillon-simctl).</translation>
    </message>
    <message>
        <source>name</source>
        <translation>name</translation>
    </message>
    <message>
        <source>--%1 needs --simulate</source>
        <translation>--%1 erfordert --simulate</translation>
    </message>
    <message>
        <source>--%1 needs a name</source>
        <translation>--%1 erfordert einen Namen</translation>
    </message>
    <message>
        <source>Faults the simulated main unit starts with, e.g. image-fail,short-row=7 (see the README).</source>
        <translation>Fehler, mit denen das simulierte Hauptgerät startet, z. B. image-fail,short-row=7 (siehe README).</translation>
    </message>
    <message>
        <source>list</source>
        <translation>liste</translation>
    </message>
    <message>
        <source>Sheet of typeset text the simulated main unit shows: &quot;default&quot;, or changes such as points=9,turn=90,skew=3,desk=40 (see the README).</source>
        <translation>Blatt mit gesetztem Text, das das simulierte Hauptgerät zeigt: &quot;default&quot; oder Änderungen wie points=9,turn=90,skew=3,desk=40 (siehe README).</translation>
    </message>
    <message>
        <source>--%1 and --%2 cannot be used together</source>
        <translation>--%1 und --%2 können nicht zusammen verwendet werden</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Quillon for USB: captures, shows and saves pictures of the USB document camera.</source>
        <translation>Quillon for USB: nimmt Bilder der USB-Dokumentenkamera auf, zeigt sie an und speichert sie.</translation>
    </message>
    <message>
        <source>Do not show the start-up picture.</source>
        <translation>Das Startbild nicht anzeigen.</translation>
    </message>
    <message>
        <source>Start with the window minimized.</source>
        <translation>Mit minimiertem Fenster starten.</translation>
    </message>
    <message>
        <source>Start with the window maximized.</source>
        <translation>Mit maximiertem Fenster starten.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>Capture one picture without a window and save it to FILE (.bmp or no extension: BMP, .png: PNG, .pdf: a searchable PDF, otherwise JPEG).</source>
        <translation>Ein Bild ohne Fenster aufnehmen und in DATEI speichern (.bmp oder keine Endung: BMP, .png: PNG, .pdf: ein durchsuchbares PDF, sonst JPEG).</translation>
    </message>
    <message>
        <source>With --capture: find the sheet on the picture, square and straighten it, in the stored colour mode, before saving.</source>
        <translation>Mit --capture: das Blatt auf dem Bild finden, entzerren und gerade richten, im gespeicherten Farbmodus, vor dem Speichern.</translation>
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
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Busy !</source>
        <translation>Bitte warten...</translation>
    </message>
    <message>
        <source>The main unit is now initializing.</source>
        <translation>Das Hauptgerät wird initialisiert.</translation>
    </message>
    <message>
        <source>Not Ready</source>
        <translation>Nicht bereit</translation>
    </message>
</context>
</TS>
