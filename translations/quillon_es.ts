<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
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
        <translation>Acerca de Quillon for USB</translation>
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
            <numerusform>%n página</numerusform>
            <numerusform>%n páginas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CPictureAdjustDlg</name>
    <message>
        <source>Picture Adjust</source>
        <translation>Ajuste de imagen</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ACTIVADO</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>DESACTIVADO</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Nitidez</translation>
    </message>
    <message>
        <source>Softness</source>
        <translation>Más suave</translation>
    </message>
    <message>
        <source>Sharper</source>
        <translation>Más nítido</translation>
    </message>
    <message>
        <source>Gamma correction</source>
        <translation>Corrección gamma</translation>
    </message>
</context>
<context>
    <name>CQFactorDlg</name>
    <message>
        <source>Q Factor</source>
        <translation>Factor Q</translation>
    </message>
    <message>
        <source>Higher Quality</source>
        <translation>Más calidad</translation>
    </message>
    <message>
        <source>Higher Compression</source>
        <translation>Más compresión</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CQuillon2View</name>
    <message>
        <source>Failed to print the image.</source>
        <translation>No se pudo imprimir la imagen.</translation>
    </message>
</context>
<context>
    <name>CRemoteControlDlg</name>
    <message>
        <source>Remote control</source>
        <translation>Control remoto</translation>
    </message>
</context>
<context>
    <name>CameraLink</name>
    <message>
        <source>The main unit is plugged in, but this user may not use it (permission denied).

The udev rule 70-quillon-camera.rules gives the logged-in user access to the main unit. Make sure it is installed (the package puts it in /usr/lib/udev/rules.d; otherwise copy it to /etc/udev/rules.d), then unplug the main unit and plug it in again.</source>
        <translation>La unidad principal está conectada, pero este usuario no tiene permiso para usarla (permiso denegado).

La regla de udev 70-quillon-camera.rules da acceso a la unidad principal al usuario que ha iniciado la sesión. Compruebe que está instalada (el paquete la coloca en /usr/lib/udev/rules.d; si no, cópiela en /etc/udev/rules.d) y, a continuación, desconecte la unidad principal y vuelva a conectarla.</translation>
    </message>
    <message>
        <source>The main unit is plugged in, but another program is using it.

Close the other program that uses the main unit. Quillon for USB connects to the main unit as soon as it is free.</source>
        <translation>La unidad principal está conectada, pero otro programa la está usando.

Cierre el otro programa que usa la unidad principal. Quillon for USB se conecta a la unidad principal en cuanto queda libre.</translation>
    </message>
</context>
<context>
    <name>CommandBars</name>
    <message>
        <source>Standard</source>
        <comment>the tool bar&apos;s name</comment>
        <translation>Estándar</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>Save the image.
Save</source>
        <translation>Guarda la imagen.
Guardar</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print the image.
Print</source>
        <translation>Imprime la imagen.
Imprimir</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy the image to the clipboard.
Copy</source>
        <translation>Copia la imagen en el portapapeles.
Copiar</translation>
    </message>
    <message>
        <source>Save &amp;as PDF...</source>
        <translation>Guardar como &amp;PDF...</translation>
    </message>
    <message>
        <source>Save the pages as one searchable PDF.
Save as PDF</source>
        <translation>Guarda las páginas en un solo PDF en el que se puede buscar.
Guardar como PDF</translation>
    </message>
    <message>
        <source>&amp;Add page</source>
        <translation>&amp;Añadir página</translation>
    </message>
    <message>
        <source>Add the picture as shown as a page of the PDF.
Add page</source>
        <translation>Añade la imagen, tal como se muestra, como página del PDF.
Añadir página</translation>
    </message>
    <message>
        <source>&amp;Pages...</source>
        <translation>&amp;Páginas...</translation>
    </message>
    <message>
        <source>See, reorder and remove the pages of the PDF.
Pages</source>
        <translation>Muestra, reordena y quita las páginas del PDF.
Páginas</translation>
    </message>
    <message>
        <source>&amp;Capture</source>
        <translation>&amp;Capturar</translation>
    </message>
    <message>
        <source>Capture a new image from the main unit.
Capture</source>
        <translation>Captura una imagen nueva de la unidad principal.
Capturar</translation>
    </message>
    <message>
        <source>&amp;JPEG Setting...</source>
        <translation>Ajuste &amp;JPEG...</translation>
    </message>
    <message>
        <source>Setting of JPEG compression.
JPEG Setting</source>
        <translation>Ajusta la compresión JPEG.
Ajuste JPEG</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quit the application.
Exit</source>
        <translation>Sale de la aplicación.
Salir</translation>
    </message>
    <message>
        <source>&amp;Sharpness...</source>
        <translation>&amp;Nitidez...</translation>
    </message>
    <message>
        <source>Setting of sharpness.
Sharpness</source>
        <translation>Ajusta la nitidez.
Nitidez</translation>
    </message>
    <message>
        <source>&amp;Gamma correction...</source>
        <translation>Corrección &amp;gamma...</translation>
    </message>
    <message>
        <source>Setting of gamma correction.
Gamma correction</source>
        <translation>Ajusta la corrección gamma.
Corrección gamma</translation>
    </message>
    <message>
        <source>&amp;Show the RC</source>
        <translation>&amp;Mostrar el control remoto</translation>
    </message>
    <message>
        <source>Show the remote control.
Show the RC</source>
        <translation>Muestra el control remoto.
Mostrar el control remoto</translation>
    </message>
    <message>
        <source>&amp;Hide the RC</source>
        <translation>&amp;Ocultar el control remoto</translation>
    </message>
    <message>
        <source>Hide the remote control.
Hide the RC</source>
        <translation>Oculta el control remoto.
Ocultar el control remoto</translation>
    </message>
    <message>
        <source>Show or hide the remote control.
Show/Hide the RC</source>
        <translation>Muestra u oculta el control remoto.
Mostrar/ocultar el control remoto</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Acercar</translation>
    </message>
    <message>
        <source>Zoom in.
Zoom in</source>
        <translation>Acerca la vista.
Acercar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>A&amp;lejar</translation>
    </message>
    <message>
        <source>Zoom out.
Zoom out</source>
        <translation>Aleja la vista.
Alejar</translation>
    </message>
    <message>
        <source>Best &amp;Fit</source>
        <translation>A&amp;justar a la ventana</translation>
    </message>
    <message>
        <source>Adjust the image to fit the window.
Best Fit</source>
        <translation>Ajusta la imagen al tamaño de la ventana.
Ajustar a la ventana</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Tamaño real</translation>
    </message>
    <message>
        <source>Adjust the image to its original size.
Actual Size</source>
        <translation>Muestra la imagen en su tamaño original.
Tamaño real</translation>
    </message>
    <message>
        <source>&amp;About Quillon for USB...</source>
        <translation>&amp;Acerca de Quillon for USB...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright.
About</source>
        <translation>Muestra la información del programa, el número de versión y el copyright.
Acerca de</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Remote control</source>
        <translation>&amp;Control remoto</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Capture and a&amp;dd page</source>
        <translation>Captu&amp;rar y añadir página</translation>
    </message>
    <message>
        <source>Capture a new image and add it as a page of the PDF.
Capture and add page</source>
        <translation>Captura una imagen nueva y la añade como página del PDF.
Capturar y añadir página</translation>
    </message>
    <message>
        <source>&amp;Recognition languages...</source>
        <translation>&amp;Idiomas de reconocimiento...</translation>
    </message>
    <message>
        <source>Choose the languages the text of the pages is read in.
Recognition languages</source>
        <translation>Elige los idiomas en que se lee el texto de las páginas.
Idiomas de reconocimiento</translation>
    </message>
    <message>
        <source>&amp;Edit and add page...</source>
        <translation>&amp;Editar y añadir página...</translation>
    </message>
    <message>
        <source>Place the sheet&apos;s corners on the picture by hand, then add it as a page of the PDF.
Edit and add page</source>
        <translation>Colocar a mano las esquinas de la hoja en la imagen y añadirla como página del PDF.
Editar y añadir página</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Bitmap Files (*.BMP)</source>
        <translation>Archivos de mapa de bits (*.BMP)</translation>
    </message>
    <message>
        <source>JPEG Files (*.JPG)</source>
        <translation>Archivos JPEG (*.JPG)</translation>
    </message>
    <message>
        <source>PNG Files (*.PNG)</source>
        <translation>Archivos PNG (*.PNG)</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>%1
The folder does not exist.
Check the path and try again.</source>
        <translation>%1
La carpeta no existe.
Compruebe la ruta e inténtelo de nuevo.</translation>
    </message>
</context>
<context>
    <name>HeadlessCapture</name>
    <message>
        <source>The name is not UTF-8</source>
        <translation>El nombre no está en UTF-8</translation>
    </message>
    <message>
        <source>No sheet was found on the picture: the page keeps the whole picture.</source>
        <translation>No se encontró ninguna hoja en la imagen: la página conserva la imagen entera.</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>The folder %1 cannot be made</source>
        <translation>No se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>There is no home folder to keep them in</source>
        <translation>No hay carpeta personal donde guardarlas</translation>
    </message>
    <message>
        <source>The picture cannot be encoded</source>
        <translation>No se puede codificar la imagen</translation>
    </message>
</context>
<context>
    <name>JournalRecovery</name>
    <message>
        <source>The file is cut short</source>
        <translation>El archivo está truncado</translation>
    </message>
    <message>
        <source>The file was changed after it was written</source>
        <translation>El archivo se modificó después de escribirse</translation>
    </message>
    <message>
        <source>The file holds no readable picture</source>
        <translation>El archivo no contiene ninguna imagen legible</translation>
    </message>
</context>
<context>
    <name>LanguagePacks</name>
    <message>
        <source>simplified</source>
        <translation>simplificado</translation>
    </message>
    <message>
        <source>traditional</source>
        <translation>tradicional</translation>
    </message>
    <message>
        <source>vertical</source>
        <translation>vertical</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>cirílico</translation>
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
        <translation>ortografía antigua</translation>
    </message>
    <message>
        <source>Not every chosen language was read: install %1.</source>
        <translation>No se leyeron todos los idiomas elegidos: instale %1.</translation>
    </message>
    <message>
        <source>The PDF has no text layer: install %1 to make it searchable.</source>
        <translation>El PDF no tiene capa de texto: instale %1 para poder buscar en él.</translation>
    </message>
</context>
<context>
    <name>LinkError</name>
    <message>
        <source>The communication setting is not for USB.</source>
        <translation>El ajuste de comunicación no es USB.</translation>
    </message>
    <message>
        <source>USB: Failed to transmit.</source>
        <translation>USB: error al enviar.</translation>
    </message>
    <message>
        <source>USB: Failed to receive.</source>
        <translation>USB: error al recibir.</translation>
    </message>
    <message>
        <source>USB: FAiled to capture image.</source>
        <translation>USB: error al capturar la imagen.</translation>
    </message>
    <message>
        <source>USB: Failed to communicate.</source>
        <translation>USB: error de comunicación.</translation>
    </message>
    <message>
        <source>USB: Disconnected from main unit.</source>
        <translation>USB: desconectado de la unidad principal.</translation>
    </message>
    <message>
        <source>Memory size insuffient for allocation.</source>
        <translation>No hay memoria suficiente.</translation>
    </message>
    <message>
        <source>Failed to load the image!</source>
        <translation>¡No se pudo cargar la imagen!</translation>
    </message>
    <message>
        <source>Failed to save the image.</source>
        <translation>No se pudo guardar la imagen.</translation>
    </message>
    <message>
        <source>Failed to create the remote control.</source>
        <translation>No se pudo crear el control remoto.</translation>
    </message>
    <message>
        <source>Time out (The main unit is now initializing.)</source>
        <translation>Tiempo de espera agotado (la unidad principal se está inicializando.)</translation>
    </message>
    <message>
        <source>Failed to save the PDF.</source>
        <translation>No se pudo guardar el PDF.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Archivo: %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Motivo: %1</translation>
    </message>
    <message>
        <source>Failed to add the page.</source>
        <translation>No se pudo añadir la página.</translation>
    </message>
</context>
<context>
    <name>PageEditor</name>
    <message>
        <source>Edit page</source>
        <translation>Editar página</translation>
    </message>
    <message>
        <source>Turn &amp;left</source>
        <translation>Girar a la &amp;izquierda</translation>
    </message>
    <message>
        <source>Turn &amp;right</source>
        <translation>Girar a la &amp;derecha</translation>
    </message>
    <message>
        <source>&amp;Find the sheet</source>
        <translation>&amp;Buscar la hoja</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Blanco y negro</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>&amp;Modo:</translation>
    </message>
</context>
<context>
    <name>PageOrderModel</name>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
</context>
<context>
    <name>PageRecovery</name>
    <message>
        <source>Page %1: %2 (%3)</source>
        <translation>Página %1: %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%n pages could not be read and were left out.</source>
        <translation>
            <numerusform>%n página no se pudo leer y se omitió.</numerusform>
            <numerusform>%n páginas no se pudieron leer y se omitieron.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pages from %1 were not saved. Recover them?</source>
        <translation>
            <numerusform>%n página del %1 no se guardó. ¿Recuperarla?</numerusform>
            <numerusform>%n páginas del %1 no se guardaron. ¿Recuperarlas?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Recuperar</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>Más &amp;tarde</translation>
    </message>
</context>
<context>
    <name>PageViewer</name>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>The page cannot be read: %1</source>
        <translation>No se puede leer la página: %1</translation>
    </message>
</context>
<context>
    <name>PagesDialog</name>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Move &amp;earlier</source>
        <translation>&amp;Adelantar</translation>
    </message>
    <message>
        <source>Move &amp;later</source>
        <translation>&amp;Retrasar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>E&amp;dit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>The page cannot be read: %1</source>
        <translation>No se puede leer la página: %1</translation>
    </message>
    <message>
        <source>&amp;Clean pages as they are added</source>
        <translation>&amp;Limpiar las páginas al añadirlas</translation>
    </message>
    <message>
        <source>Split a &amp;book&apos;s two pages</source>
        <translation>Separar las dos páginas de un li&amp;bro</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Blanco y negro</translation>
    </message>
    <message>
        <source>New pages &amp;in:</source>
        <translation>Páginas &amp;nuevas en:</translation>
    </message>
</context>
<context>
    <name>PdfCommands</name>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message numerus="yes">
        <source>The %n pages for the PDF are not saved. Save them?</source>
        <translation>
            <numerusform>La página del PDF no está guardada. ¿Guardarla?</numerusform>
            <numerusform>Las %n páginas del PDF no están guardadas. ¿Guardarlas?</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stop writing the PDF</source>
        <translation>Detener la escritura del PDF</translation>
    </message>
    <message>
        <source>Reading the text of the pages...</source>
        <translation>Leyendo el texto de las páginas...</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Motivo: %1</translation>
    </message>
    <message>
        <source>The pages are kept in memory only: unsaved pages will not survive a crash.</source>
        <translation>Las páginas solo se guardan en memoria: las páginas sin guardar no sobrevivirán a un fallo.</translation>
    </message>
    <message>
        <source>Folder: %1
Reason: %2</source>
        <translation>Carpeta: %1
Motivo: %2</translation>
    </message>
    <message>
        <source>The record of the pages on disk cannot be updated: after a crash, the pages may come back as they were before.</source>
        <translation>No se puede actualizar el registro de las páginas en el disco: tras un fallo, las páginas podrían volver como estaban antes.</translation>
    </message>
    <message numerus="yes">
        <source>%n pages saved in %1.</source>
        <translation>
            <numerusform>%n página guardada en %1.</numerusform>
            <numerusform>%n páginas guardadas en %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>No sheet was found on the picture: the page keeps the whole picture.</source>
        <translation>No se encontró ninguna hoja en la imagen: la página conserva la imagen entera.</translation>
    </message>
    <message>
        <source>No sheet was found on the picture: place its corners by hand.</source>
        <translation>No se encontró ninguna hoja en la imagen: coloque sus esquinas a mano.</translation>
    </message>
</context>
<context>
    <name>PdfExport</name>
    <message>
        <source>Page %1 cannot be read: %2</source>
        <translation>No se puede leer la página %1: %2</translation>
    </message>
    <message>
        <source>Page %1 cannot be encoded</source>
        <translation>No se puede codificar la página %1</translation>
    </message>
    <message>
        <source>The print is too small to read well: zoom the camera in on the page for a better text layer.</source>
        <translation>La letra es demasiado pequeña para leerse bien: acerque la cámara a la página para obtener una mejor capa de texto.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de órdenes.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Muestra la ayuda, incluidas las opciones propias de Qt.</translation>
    </message>
</context>
<context>
    <name>RecognitionLanguagesDialog</name>
    <message>
        <source>Recognition languages</source>
        <translation>Idiomas de reconocimiento</translation>
    </message>
    <message>
        <source>No language pack is installed: install %1 to make PDFs searchable.</source>
        <translation>No hay ningún paquete de idioma instalado: instale %1 para poder buscar en los PDF.</translation>
    </message>
    <message>
        <source>The &amp;languages the text of the pages is in:</source>
        <translation>Los &amp;idiomas del texto de las páginas:</translation>
    </message>
</context>
<context>
    <name>SaveTarget</name>
    <message>
        <source>Not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message>
        <source>A link that another user made in a shared folder</source>
        <translation>Un enlace que otro usuario creó en una carpeta compartida</translation>
    </message>
</context>
<context>
    <name>SimCommandLine</name>
    <message>
        <source>Use the simulated main unit instead of the camera.</source>
        <translation>Usar la unidad principal simulada en lugar de la cámara.</translation>
    </message>
    <message>
        <source>Raw frame the simulated main unit serves.</source>
        <translation>Imagen en bruto que entrega la unidad principal simulada.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>archivo</translation>
    </message>
    <message>
        <source>Colour coefficients of the simulated main unit.</source>
        <translation>Coeficientes de color de la unidad principal simulada.</translation>
    </message>
    <message>
        <source>k0,k1,k2,k3</source>
        <translation>k0,k1,k2,k3</translation>
    </message>
    <message>
        <source>Faults the simulated main unit starts with, e.g. image-fail,short-row=7 (see the README).</source>
        <translation>Fallos con los que arranca la unidad principal simulada, p. ej. image-fail,short-row=7 (véase el README).</translation>
    </message>
    <message>
        <source>list</source>
        <translation>lista</translation>
    </message>
    <message>
        <source>Local socket on which the simulated main unit takes commands (see quillon-simctl).</source>
        <translation>Socket local en el que la unidad principal simulada recibe órdenes (véase quillon-simctl).</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>--%1 needs --simulate</source>
        <translation>--%1 requiere --simulate</translation>
    </message>
    <message>
        <source>--%1 needs a name</source>
        <translation>--%1 requiere un nombre</translation>
    </message>
    <message>
        <source>Sheet of typeset text the simulated main unit shows: &quot;default&quot;, or changes such as points=9,turn=90,skew=3,desk=40 (see the README).</source>
        <translation>Hoja de texto compuesto que muestra la unidad principal simulada: &quot;default&quot; o cambios como points=9,turn=90,skew=3,desk=40 (véase el README).</translation>
    </message>
    <message>
        <source>--%1 and --%2 cannot be used together</source>
        <translation>--%1 y --%2 no pueden usarse juntos</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Quillon for USB: captures, shows and saves pictures of the USB document camera.</source>
        <translation>Quillon for USB: captura, muestra y guarda imágenes de la cámara de documentos USB.</translation>
    </message>
    <message>
        <source>Do not show the start-up picture.</source>
        <translation>No mostrar la imagen de inicio.</translation>
    </message>
    <message>
        <source>Start with the window minimized.</source>
        <translation>Iniciar con la ventana minimizada.</translation>
    </message>
    <message>
        <source>Start with the window maximized.</source>
        <translation>Iniciar con la ventana maximizada.</translation>
    </message>
    <message>
        <source>Capture one picture without a window and save it to FILE (.bmp or no extension: BMP, .png: PNG, .pdf: a searchable PDF, otherwise JPEG).</source>
        <translation>Capturar una imagen sin ventana y guardarla en ARCHIVO (.bmp o sin extensión: BMP, .png: PNG, .pdf: un PDF en el que se puede buscar, si no, JPEG).</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>With --capture: find the sheet on the picture, square and straighten it, in the stored colour mode, before saving.</source>
        <translation>Con --capture: buscar la hoja en la imagen, enderezarla y corregir su perspectiva, en el modo de color guardado, antes de guardar.</translation>
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
        <translation>Listo</translation>
    </message>
    <message>
        <source>Busy !</source>
        <translation>Espere...</translation>
    </message>
    <message>
        <source>The main unit is now initializing.</source>
        <translation>La unidad principal se está inicializando.</translation>
    </message>
    <message>
        <source>Not Ready</source>
        <translation>No está listo</translation>
    </message>
</context>
</TS>
