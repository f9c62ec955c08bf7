<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
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
        <translation>O programie Quillon for USB</translation>
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
            <numerusform>%n strona</numerusform>
            <numerusform>%n strony</numerusform>
            <numerusform>%n stron</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CPictureAdjustDlg</name>
    <message>
        <source>Picture Adjust</source>
        <translation>Dostosowanie obrazu</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Lewo</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Prawo</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>WŁĄCZONE</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>WYŁĄCZONE</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Ostrość</translation>
    </message>
    <message>
        <source>Softness</source>
        <translation>Łagodniej</translation>
    </message>
    <message>
        <source>Sharper</source>
        <translation>Ostrzej</translation>
    </message>
    <message>
        <source>Gamma correction</source>
        <translation>Korekcja gamma</translation>
    </message>
</context>
<context>
    <name>CQFactorDlg</name>
    <message>
        <source>Q Factor</source>
        <translation>Współczynnik Q</translation>
    </message>
    <message>
        <source>Higher Quality</source>
        <translation>Wyższa jakość</translation>
    </message>
    <message>
        <source>Higher Compression</source>
        <translation>Większa kompresja</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>CQuillon2View</name>
    <message>
        <source>Failed to print the image.</source>
        <translation>Nie udało się wydrukować obrazu.</translation>
    </message>
</context>
<context>
    <name>CRemoteControlDlg</name>
    <message>
        <source>Remote control</source>
        <translation>Pilot</translation>
    </message>
</context>
<context>
    <name>CameraLink</name>
    <message>
        <source>The main unit is plugged in, but this user may not use it (permission denied).

The udev rule 70-quillon-camera.rules gives the logged-in user access to the main unit. Make sure it is installed (the package puts it in /usr/lib/udev/rules.d; otherwise copy it to /etc/udev/rules.d), then unplug the main unit and plug it in again.</source>
        <translation>Jednostka główna jest podłączona, ale ten użytkownik nie może jej używać (odmowa dostępu).

Reguła udev 70-quillon-camera.rules daje zalogowanemu użytkownikowi dostęp do jednostki głównej. Upewnij się, że jest zainstalowana (pakiet umieszcza ją w /usr/lib/udev/rules.d; w przeciwnym razie skopiuj ją do /etc/udev/rules.d), a następnie odłącz jednostkę główną i podłącz ją ponownie.</translation>
    </message>
    <message>
        <source>The main unit is plugged in, but another program is using it.

Close the other program that uses the main unit. Quillon for USB connects to the main unit as soon as it is free.</source>
        <translation>Jednostka główna jest podłączona, ale używa jej inny program.

Zamknij inny program, który używa jednostki głównej. Quillon for USB połączy się z jednostką główną, gdy tylko będzie wolna.</translation>
    </message>
</context>
<context>
    <name>CommandBars</name>
    <message>
        <source>Standard</source>
        <comment>the tool bar&apos;s name</comment>
        <translation>Standardowy</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Zapisz...</translation>
    </message>
    <message>
        <source>Save the image.
Save</source>
        <translation>Zapisuje obraz.
Zapisz</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drukuj...</translation>
    </message>
    <message>
        <source>Print the image.
Print</source>
        <translation>Drukuje obraz.
Drukuj</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>Copy the image to the clipboard.
Copy</source>
        <translation>Kopiuje obraz do schowka.
Kopiuj</translation>
    </message>
    <message>
        <source>Save &amp;as PDF...</source>
        <translation>Zapisz jako &amp;PDF...</translation>
    </message>
    <message>
        <source>Save the pages as one searchable PDF.
Save as PDF</source>
        <translation>Zapisuje strony jako jeden przeszukiwalny plik PDF.
Zapisz jako PDF</translation>
    </message>
    <message>
        <source>&amp;Add page</source>
        <translation>&amp;Dodaj stronę</translation>
    </message>
    <message>
        <source>Add the picture as shown as a page of the PDF.
Add page</source>
        <translation>Dodaje obraz w takiej postaci, w jakiej jest wyświetlany, jako stronę pliku PDF.
Dodaj stronę</translation>
    </message>
    <message>
        <source>&amp;Pages...</source>
        <translation>&amp;Strony...</translation>
    </message>
    <message>
        <source>See, reorder and remove the pages of the PDF.
Pages</source>
        <translation>Wyświetla strony pliku PDF, zmienia ich kolejność i je usuwa.
Strony</translation>
    </message>
    <message>
        <source>&amp;Capture</source>
        <translation>Prze&amp;chwyć</translation>
    </message>
    <message>
        <source>Capture a new image from the main unit.
Capture</source>
        <translation>Przechwytuje nowy obraz z jednostki głównej.
Przechwyć</translation>
    </message>
    <message>
        <source>&amp;JPEG Setting...</source>
        <translation>Ustawienia &amp;JPEG...</translation>
    </message>
    <message>
        <source>Setting of JPEG compression.
JPEG Setting</source>
        <translation>Ustawia kompresję JPEG.
Ustawienia JPEG</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Quit the application.
Exit</source>
        <translation>Zamyka program.
Zakończ</translation>
    </message>
    <message>
        <source>&amp;Sharpness...</source>
        <translation>&amp;Ostrość...</translation>
    </message>
    <message>
        <source>Setting of sharpness.
Sharpness</source>
        <translation>Ustawia ostrość.
Ostrość</translation>
    </message>
    <message>
        <source>&amp;Gamma correction...</source>
        <translation>Korekcja &amp;gamma...</translation>
    </message>
    <message>
        <source>Setting of gamma correction.
Gamma correction</source>
        <translation>Ustawia korekcję gamma.
Korekcja gamma</translation>
    </message>
    <message>
        <source>&amp;Show the RC</source>
        <translation>&amp;Pokaż pilota</translation>
    </message>
    <message>
        <source>Show the remote control.
Show the RC</source>
        <translation>Pokazuje pilota.
Pokaż pilota</translation>
    </message>
    <message>
        <source>&amp;Hide the RC</source>
        <translation>&amp;Ukryj pilota</translation>
    </message>
    <message>
        <source>Hide the remote control.
Hide the RC</source>
        <translation>Ukrywa pilota.
Ukryj pilota</translation>
    </message>
    <message>
        <source>Show or hide the remote control.
Show/Hide the RC</source>
        <translation>Pokazuje lub ukrywa pilota.
Pokaż/ukryj pilota</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Powiększ</translation>
    </message>
    <message>
        <source>Zoom in.
Zoom in</source>
        <translation>Powiększa widok.
Powiększ</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>P&amp;omniejsz</translation>
    </message>
    <message>
        <source>Zoom out.
Zoom out</source>
        <translation>Pomniejsza widok.
Pomniejsz</translation>
    </message>
    <message>
        <source>Best &amp;Fit</source>
        <translation>&amp;Dopasuj do okna</translation>
    </message>
    <message>
        <source>Adjust the image to fit the window.
Best Fit</source>
        <translation>Dopasowuje obraz do okna.
Dopasuj do okna</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Rzeczywisty rozmiar</translation>
    </message>
    <message>
        <source>Adjust the image to its original size.
Actual Size</source>
        <translation>Wyświetla obraz w oryginalnym rozmiarze.
Rzeczywisty rozmiar</translation>
    </message>
    <message>
        <source>&amp;About Quillon for USB...</source>
        <translation>&amp;O programie Quillon for USB...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright.
About</source>
        <translation>Wyświetla informacje o programie, numer wersji i prawa autorskie.
O programie</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Remote control</source>
        <translation>Pi&amp;lot</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>Po&amp;większenie</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Capture and a&amp;dd page</source>
        <translation>&amp;Przechwyć i dodaj stronę</translation>
    </message>
    <message>
        <source>Capture a new image and add it as a page of the PDF.
Capture and add page</source>
        <translation>Przechwytuje nowy obraz i dodaje go jako stronę pliku PDF.
Przechwyć i dodaj stronę</translation>
    </message>
    <message>
        <source>&amp;Recognition languages...</source>
        <translation>Języki &amp;rozpoznawania...</translation>
    </message>
    <message>
        <source>Choose the languages the text of the pages is read in.
Recognition languages</source>
        <translation>Wybiera języki, w których odczytywany jest tekst stron.
Języki rozpoznawania</translation>
    </message>
    <message>
        <source>&amp;Edit and add page...</source>
        <translation>&amp;Edytuj i dodaj stronę...</translation>
    </message>
    <message>
        <source>Place the sheet&apos;s corners on the picture by hand, then add it as a page of the PDF.
Edit and add page</source>
        <translation>Ręcznie ustaw narożniki arkusza na obrazie, a potem dodaj go jako stronę pliku PDF.
Edytuj i dodaj stronę</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Bitmap Files (*.BMP)</source>
        <translation>Pliki map bitowych (*.BMP)</translation>
    </message>
    <message>
        <source>JPEG Files (*.JPG)</source>
        <translation>Pliki JPEG (*.JPG)</translation>
    </message>
    <message>
        <source>PNG Files (*.PNG)</source>
        <translation>Pliki PNG (*.PNG)</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Pliki PDF (*.pdf)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 już istnieje.
Czy chcesz go zastąpić?</translation>
    </message>
    <message>
        <source>%1
The folder does not exist.
Check the path and try again.</source>
        <translation>%1
Folder nie istnieje.
Sprawdź ścieżkę i spróbuj ponownie.</translation>
    </message>
</context>
<context>
    <name>HeadlessCapture</name>
    <message>
        <source>The name is not UTF-8</source>
        <translation>Nazwa nie jest w kodowaniu UTF-8</translation>
    </message>
    <message>
        <source>No sheet was found on the picture: the page keeps the whole picture.</source>
        <translation>Na obrazie nie znaleziono arkusza: strona zachowuje cały obraz.</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>The folder %1 cannot be made</source>
        <translation>Nie można utworzyć folderu %1</translation>
    </message>
    <message>
        <source>There is no home folder to keep them in</source>
        <translation>Brak folderu domowego, w którym można je przechować</translation>
    </message>
    <message>
        <source>The picture cannot be encoded</source>
        <translation>Nie można zakodować obrazu</translation>
    </message>
</context>
<context>
    <name>JournalRecovery</name>
    <message>
        <source>The file is cut short</source>
        <translation>Plik jest obcięty</translation>
    </message>
    <message>
        <source>The file was changed after it was written</source>
        <translation>Plik został zmieniony po zapisaniu</translation>
    </message>
    <message>
        <source>The file holds no readable picture</source>
        <translation>Plik nie zawiera czytelnego obrazu</translation>
    </message>
</context>
<context>
    <name>LanguagePacks</name>
    <message>
        <source>simplified</source>
        <translation>uproszczony</translation>
    </message>
    <message>
        <source>traditional</source>
        <translation>tradycyjny</translation>
    </message>
    <message>
        <source>vertical</source>
        <translation>pionowy</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>cyrylica</translation>
    </message>
    <message>
        <source>Latin</source>
        <translation>łacinka</translation>
    </message>
    <message>
        <source>Fraktur</source>
        <translation>fraktura</translation>
    </message>
    <message>
        <source>old spelling</source>
        <translation>dawna pisownia</translation>
    </message>
    <message>
        <source>Not every chosen language was read: install %1.</source>
        <translation>Nie odczytano wszystkich wybranych języków: zainstaluj %1.</translation>
    </message>
    <message>
        <source>The PDF has no text layer: install %1 to make it searchable.</source>
        <translation>Plik PDF nie ma warstwy tekstowej: zainstaluj %1, aby można było go przeszukiwać.</translation>
    </message>
</context>
<context>
    <name>LinkError</name>
    <message>
        <source>The communication setting is not for USB.</source>
        <translation>Ustawienie komunikacji nie jest ustawione na USB.</translation>
    </message>
    <message>
        <source>USB: Failed to transmit.</source>
        <translation>USB: nie udało się wysłać danych.</translation>
    </message>
    <message>
        <source>USB: Failed to receive.</source>
        <translation>USB: nie udało się odebrać danych.</translation>
    </message>
    <message>
        <source>USB: FAiled to capture image.</source>
        <translation>USB: nie udało się przechwycić obrazu.</translation>
    </message>
    <message>
        <source>USB: Failed to communicate.</source>
        <translation>USB: błąd komunikacji.</translation>
    </message>
    <message>
        <source>USB: Disconnected from main unit.</source>
        <translation>USB: rozłączono z jednostką główną.</translation>
    </message>
    <message>
        <source>Memory size insuffient for allocation.</source>
        <translation>Za mało pamięci.</translation>
    </message>
    <message>
        <source>Failed to load the image!</source>
        <translation>Nie udało się wczytać obrazu!</translation>
    </message>
    <message>
        <source>Failed to save the image.</source>
        <translation>Nie udało się zapisać obrazu.</translation>
    </message>
    <message>
        <source>Failed to create the remote control.</source>
        <translation>Nie udało się utworzyć pilota.</translation>
    </message>
    <message>
        <source>Time out (The main unit is now initializing.)</source>
        <translation>Przekroczono limit czasu (jednostka główna jest inicjowana.)</translation>
    </message>
    <message>
        <source>Failed to save the PDF.</source>
        <translation>Nie udało się zapisać pliku PDF.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Plik: %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Przyczyna: %1</translation>
    </message>
    <message>
        <source>Failed to add the page.</source>
        <translation>Nie udało się dodać strony.</translation>
    </message>
</context>
<context>
    <name>PageEditor</name>
    <message>
        <source>Edit page</source>
        <translation>Edytuj stronę</translation>
    </message>
    <message>
        <source>Turn &amp;left</source>
        <translation>Obróć w &amp;lewo</translation>
    </message>
    <message>
        <source>Turn &amp;right</source>
        <translation>Obróć w p&amp;rawo</translation>
    </message>
    <message>
        <source>&amp;Find the sheet</source>
        <translation>&amp;Znajdź arkusz</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Skala szarości</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Czarno-białe</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>&amp;Tryb:</translation>
    </message>
</context>
<context>
    <name>PageOrderModel</name>
    <message>
        <source>Page %1</source>
        <translation>Strona %1</translation>
    </message>
</context>
<context>
    <name>PageRecovery</name>
    <message>
        <source>Page %1: %2 (%3)</source>
        <translation>Strona %1: %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%n pages could not be read and were left out.</source>
        <translation>
            <numerusform>%n strona nie mogła zostać odczytana i została pominięta.</numerusform>
            <numerusform>%n strony nie mogły zostać odczytane i zostały pominięte.</numerusform>
            <numerusform>%n stron nie mogło zostać odczytanych i zostało pominiętych.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pages from %1 were not saved. Recover them?</source>
        <translation>
            <numerusform>%n strona z %1 nie została zapisana. Odzyskać ją?</numerusform>
            <numerusform>%n strony z %1 nie zostały zapisane. Odzyskać je?</numerusform>
            <numerusform>%n stron z %1 nie zostało zapisanych. Odzyskać je?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Odzyskaj</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>O&amp;drzuć</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Później</translation>
    </message>
</context>
<context>
    <name>PageViewer</name>
    <message>
        <source>Page %1</source>
        <translation>Strona %1</translation>
    </message>
    <message>
        <source>The page cannot be read: %1</source>
        <translation>Nie można odczytać strony: %1</translation>
    </message>
</context>
<context>
    <name>PagesDialog</name>
    <message>
        <source>Pages</source>
        <translation>Strony</translation>
    </message>
    <message>
        <source>Move &amp;earlier</source>
        <translation>Przesuń w&amp;cześniej</translation>
    </message>
    <message>
        <source>Move &amp;later</source>
        <translation>Przesuń &amp;później</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>E&amp;dit...</source>
        <translation>&amp;Edytuj...</translation>
    </message>
    <message>
        <source>The page cannot be read: %1</source>
        <translation>Nie można odczytać strony: %1</translation>
    </message>
    <message>
        <source>&amp;Clean pages as they are added</source>
        <translation>&amp;Oczyszczaj dodawane strony</translation>
    </message>
    <message>
        <source>Split a &amp;book&apos;s two pages</source>
        <translation>&amp;Dziel dwie strony książki</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Skala szarości</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Czarno-białe</translation>
    </message>
    <message>
        <source>New pages &amp;in:</source>
        <translation>Nowe strony &amp;w trybie:</translation>
    </message>
</context>
<context>
    <name>PdfCommands</name>
    <message>
        <source>Save as PDF</source>
        <translation>Zapisz jako PDF</translation>
    </message>
    <message numerus="yes">
        <source>The %n pages for the PDF are not saved. Save them?</source>
        <translation>
            <numerusform>Strona pliku PDF nie jest zapisana. Zapisać ją?</numerusform>
            <numerusform>%n strony pliku PDF nie są zapisane. Zapisać je?</numerusform>
            <numerusform>%n stron pliku PDF nie jest zapisanych. Zapisać je?</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Stop writing the PDF</source>
        <translation>Przerwij zapisywanie pliku PDF</translation>
    </message>
    <message>
        <source>Reading the text of the pages...</source>
        <translation>Odczytywanie tekstu stron...</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Przyczyna: %1</translation>
    </message>
    <message>
        <source>The pages are kept in memory only: unsaved pages will not survive a crash.</source>
        <translation>Strony są przechowywane tylko w pamięci: niezapisane strony nie przetrwają awarii.</translation>
    </message>
    <message>
        <source>Folder: %1
Reason: %2</source>
        <translation>Folder: %1
Przyczyna: %2</translation>
    </message>
    <message>
        <source>The record of the pages on disk cannot be updated: after a crash, the pages may come back as they were before.</source>
        <translation>Nie można zaktualizować spisu stron na dysku: po awarii strony mogą wrócić w poprzednim stanie.</translation>
    </message>
    <message numerus="yes">
        <source>%n pages saved in %1.</source>
        <translation>
            <numerusform>%n strona zapisana w %1.</numerusform>
            <numerusform>%n strony zapisane w %1.</numerusform>
            <numerusform>%n stron zapisanych w %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>No sheet was found on the picture: the page keeps the whole picture.</source>
        <translation>Na obrazie nie znaleziono arkusza: strona zachowuje cały obraz.</translation>
    </message>
    <message>
        <source>No sheet was found on the picture: place its corners by hand.</source>
        <translation>Na obrazie nie znaleziono arkusza: ustaw jego narożniki ręcznie.</translation>
    </message>
</context>
<context>
    <name>PdfExport</name>
    <message>
        <source>Page %1 cannot be read: %2</source>
        <translation>Nie można odczytać strony %1: %2</translation>
    </message>
    <message>
        <source>Page %1 cannot be encoded</source>
        <translation>Nie można zakodować strony %1</translation>
    </message>
    <message>
        <source>The print is too small to read well: zoom the camera in on the page for a better text layer.</source>
        <translation>Druk jest zbyt mały, aby dobrze go odczytać: przybliż kamerę do strony, aby uzyskać lepszą warstwę tekstową.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Wyświetla pomoc dotyczącą opcji wiersza poleceń.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Wyświetla pomoc wraz z opcjami specyficznymi dla Qt.</translation>
    </message>
</context>
<context>
    <name>RecognitionLanguagesDialog</name>
    <message>
        <source>Recognition languages</source>
        <translation>Języki rozpoznawania</translation>
    </message>
    <message>
        <source>No language pack is installed: install %1 to make PDFs searchable.</source>
        <translation>Nie zainstalowano żadnego pakietu językowego: zainstaluj %1, aby móc przeszukiwać pliki PDF.</translation>
    </message>
    <message>
        <source>The &amp;languages the text of the pages is in:</source>
        <translation>&amp;Języki tekstu na stronach:</translation>
    </message>
</context>
<context>
    <name>SaveTarget</name>
    <message>
        <source>Not a regular file</source>
        <translation>To nie jest zwykły plik</translation>
    </message>
    <message>
        <source>A link that another user made in a shared folder</source>
        <translation>Dowiązanie utworzone przez innego użytkownika we wspólnym folderze</translation>
    </message>
</context>
<context>
    <name>SimCommandLine</name>
    <message>
        <source>Use the simulated main unit instead of the camera.</source>
        <translation>Używa symulowanej jednostki głównej zamiast kamery.</translation>
    </message>
    <message>
        <source>Raw frame the simulated main unit serves.</source>
        <translation>Surowa klatka, którą dostarcza symulowana jednostka główna.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>plik</translation>
    </message>
    <message>
        <source>Colour coefficients of the simulated main unit.</source>
        <translation>Współczynniki kolorów symulowanej jednostki głównej.</translation>
    </message>
    <message>
        <source>k0,k1,k2,k3</source>
        <translation>k0,k1,k2,k3</translation>
    </message>
    <message>
        <source>Faults the simulated main unit starts with, e.g. image-fail,short-row=7 (see the README).</source>
        <translation>Usterki, z którymi startuje symulowana jednostka główna, np. image-fail,short-row=7 (zob. README).</translation>
    </message>
    <message>
        <source>list</source>
        <translation>lista</translation>
    </message>
    <message>
        <source>Local socket on which the simulated main unit takes commands (see quillon-simctl).</source>
        <translation>Lokalne gniazdo, przez które symulowana jednostka główna przyjmuje polecenia (zob. quillon-simctl).</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nazwa</translation>
    </message>
    <message>
        <source>--%1 needs --simulate</source>
        <translation>--%1 wymaga --simulate</translation>
    </message>
    <message>
        <source>--%1 needs a name</source>
        <translation>--%1 wymaga nazwy</translation>
    </message>
    <message>
        <source>Sheet of typeset text the simulated main unit shows: &quot;default&quot;, or changes such as points=9,turn=90,skew=3,desk=40 (see the README).</source>
        <translation>Arkusz złożonego tekstu, który pokazuje symulowana jednostka główna: &quot;default&quot; lub zmiany, np. points=9,turn=90,skew=3,desk=40 (zob. README).</translation>
    </message>
    <message>
        <source>--%1 and --%2 cannot be used together</source>
        <translation>--%1 i --%2 nie mogą być użyte razem</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Quillon for USB: captures, shows and saves pictures of the USB document camera.</source>
        <translation>Quillon for USB: przechwytuje, wyświetla i zapisuje obrazy z kamery dokumentowej USB.</translation>
    </message>
    <message>
        <source>Do not show the start-up picture.</source>
        <translation>Nie pokazuje obrazu startowego.</translation>
    </message>
    <message>
        <source>Start with the window minimized.</source>
        <translation>Uruchamia ze zminimalizowanym oknem.</translation>
    </message>
    <message>
        <source>Start with the window maximized.</source>
        <translation>Uruchamia ze zmaksymalizowanym oknem.</translation>
    </message>
    <message>
        <source>Capture one picture without a window and save it to FILE (.bmp or no extension: BMP, .png: PNG, .pdf: a searchable PDF, otherwise JPEG).</source>
        <translation>Przechwytuje jeden obraz bez okna i zapisuje go w PLIK (.bmp lub brak rozszerzenia: BMP, .png: PNG, .pdf: przeszukiwalny PDF, w pozostałych przypadkach JPEG).</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>PLIK</translation>
    </message>
    <message>
        <source>With --capture: find the sheet on the picture, square and straighten it, in the stored colour mode, before saving.</source>
        <translation>Z --capture: znaleźć arkusz na obrazie, wyprostować go i skorygować perspektywę, w zapisanym trybie kolorów, przed zapisaniem.</translation>
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
        <translation>Gotowy</translation>
    </message>
    <message>
        <source>Busy !</source>
        <translation>Proszę czekać...</translation>
    </message>
    <message>
        <source>The main unit is now initializing.</source>
        <translation>Jednostka główna jest inicjowana.</translation>
    </message>
    <message>
        <source>Not Ready</source>
        <translation>Niegotowy</translation>
    </message>
</context>
</TS>
