<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
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
        <translation>À propos de Quillon for USB</translation>
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
            <numerusform>%n page</numerusform>
            <numerusform>%n pages</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CPictureAdjustDlg</name>
    <message>
        <source>Picture Adjust</source>
        <translation>Réglage de l&apos;image</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ACTIVÉ</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>DÉSACTIVÉ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Netteté</translation>
    </message>
    <message>
        <source>Softness</source>
        <translation>Plus doux</translation>
    </message>
    <message>
        <source>Sharper</source>
        <translation>Plus net</translation>
    </message>
    <message>
        <source>Gamma correction</source>
        <translation>Correction gamma</translation>
    </message>
</context>
<context>
    <name>CQFactorDlg</name>
    <message>
        <source>Q Factor</source>
        <translation>Facteur Q</translation>
    </message>
    <message>
        <source>Higher Quality</source>
        <translation>Meilleure qualité</translation>
    </message>
    <message>
        <source>Higher Compression</source>
        <translation>Plus compressé</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CQuillon2View</name>
    <message>
        <source>Failed to print the image.</source>
        <translation>Impossible d&apos;imprimer l&apos;image.</translation>
    </message>
</context>
<context>
    <name>CRemoteControlDlg</name>
    <message>
        <source>Remote control</source>
        <translation>Télécommande</translation>
    </message>
</context>
<context>
    <name>CameraLink</name>
    <message>
        <source>The main unit is plugged in, but this user may not use it (permission denied).

The udev rule 70-quillon-camera.rules gives the logged-in user access to the main unit. Make sure it is installed (the package puts it in /usr/lib/udev/rules.d; otherwise copy it to /etc/udev/rules.d), then unplug the main unit and plug it in again.</source>
        <translation>L&apos;unité principale est branchée, mais cet utilisateur n&apos;a pas le droit de l&apos;utiliser (permission refusée).

La règle udev 70-quillon-camera.rules donne à l&apos;utilisateur connecté l&apos;accès à l&apos;unité principale. Vérifiez qu&apos;elle est installée (le paquet la place dans /usr/lib/udev/rules.d&#xa0;; sinon, copiez-la dans /etc/udev/rules.d), puis débranchez l&apos;unité principale et rebranchez-la.</translation>
    </message>
    <message>
        <source>The main unit is plugged in, but another program is using it.

Close the other program that uses the main unit. Quillon for USB connects to the main unit as soon as it is free.</source>
        <translation>L&apos;unité principale est branchée, mais un autre programme l&apos;utilise.

Fermez l&apos;autre programme qui utilise l&apos;unité principale. Quillon for USB se connecte à l&apos;unité principale dès qu&apos;elle est libre.</translation>
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
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>Save the image.
Save</source>
        <translation>Enregistre l&apos;image.
Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Print the image.
Print</source>
        <translation>Imprime l&apos;image.
Imprimer</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy the image to the clipboard.
Copy</source>
        <translation>Copie l&apos;image dans le presse-papiers.
Copier</translation>
    </message>
    <message>
        <source>Save &amp;as PDF...</source>
        <translation>Enregistrer en &amp;PDF...</translation>
    </message>
    <message>
        <source>Save the pages as one searchable PDF.
Save as PDF</source>
        <translation>Enregistre les pages dans un seul PDF où le texte peut être recherché.
Enregistrer en PDF</translation>
    </message>
    <message>
        <source>&amp;Add page</source>
        <translation>&amp;Ajouter la page</translation>
    </message>
    <message>
        <source>Add the picture as shown as a page of the PDF.
Add page</source>
        <translation>Ajoute l&apos;image, telle qu&apos;elle est affichée, comme page du PDF.
Ajouter la page</translation>
    </message>
    <message>
        <source>&amp;Pages...</source>
        <translation>&amp;Pages...</translation>
    </message>
    <message>
        <source>See, reorder and remove the pages of the PDF.
Pages</source>
        <translation>Affiche, réordonne et supprime les pages du PDF.
Pages</translation>
    </message>
    <message>
        <source>&amp;Capture</source>
        <translation>&amp;Capturer</translation>
    </message>
    <message>
        <source>Capture a new image from the main unit.
Capture</source>
        <translation>Capture une nouvelle image depuis l&apos;unité principale.
Capturer</translation>
    </message>
    <message>
        <source>&amp;JPEG Setting...</source>
        <translation>Réglage &amp;JPEG...</translation>
    </message>
    <message>
        <source>Setting of JPEG compression.
JPEG Setting</source>
        <translation>Règle la compression JPEG.
Réglage JPEG</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit the application.
Exit</source>
        <translation>Quitte l&apos;application.
Quitter</translation>
    </message>
    <message>
        <source>&amp;Sharpness...</source>
        <translation>&amp;Netteté...</translation>
    </message>
    <message>
        <source>Setting of sharpness.
Sharpness</source>
        <translation>Règle la netteté.
Netteté</translation>
    </message>
    <message>
        <source>&amp;Gamma correction...</source>
        <translation>Correction &amp;gamma...</translation>
    </message>
    <message>
        <source>Setting of gamma correction.
Gamma correction</source>
        <translation>Règle la correction gamma.
Correction gamma</translation>
    </message>
    <message>
        <source>&amp;Show the RC</source>
        <translation>&amp;Afficher la télécommande</translation>
    </message>
    <message>
        <source>Show the remote control.
Show the RC</source>
        <translation>Affiche la télécommande.
Afficher la télécommande</translation>
    </message>
    <message>
        <source>&amp;Hide the RC</source>
        <translation>&amp;Masquer la télécommande</translation>
    </message>
    <message>
        <source>Hide the remote control.
Hide the RC</source>
        <translation>Masque la télécommande.
Masquer la télécommande</translation>
    </message>
    <message>
        <source>Show or hide the remote control.
Show/Hide the RC</source>
        <translation>Affiche ou masque la télécommande.
Afficher/masquer la télécommande</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom in.
Zoom in</source>
        <translation>Agrandit l&apos;affichage.
Zoom avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>Zoom out.
Zoom out</source>
        <translation>Réduit l&apos;affichage.
Zoom arrière</translation>
    </message>
    <message>
        <source>Best &amp;Fit</source>
        <translation>A&amp;juster à la fenêtre</translation>
    </message>
    <message>
        <source>Adjust the image to fit the window.
Best Fit</source>
        <translation>Ajuste l&apos;image à la taille de la fenêtre.
Ajuster à la fenêtre</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
    <message>
        <source>Adjust the image to its original size.
Actual Size</source>
        <translation>Affiche l&apos;image à sa taille d&apos;origine.
Taille réelle</translation>
    </message>
    <message>
        <source>&amp;About Quillon for USB...</source>
        <translation>&amp;À propos de Quillon for USB...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright.
About</source>
        <translation>Affiche les informations sur le programme, son numéro de version et son copyright.
À propos</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Remote control</source>
        <translation>&amp;Télécommande</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Capture and a&amp;dd page</source>
        <translation>Capturer et a&amp;jouter la page</translation>
    </message>
    <message>
        <source>Capture a new image and add it as a page of the PDF.
Capture and add page</source>
        <translation>Capture une nouvelle image et l&apos;ajoute comme page du PDF.
Capturer et ajouter la page</translation>
    </message>
    <message>
        <source>&amp;Recognition languages...</source>
        <translation>&amp;Langues de reconnaissance...</translation>
    </message>
    <message>
        <source>Choose the languages the text of the pages is read in.
Recognition languages</source>
        <translation>Choisit les langues dans lesquelles le texte des pages est lu.
Langues de reconnaissance</translation>
    </message>
    <message>
        <source>&amp;Edit and add page...</source>
        <translation>&amp;Modifier et ajouter la page...</translation>
    </message>
    <message>
        <source>Place the sheet&apos;s corners on the picture by hand, then add it as a page of the PDF.
Edit and add page</source>
        <translation>Placer à la main les coins de la feuille sur l&apos;image, puis l&apos;ajouter comme page du PDF.
Modifier et ajouter la page</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Bitmap Files (*.BMP)</source>
        <translation>Fichiers bitmap (*.BMP)</translation>
    </message>
    <message>
        <source>JPEG Files (*.JPG)</source>
        <translation>Fichiers JPEG (*.JPG)</translation>
    </message>
    <message>
        <source>PNG Files (*.PNG)</source>
        <translation>Fichiers PNG (*.PNG)</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>%1
The folder does not exist.
Check the path and try again.</source>
        <translation>%1
Le dossier n&apos;existe pas.
Vérifiez le chemin et réessayez.</translation>
    </message>
</context>
<context>
    <name>HeadlessCapture</name>
    <message>
        <source>The name is not UTF-8</source>
        <translation>Le nom n&apos;est pas en UTF-8</translation>
    </message>
    <message>
        <source>No sheet was found on the picture: the page keeps the whole picture.</source>
        <translation>Aucune feuille n&apos;a été trouvée sur l&apos;image&#xa0;: la page garde l&apos;image entière.</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>The folder %1 cannot be made</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>There is no home folder to keep them in</source>
        <translation>Il n&apos;y a pas de dossier personnel où les conserver</translation>
    </message>
    <message>
        <source>The picture cannot be encoded</source>
        <translation>Impossible d&apos;encoder l&apos;image</translation>
    </message>
</context>
<context>
    <name>JournalRecovery</name>
    <message>
        <source>The file is cut short</source>
        <translation>Le fichier est tronqué</translation>
    </message>
    <message>
        <source>The file was changed after it was written</source>
        <translation>Le fichier a été modifié après son écriture</translation>
    </message>
    <message>
        <source>The file holds no readable picture</source>
        <translation>Le fichier ne contient aucune image lisible</translation>
    </message>
</context>
<context>
    <name>LanguagePacks</name>
    <message>
        <source>simplified</source>
        <translation>simplifié</translation>
    </message>
    <message>
        <source>traditional</source>
        <translation>traditionnel</translation>
    </message>
    <message>
        <source>vertical</source>
        <translation>vertical</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>cyrillique</translation>
    </message>
    <message>
        <source>Latin</source>
        <translation>latin</translation>
    </message>
    <message>
        <source>Fraktur</source>
        <translation>Fraktur</translation>
    </message>
    <message>
        <source>old spelling</source>
        <translation>orthographe ancienne</translation>
    </message>
    <message>
        <source>Not every chosen language was read: install %1.</source>
        <translation>Les langues choisies n&apos;ont pas toutes été lues&#xa0;: installez %1.</translation>
    </message>
    <message>
        <source>The PDF has no text layer: install %1 to make it searchable.</source>
        <translation>Le PDF n&apos;a pas de couche de texte&#xa0;: installez %1 pour pouvoir y rechercher du texte.</translation>
    </message>
</context>
<context>
    <name>LinkError</name>
    <message>
        <source>The communication setting is not for USB.</source>
        <translation>Le réglage de communication n&apos;est pas sur USB.</translation>
    </message>
    <message>
        <source>USB: Failed to transmit.</source>
        <translation>USB&#xa0;: échec de l&apos;envoi.</translation>
    </message>
    <message>
        <source>USB: Failed to receive.</source>
        <translation>USB&#xa0;: échec de la réception.</translation>
    </message>
    <message>
        <source>USB: FAiled to capture image.</source>
        <translation>USB&#xa0;: échec de la capture de l&apos;image.</translation>
    </message>
    <message>
        <source>USB: Failed to communicate.</source>
        <translation>USB&#xa0;: échec de la communication.</translation>
    </message>
    <message>
        <source>USB: Disconnected from main unit.</source>
        <translation>USB&#xa0;: déconnecté de l&apos;unité principale.</translation>
    </message>
    <message>
        <source>Memory size insuffient for allocation.</source>
        <translation>Mémoire insuffisante.</translation>
    </message>
    <message>
        <source>Failed to load the image!</source>
        <translation>Impossible de charger l&apos;image&#xa0;!</translation>
    </message>
    <message>
        <source>Failed to save the image.</source>
        <translation>Impossible d&apos;enregistrer l&apos;image.</translation>
    </message>
    <message>
        <source>Failed to create the remote control.</source>
        <translation>Impossible de créer la télécommande.</translation>
    </message>
    <message>
        <source>Time out (The main unit is now initializing.)</source>
        <translation>Délai dépassé (l&apos;unité principale est en cours d&apos;initialisation.)</translation>
    </message>
    <message>
        <source>Failed to save the PDF.</source>
        <translation>Impossible d&apos;enregistrer le PDF.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Raison&#xa0;: %1</translation>
    </message>
    <message>
        <source>Failed to add the page.</source>
        <translation>Impossible d&apos;ajouter la page.</translation>
    </message>
</context>
<context>
    <name>PageEditor</name>
    <message>
        <source>Edit page</source>
        <translation>Modifier la page</translation>
    </message>
    <message>
        <source>Turn &amp;left</source>
        <translation>Tourner à &amp;gauche</translation>
    </message>
    <message>
        <source>Turn &amp;right</source>
        <translation>Tourner à &amp;droite</translation>
    </message>
    <message>
        <source>&amp;Find the sheet</source>
        <translation>&amp;Trouver la feuille</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Noir et blanc</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>M&amp;ode&#xa0;:</translation>
    </message>
</context>
<context>
    <name>PageOrderModel</name>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
</context>
<context>
    <name>PageRecovery</name>
    <message>
        <source>Page %1: %2 (%3)</source>
        <translation>Page %1&#xa0;: %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%n pages could not be read and were left out.</source>
        <translation>
            <numerusform>%n page n&apos;a pas pu être lue et a été omise.</numerusform>
            <numerusform>%n pages n&apos;ont pas pu être lues et ont été omises.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pages from %1 were not saved. Recover them?</source>
        <translation>
            <numerusform>%n page du %1 n&apos;a pas été enregistrée. La récupérer&#xa0;?</numerusform>
            <numerusform>%n pages du %1 n&apos;ont pas été enregistrées. Les récupérer&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Récupérer</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Abandonner</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Plus tard</translation>
    </message>
</context>
<context>
    <name>PageViewer</name>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>The page cannot be read: %1</source>
        <translation>Impossible de lire la page&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>PagesDialog</name>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Move &amp;earlier</source>
        <translation>&amp;Avancer</translation>
    </message>
    <message>
        <source>Move &amp;later</source>
        <translation>&amp;Reculer</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>E&amp;dit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>The page cannot be read: %1</source>
        <translation>Impossible de lire la page&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Clean pages as they are added</source>
        <translation>&amp;Nettoyer les pages à leur ajout</translation>
    </message>
    <message>
        <source>Split a &amp;book&apos;s two pages</source>
        <translation>Séparer les deux pages d&apos;un &amp;livre</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Noir et blanc</translation>
    </message>
    <message>
        <source>New pages &amp;in:</source>
        <translation>Nouvelles pages &amp;en&#xa0;:</translation>
    </message>
</context>
<context>
    <name>PdfCommands</name>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message numerus="yes">
        <source>The %n pages for the PDF are not saved. Save them?</source>
        <translation>
            <numerusform>La page du PDF n&apos;est pas enregistrée. L&apos;enregistrer&#xa0;?</numerusform>
            <numerusform>Les %n pages du PDF ne sont pas enregistrées. Les enregistrer&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Stop writing the PDF</source>
        <translation>Arrêter l&apos;écriture du PDF</translation>
    </message>
    <message>
        <source>Reading the text of the pages...</source>
        <translation>Lecture du texte des pages...</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Raison&#xa0;: %1</translation>
    </message>
    <message>
        <source>The pages are kept in memory only: unsaved pages will not survive a crash.</source>
        <translation>Les pages ne sont gardées qu&apos;en mémoire&#xa0;: les pages non enregistrées seraient perdues en cas de plantage.</translation>
    </message>
    <message>
        <source>Folder: %1
Reason: %2</source>
        <translation>Dossier&#xa0;: %1
Raison&#xa0;: %2</translation>
    </message>
    <message>
        <source>The record of the pages on disk cannot be updated: after a crash, the pages may come back as they were before.</source>
        <translation>Impossible de mettre à jour la liste des pages sur le disque&#xa0;: après un plantage, les pages pourraient revenir dans leur état antérieur.</translation>
    </message>
    <message numerus="yes">
        <source>%n pages saved in %1.</source>
        <translation>
            <numerusform>%n page enregistrée dans %1.</numerusform>
            <numerusform>%n pages enregistrées dans %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>No sheet was found on the picture: the page keeps the whole picture.</source>
        <translation>Aucune feuille n&apos;a été trouvée sur l&apos;image&#xa0;: la page garde l&apos;image entière.</translation>
    </message>
    <message>
        <source>No sheet was found on the picture: place its corners by hand.</source>
        <translation>Aucune feuille n&apos;a été trouvée sur l&apos;image&#xa0;: placez ses coins à la main.</translation>
    </message>
</context>
<context>
    <name>PdfExport</name>
    <message>
        <source>Page %1 cannot be read: %2</source>
        <translation>Impossible de lire la page %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Page %1 cannot be encoded</source>
        <translation>Impossible d&apos;encoder la page %1</translation>
    </message>
    <message>
        <source>The print is too small to read well: zoom the camera in on the page for a better text layer.</source>
        <translation>Les caractères sont trop petits pour être bien lus&#xa0;: rapprochez la caméra de la page pour obtenir une meilleure couche de texte.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Afficher l&apos;aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Afficher l&apos;aide, y compris les options propres à Qt.</translation>
    </message>
</context>
<context>
    <name>RecognitionLanguagesDialog</name>
    <message>
        <source>Recognition languages</source>
        <translation>Langues de reconnaissance</translation>
    </message>
    <message>
        <source>No language pack is installed: install %1 to make PDFs searchable.</source>
        <translation>Aucun paquet de langue n&apos;est installé&#xa0;: installez %1 pour pouvoir rechercher dans les PDF.</translation>
    </message>
    <message>
        <source>The &amp;languages the text of the pages is in:</source>
        <translation>Les &amp;langues du texte des pages&#xa0;:</translation>
    </message>
</context>
<context>
    <name>SaveTarget</name>
    <message>
        <source>Not a regular file</source>
        <translation>Ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>A link that another user made in a shared folder</source>
        <translation>Un lien créé par un autre utilisateur dans un dossier partagé</translation>
    </message>
</context>
<context>
    <name>SimCommandLine</name>
    <message>
        <source>Use the simulated main unit instead of the camera.</source>
        <translation>Utiliser l&apos;unité principale simulée au lieu de la caméra.</translation>
    </message>
    <message>
        <source>Raw frame the simulated main unit serves.</source>
        <translation>Image brute que fournit l&apos;unité principale simulée.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <source>Colour coefficients of the simulated main unit.</source>
        <translation>Coefficients de couleur de l&apos;unité principale simulée.</translation>
    </message>
    <message>
        <source>k0,k1,k2,k3</source>
        <translation>k0,k1,k2,k3</translation>
    </message>
    <message>
        <source>Faults the simulated main unit starts with, e.g. image-fail,short-row=7 (see the README).</source>
        <translation>Pannes avec lesquelles démarre l&apos;unité principale simulée, par ex. image-fail,short-row=7 (voir le README).</translation>
    </message>
    <message>
        <source>list</source>
        <translation>liste</translation>
    </message>
    <message>
        <source>Local socket on which the simulated main unit takes commands (see quillon-simctl).</source>
        <translation>Socket local sur lequel l&apos;unité principale simulée reçoit des commandes (voir quillon-simctl).</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>--%1 needs --simulate</source>
        <translation>--%1 nécessite --simulate</translation>
    </message>
    <message>
        <source>--%1 needs a name</source>
        <translation>--%1 nécessite un nom</translation>
    </message>
    <message>
        <source>Sheet of typeset text the simulated main unit shows: &quot;default&quot;, or changes such as points=9,turn=90,skew=3,desk=40 (see the README).</source>
        <translation>Feuille de texte composé que montre l&apos;unité principale simulée&#xa0;: «&#xa0;default&#xa0;» ou des modifications comme points=9,turn=90,skew=3,desk=40 (voir le README).</translation>
    </message>
    <message>
        <source>--%1 and --%2 cannot be used together</source>
        <translation>--%1 et --%2 ne peuvent pas être utilisés ensemble</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Quillon for USB: captures, shows and saves pictures of the USB document camera.</source>
        <translation>Quillon for USB&#xa0;: capture, affiche et enregistre les images de la caméra de documents USB.</translation>
    </message>
    <message>
        <source>Do not show the start-up picture.</source>
        <translation>Ne pas afficher l&apos;image de démarrage.</translation>
    </message>
    <message>
        <source>Start with the window minimized.</source>
        <translation>Démarrer avec la fenêtre réduite.</translation>
    </message>
    <message>
        <source>Start with the window maximized.</source>
        <translation>Démarrer avec la fenêtre agrandie.</translation>
    </message>
    <message>
        <source>Capture one picture without a window and save it to FILE (.bmp or no extension: BMP, .png: PNG, .pdf: a searchable PDF, otherwise JPEG).</source>
        <translation>Capturer une image sans fenêtre et l&apos;enregistrer dans FICHIER (.bmp ou sans extension&#xa0;: BMP, .png&#xa0;: PNG, .pdf&#xa0;: un PDF où le texte peut être recherché, sinon JPEG).</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>With --capture: find the sheet on the picture, square and straighten it, in the stored colour mode, before saving.</source>
        <translation>Avec --capture&#xa0;: trouver la feuille sur l&apos;image, la redresser et corriger sa perspective, dans le mode de couleur enregistré, avant d&apos;enregistrer.</translation>
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
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Busy !</source>
        <translation>Veuillez patienter...</translation>
    </message>
    <message>
        <source>The main unit is now initializing.</source>
        <translation>L&apos;unité principale s&apos;initialise.</translation>
    </message>
    <message>
        <source>Not Ready</source>
        <translation>Pas prêt</translation>
    </message>
</context>
</TS>
