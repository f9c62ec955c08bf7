<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
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
        <translation>Informazioni su Quillon for USB</translation>
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
            <numerusform>%n pagine</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CPictureAdjustDlg</name>
    <message>
        <source>Picture Adjust</source>
        <translation>Regolazione dell&apos;immagine</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ATTIVATO</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>DISATTIVATO</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Nitidezza</translation>
    </message>
    <message>
        <source>Softness</source>
        <translation>Più morbido</translation>
    </message>
    <message>
        <source>Sharper</source>
        <translation>Più nitido</translation>
    </message>
    <message>
        <source>Gamma correction</source>
        <translation>Correzione gamma</translation>
    </message>
</context>
<context>
    <name>CQFactorDlg</name>
    <message>
        <source>Q Factor</source>
        <translation>Fattore Q</translation>
    </message>
    <message>
        <source>Higher Quality</source>
        <translation>Più qualità</translation>
    </message>
    <message>
        <source>Higher Compression</source>
        <translation>Più compressione</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>CQuillon2View</name>
    <message>
        <source>Failed to print the image.</source>
        <translation>Impossibile stampare l&apos;immagine.</translation>
    </message>
</context>
<context>
    <name>CRemoteControlDlg</name>
    <message>
        <source>Remote control</source>
        <translation>Telecomando</translation>
    </message>
</context>
<context>
    <name>CameraLink</name>
    <message>
        <source>The main unit is plugged in, but this user may not use it (permission denied).

The udev rule 70-quillon-camera.rules gives the logged-in user access to the main unit. Make sure it is installed (the package puts it in /usr/lib/udev/rules.d; otherwise copy it to /etc/udev/rules.d), then unplug the main unit and plug it in again.</source>
        <translation>L&apos;unità principale è collegata, ma questo utente non può usarla (permesso negato).

La regola udev 70-quillon-camera.rules dà all&apos;utente connesso l&apos;accesso all&apos;unità principale. Verificare che sia installata (il pacchetto la mette in /usr/lib/udev/rules.d; altrimenti copiarla in /etc/udev/rules.d), quindi scollegare l&apos;unità principale e ricollegarla.</translation>
    </message>
    <message>
        <source>The main unit is plugged in, but another program is using it.

Close the other program that uses the main unit. Quillon for USB connects to the main unit as soon as it is free.</source>
        <translation>L&apos;unità principale è collegata, ma un altro programma la sta usando.

Chiudere l&apos;altro programma che usa l&apos;unità principale. Quillon for USB si collega all&apos;unità principale non appena è libera.</translation>
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
        <source>&amp;Save...</source>
        <translation>&amp;Salva...</translation>
    </message>
    <message>
        <source>Save the image.
Save</source>
        <translation>Salva l&apos;immagine.
Salva</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>S&amp;tampa...</translation>
    </message>
    <message>
        <source>Print the image.
Print</source>
        <translation>Stampa l&apos;immagine.
Stampa</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Copy the image to the clipboard.
Copy</source>
        <translation>Copia l&apos;immagine negli appunti.
Copia</translation>
    </message>
    <message>
        <source>Save &amp;as PDF...</source>
        <translation>Salva come &amp;PDF...</translation>
    </message>
    <message>
        <source>Save the pages as one searchable PDF.
Save as PDF</source>
        <translation>Salva le pagine come un unico PDF ricercabile.
Salva come PDF</translation>
    </message>
    <message>
        <source>&amp;Add page</source>
        <translation>&amp;Aggiungi pagina</translation>
    </message>
    <message>
        <source>Add the picture as shown as a page of the PDF.
Add page</source>
        <translation>Aggiunge l&apos;immagine, così come è mostrata, come pagina del PDF.
Aggiungi pagina</translation>
    </message>
    <message>
        <source>&amp;Pages...</source>
        <translation>&amp;Pagine...</translation>
    </message>
    <message>
        <source>See, reorder and remove the pages of the PDF.
Pages</source>
        <translation>Mostra, riordina e rimuove le pagine del PDF.
Pagine</translation>
    </message>
    <message>
        <source>&amp;Capture</source>
        <translation>&amp;Acquisisci</translation>
    </message>
    <message>
        <source>Capture a new image from the main unit.
Capture</source>
        <translation>Acquisisce una nuova immagine dall&apos;unità principale.
Acquisisci</translation>
    </message>
    <message>
        <source>&amp;JPEG Setting...</source>
        <translation>Impostazione &amp;JPEG...</translation>
    </message>
    <message>
        <source>Setting of JPEG compression.
JPEG Setting</source>
        <translation>Imposta la compressione JPEG.
Impostazione JPEG</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Quit the application.
Exit</source>
        <translation>Esce dall&apos;applicazione.
Esci</translation>
    </message>
    <message>
        <source>&amp;Sharpness...</source>
        <translation>&amp;Nitidezza...</translation>
    </message>
    <message>
        <source>Setting of sharpness.
Sharpness</source>
        <translation>Imposta la nitidezza.
Nitidezza</translation>
    </message>
    <message>
        <source>&amp;Gamma correction...</source>
        <translation>Correzione &amp;gamma...</translation>
    </message>
    <message>
        <source>Setting of gamma correction.
Gamma correction</source>
        <translation>Imposta la correzione gamma.
Correzione gamma</translation>
    </message>
    <message>
        <source>&amp;Show the RC</source>
        <translation>&amp;Mostra il telecomando</translation>
    </message>
    <message>
        <source>Show the remote control.
Show the RC</source>
        <translation>Mostra il telecomando.
Mostra il telecomando</translation>
    </message>
    <message>
        <source>&amp;Hide the RC</source>
        <translation>&amp;Nascondi il telecomando</translation>
    </message>
    <message>
        <source>Hide the remote control.
Hide the RC</source>
        <translation>Nasconde il telecomando.
Nascondi il telecomando</translation>
    </message>
    <message>
        <source>Show or hide the remote control.
Show/Hide the RC</source>
        <translation>Mostra o nasconde il telecomando.
Mostra/nascondi il telecomando</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom in.
Zoom in</source>
        <translation>Ingrandisce la vista.
Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Riduci</translation>
    </message>
    <message>
        <source>Zoom out.
Zoom out</source>
        <translation>Riduce la vista.
Riduci</translation>
    </message>
    <message>
        <source>Best &amp;Fit</source>
        <translation>&amp;Adatta alla finestra</translation>
    </message>
    <message>
        <source>Adjust the image to fit the window.
Best Fit</source>
        <translation>Adatta l&apos;immagine alla finestra.
Adatta alla finestra</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>Dimensioni &amp;originali</translation>
    </message>
    <message>
        <source>Adjust the image to its original size.
Actual Size</source>
        <translation>Mostra l&apos;immagine nelle sue dimensioni originali.
Dimensioni originali</translation>
    </message>
    <message>
        <source>&amp;About Quillon for USB...</source>
        <translation>&amp;Informazioni su Quillon for USB...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright.
About</source>
        <translation>Mostra le informazioni sul programma, il numero di versione e il copyright.
Informazioni</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Remote control</source>
        <translation>&amp;Telecomando</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Capture and a&amp;dd page</source>
        <translation>Ac&amp;quisisci e aggiungi pagina</translation>
    </message>
    <message>
        <source>Capture a new image and add it as a page of the PDF.
Capture and add page</source>
        <translation>Acquisisce una nuova immagine e la aggiunge come pagina del PDF.
Acquisisci e aggiungi pagina</translation>
    </message>
    <message>
        <source>&amp;Recognition languages...</source>
        <translation>&amp;Lingue di riconoscimento...</translation>
    </message>
    <message>
        <source>Choose the languages the text of the pages is read in.
Recognition languages</source>
        <translation>Sceglie le lingue in cui viene letto il testo delle pagine.
Lingue di riconoscimento</translation>
    </message>
    <message>
        <source>&amp;Edit and add page...</source>
        <translation>&amp;Modifica e aggiungi pagina...</translation>
    </message>
    <message>
        <source>Place the sheet&apos;s corners on the picture by hand, then add it as a page of the PDF.
Edit and add page</source>
        <translation>Posizionare a mano gli angoli del foglio sull&apos;immagine, poi aggiungerla come pagina del PDF.
Modifica e aggiungi pagina</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Bitmap Files (*.BMP)</source>
        <translation>File bitmap (*.BMP)</translation>
    </message>
    <message>
        <source>JPEG Files (*.JPG)</source>
        <translation>File JPEG (*.JPG)</translation>
    </message>
    <message>
        <source>PNG Files (*.PNG)</source>
        <translation>File PNG (*.PNG)</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 esiste già.
Sostituirlo?</translation>
    </message>
    <message>
        <source>%1
The folder does not exist.
Check the path and try again.</source>
        <translation>%1
La cartella non esiste.
Controllare il percorso e riprovare.</translation>
    </message>
</context>
<context>
    <name>HeadlessCapture</name>
    <message>
        <source>The name is not UTF-8</source>
        <translation>Il nome non è in UTF-8</translation>
    </message>
    <message>
        <source>No sheet was found on the picture: the page keeps the whole picture.</source>
        <translation>Nessun foglio trovato nell&apos;immagine: la pagina mantiene l&apos;immagine intera.</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>The folder %1 cannot be made</source>
        <translation>Impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>There is no home folder to keep them in</source>
        <translation>Non c&apos;è una cartella personale in cui conservarle</translation>
    </message>
    <message>
        <source>The picture cannot be encoded</source>
        <translation>Impossibile codificare l&apos;immagine</translation>
    </message>
</context>
<context>
    <name>JournalRecovery</name>
    <message>
        <source>The file is cut short</source>
        <translation>Il file è troncato</translation>
    </message>
    <message>
        <source>The file was changed after it was written</source>
        <translation>Il file è stato modificato dopo essere stato scritto</translation>
    </message>
    <message>
        <source>The file holds no readable picture</source>
        <translation>Il file non contiene alcuna immagine leggibile</translation>
    </message>
</context>
<context>
    <name>LanguagePacks</name>
    <message>
        <source>simplified</source>
        <translation>semplificato</translation>
    </message>
    <message>
        <source>traditional</source>
        <translation>tradizionale</translation>
    </message>
    <message>
        <source>vertical</source>
        <translation>verticale</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>cirillico</translation>
    </message>
    <message>
        <source>Latin</source>
        <translation>latino</translation>
    </message>
    <message>
        <source>Fraktur</source>
        <translation>Fraktur</translation>
    </message>
    <message>
        <source>old spelling</source>
        <translation>ortografia antica</translation>
    </message>
    <message>
        <source>Not every chosen language was read: install %1.</source>
        <translation>Non tutte le lingue scelte sono state lette: installare %1.</translation>
    </message>
    <message>
        <source>The PDF has no text layer: install %1 to make it searchable.</source>
        <translation>Il PDF non ha un livello di testo: installare %1 per renderlo ricercabile.</translation>
    </message>
</context>
<context>
    <name>LinkError</name>
    <message>
        <source>The communication setting is not for USB.</source>
        <translation>L&apos;impostazione di comunicazione non è USB.</translation>
    </message>
    <message>
        <source>USB: Failed to transmit.</source>
        <translation>USB: invio non riuscito.</translation>
    </message>
    <message>
        <source>USB: Failed to receive.</source>
        <translation>USB: ricezione non riuscita.</translation>
    </message>
    <message>
        <source>USB: FAiled to capture image.</source>
        <translation>USB: acquisizione dell&apos;immagine non riuscita.</translation>
    </message>
    <message>
        <source>USB: Failed to communicate.</source>
        <translation>USB: comunicazione non riuscita.</translation>
    </message>
    <message>
        <source>USB: Disconnected from main unit.</source>
        <translation>USB: disconnesso dall&apos;unità principale.</translation>
    </message>
    <message>
        <source>Memory size insuffient for allocation.</source>
        <translation>Memoria insufficiente.</translation>
    </message>
    <message>
        <source>Failed to load the image!</source>
        <translation>Impossibile caricare l&apos;immagine!</translation>
    </message>
    <message>
        <source>Failed to save the image.</source>
        <translation>Impossibile salvare l&apos;immagine.</translation>
    </message>
    <message>
        <source>Failed to create the remote control.</source>
        <translation>Impossibile creare il telecomando.</translation>
    </message>
    <message>
        <source>Time out (The main unit is now initializing.)</source>
        <translation>Tempo scaduto (l&apos;unità principale è in fase di inizializzazione.)</translation>
    </message>
    <message>
        <source>Failed to save the PDF.</source>
        <translation>Impossibile salvare il PDF.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Motivo: %1</translation>
    </message>
    <message>
        <source>Failed to add the page.</source>
        <translation>Impossibile aggiungere la pagina.</translation>
    </message>
</context>
<context>
    <name>PageEditor</name>
    <message>
        <source>Edit page</source>
        <translation>Modifica pagina</translation>
    </message>
    <message>
        <source>Turn &amp;left</source>
        <translation>Ruota a &amp;sinistra</translation>
    </message>
    <message>
        <source>Turn &amp;right</source>
        <translation>Ruota a &amp;destra</translation>
    </message>
    <message>
        <source>&amp;Find the sheet</source>
        <translation>&amp;Trova il foglio</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grigio</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Bianco e nero</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>&amp;Modalità:</translation>
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
            <numerusform>%n pagina non è stata letta ed è stata omessa.</numerusform>
            <numerusform>%n pagine non sono state lette e sono state omesse.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pages from %1 were not saved. Recover them?</source>
        <translation>
            <numerusform>%n pagina del %1 non è stata salvata. Recuperarla?</numerusform>
            <numerusform>%n pagine del %1 non sono state salvate. Recuperarle?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Recupera</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Scarta</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Più tardi</translation>
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
        <translation>Impossibile leggere la pagina: %1</translation>
    </message>
</context>
<context>
    <name>PagesDialog</name>
    <message>
        <source>Pages</source>
        <translation>Pagine</translation>
    </message>
    <message>
        <source>Move &amp;earlier</source>
        <translation>&amp;Anticipa</translation>
    </message>
    <message>
        <source>Move &amp;later</source>
        <translation>&amp;Posticipa</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>E&amp;dit...</source>
        <translation>&amp;Modifica...</translation>
    </message>
    <message>
        <source>The page cannot be read: %1</source>
        <translation>Impossibile leggere la pagina: %1</translation>
    </message>
    <message>
        <source>&amp;Clean pages as they are added</source>
        <translation>Pu&amp;lisci le pagine quando vengono aggiunte</translation>
    </message>
    <message>
        <source>Split a &amp;book&apos;s two pages</source>
        <translation>Dividi le due pagine di un li&amp;bro</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grigio</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Bianco e nero</translation>
    </message>
    <message>
        <source>New pages &amp;in:</source>
        <translation>Nuove pagine &amp;in:</translation>
    </message>
</context>
<context>
    <name>PdfCommands</name>
    <message>
        <source>Save as PDF</source>
        <translation>Salva come PDF</translation>
    </message>
    <message numerus="yes">
        <source>The %n pages for the PDF are not saved. Save them?</source>
        <translation>
            <numerusform>La pagina del PDF non è salvata. Salvarla?</numerusform>
            <numerusform>Le %n pagine del PDF non sono salvate. Salvarle?</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Stop writing the PDF</source>
        <translation>Interrompi la scrittura del PDF</translation>
    </message>
    <message>
        <source>Reading the text of the pages...</source>
        <translation>Lettura del testo delle pagine...</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Motivo: %1</translation>
    </message>
    <message>
        <source>The pages are kept in memory only: unsaved pages will not survive a crash.</source>
        <translation>Le pagine sono tenute solo in memoria: le pagine non salvate andrebbero perse in caso di arresto anomalo.</translation>
    </message>
    <message>
        <source>Folder: %1
Reason: %2</source>
        <translation>Cartella: %1
Motivo: %2</translation>
    </message>
    <message>
        <source>The record of the pages on disk cannot be updated: after a crash, the pages may come back as they were before.</source>
        <translation>Impossibile aggiornare l&apos;elenco delle pagine sul disco: dopo un arresto anomalo le pagine potrebbero tornare come erano prima.</translation>
    </message>
    <message numerus="yes">
        <source>%n pages saved in %1.</source>
        <translation>
            <numerusform>%n pagina salvata in %1.</numerusform>
            <numerusform>%n pagine salvate in %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>No sheet was found on the picture: the page keeps the whole picture.</source>
        <translation>Nessun foglio trovato nell&apos;immagine: la pagina mantiene l&apos;immagine intera.</translation>
    </message>
    <message>
        <source>No sheet was found on the picture: place its corners by hand.</source>
        <translation>Nessun foglio trovato nell&apos;immagine: posizionarne gli angoli a mano.</translation>
    </message>
</context>
<context>
    <name>PdfExport</name>
    <message>
        <source>Page %1 cannot be read: %2</source>
        <translation>Impossibile leggere la pagina %1: %2</translation>
    </message>
    <message>
        <source>Page %1 cannot be encoded</source>
        <translation>Impossibile codificare la pagina %1</translation>
    </message>
    <message>
        <source>The print is too small to read well: zoom the camera in on the page for a better text layer.</source>
        <translation>Il testo è troppo piccolo per essere letto bene: avvicinare la fotocamera alla pagina per un livello di testo migliore.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra la guida sulle opzioni della riga di comando.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Mostra la guida, comprese le opzioni specifiche di Qt.</translation>
    </message>
</context>
<context>
    <name>RecognitionLanguagesDialog</name>
    <message>
        <source>Recognition languages</source>
        <translation>Lingue di riconoscimento</translation>
    </message>
    <message>
        <source>No language pack is installed: install %1 to make PDFs searchable.</source>
        <translation>Nessun pacchetto di lingua è installato: installare %1 per rendere ricercabili i PDF.</translation>
    </message>
    <message>
        <source>The &amp;languages the text of the pages is in:</source>
        <translation>Le &amp;lingue del testo delle pagine:</translation>
    </message>
</context>
<context>
    <name>SaveTarget</name>
    <message>
        <source>Not a regular file</source>
        <translation>Non è un file normale</translation>
    </message>
    <message>
        <source>A link that another user made in a shared folder</source>
        <translation>Un collegamento creato da un altro utente in una cartella condivisa</translation>
    </message>
</context>
<context>
    <name>SimCommandLine</name>
    <message>
        <source>Use the simulated main unit instead of the camera.</source>
        <translation>Usa l&apos;unità principale simulata al posto della fotocamera.</translation>
    </message>
    <message>
        <source>Raw frame the simulated main unit serves.</source>
        <translation>Fotogramma grezzo fornito dall&apos;unità principale simulata.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>file</translation>
    </message>
    <message>
        <source>Colour coefficients of the simulated main unit.</source>
        <translation>Coefficienti di colore dell&apos;unità principale simulata.</translation>
    </message>
    <message>
        <source>k0,k1,k2,k3</source>
        <translation>k0,k1,k2,k3</translation>
    </message>
    <message>
        <source>Faults the simulated main unit starts with, e.g. image-fail,short-row=7 (see the README).</source>
        <translation>Guasti con cui si avvia l&apos;unità principale simulata, ad es. image-fail,short-row=7 (vedere il README).</translation>
    </message>
    <message>
        <source>list</source>
        <translation>elenco</translation>
    </message>
    <message>
        <source>Local socket on which the simulated main unit takes commands (see quillon-simctl).</source>
        <translation>Socket locale su cui l&apos;unità principale simulata riceve i comandi (vedere quillon-simctl).</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nome</translation>
    </message>
    <message>
        <source>--%1 needs --simulate</source>
        <translation>--%1 richiede --simulate</translation>
    </message>
    <message>
        <source>--%1 needs a name</source>
        <translation>--%1 richiede un nome</translation>
    </message>
    <message>
        <source>Sheet of typeset text the simulated main unit shows: &quot;default&quot;, or changes such as points=9,turn=90,skew=3,desk=40 (see the README).</source>
        <translation>Foglio di testo composto mostrato dall&apos;unità principale simulata: &quot;default&quot; o modifiche come points=9,turn=90,skew=3,desk=40 (vedere il README).</translation>
    </message>
    <message>
        <source>--%1 and --%2 cannot be used together</source>
        <translation>--%1 e --%2 non possono essere usati insieme</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Quillon for USB: captures, shows and saves pictures of the USB document camera.</source>
        <translation>Quillon for USB: acquisisce, mostra e salva le immagini della fotocamera per documenti USB.</translation>
    </message>
    <message>
        <source>Do not show the start-up picture.</source>
        <translation>Non mostrare l&apos;immagine di avvio.</translation>
    </message>
    <message>
        <source>Start with the window minimized.</source>
        <translation>Avvia con la finestra ridotta a icona.</translation>
    </message>
    <message>
        <source>Start with the window maximized.</source>
        <translation>Avvia con la finestra ingrandita.</translation>
    </message>
    <message>
        <source>Capture one picture without a window and save it to FILE (.bmp or no extension: BMP, .png: PNG, .pdf: a searchable PDF, otherwise JPEG).</source>
        <translation>Acquisisce una immagine senza finestra e la salva in FILE (.bmp o nessuna estensione: BMP, .png: PNG, .pdf: un PDF ricercabile, altrimenti JPEG).</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>With --capture: find the sheet on the picture, square and straighten it, in the stored colour mode, before saving.</source>
        <translation>Con --capture: trovare il foglio nell&apos;immagine, raddrizzarlo e correggerne la prospettiva, nella modalità di colore salvata, prima di salvare.</translation>
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
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Busy !</source>
        <translation>Attendere...</translation>
    </message>
    <message>
        <source>The main unit is now initializing.</source>
        <translation>L&apos;unità principale si sta inizializzando.</translation>
    </message>
    <message>
        <source>Not Ready</source>
        <translation>Non pronto</translation>
    </message>
</context>
</TS>
