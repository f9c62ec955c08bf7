<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
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
        <translation>Sobre o Quillon for USB</translation>
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
        <translation>Ajuste da imagem</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Direita</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>LIGADO</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>DESLIGADO</translation>
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
        <translation>Mais suave</translation>
    </message>
    <message>
        <source>Sharper</source>
        <translation>Mais nítido</translation>
    </message>
    <message>
        <source>Gamma correction</source>
        <translation>Correção de gama</translation>
    </message>
</context>
<context>
    <name>CQFactorDlg</name>
    <message>
        <source>Q Factor</source>
        <translation>Fator Q</translation>
    </message>
    <message>
        <source>Higher Quality</source>
        <translation>Mais qualidade</translation>
    </message>
    <message>
        <source>Higher Compression</source>
        <translation>Mais compressão</translation>
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
        <translation>Não foi possível imprimir a imagem.</translation>
    </message>
</context>
<context>
    <name>CRemoteControlDlg</name>
    <message>
        <source>Remote control</source>
        <translation>Controle remoto</translation>
    </message>
</context>
<context>
    <name>CameraLink</name>
    <message>
        <source>The main unit is plugged in, but this user may not use it (permission denied).

The udev rule 70-quillon-camera.rules gives the logged-in user access to the main unit. Make sure it is installed (the package puts it in /usr/lib/udev/rules.d; otherwise copy it to /etc/udev/rules.d), then unplug the main unit and plug it in again.</source>
        <translation>A unidade principal está conectada, mas este usuário não pode usá-la (permissão negada).

A regra do udev 70-quillon-camera.rules dá ao usuário conectado acesso à unidade principal. Verifique se ela está instalada (o pacote a coloca em /usr/lib/udev/rules.d; caso contrário, copie-a para /etc/udev/rules.d) e depois desconecte a unidade principal e conecte-a novamente.</translation>
    </message>
    <message>
        <source>The main unit is plugged in, but another program is using it.

Close the other program that uses the main unit. Quillon for USB connects to the main unit as soon as it is free.</source>
        <translation>A unidade principal está conectada, mas outro programa a está usando.

Feche o outro programa que usa a unidade principal. O Quillon for USB se conecta à unidade principal assim que ela estiver livre.</translation>
    </message>
</context>
<context>
    <name>CommandBars</name>
    <message>
        <source>Standard</source>
        <comment>the tool bar&apos;s name</comment>
        <translation>Padrão</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Salvar...</translation>
    </message>
    <message>
        <source>Save the image.
Save</source>
        <translation>Salva a imagem.
Salvar</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print the image.
Print</source>
        <translation>Imprime a imagem.
Imprimir</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy the image to the clipboard.
Copy</source>
        <translation>Copia a imagem para a área de transferência.
Copiar</translation>
    </message>
    <message>
        <source>Save &amp;as PDF...</source>
        <translation>Salvar como &amp;PDF...</translation>
    </message>
    <message>
        <source>Save the pages as one searchable PDF.
Save as PDF</source>
        <translation>Salva as páginas como um único PDF pesquisável.
Salvar como PDF</translation>
    </message>
    <message>
        <source>&amp;Add page</source>
        <translation>&amp;Adicionar página</translation>
    </message>
    <message>
        <source>Add the picture as shown as a page of the PDF.
Add page</source>
        <translation>Adiciona a imagem, como está sendo exibida, como página do PDF.
Adicionar página</translation>
    </message>
    <message>
        <source>&amp;Pages...</source>
        <translation>&amp;Páginas...</translation>
    </message>
    <message>
        <source>See, reorder and remove the pages of the PDF.
Pages</source>
        <translation>Mostra, reordena e remove as páginas do PDF.
Páginas</translation>
    </message>
    <message>
        <source>&amp;Capture</source>
        <translation>&amp;Capturar</translation>
    </message>
    <message>
        <source>Capture a new image from the main unit.
Capture</source>
        <translation>Captura uma nova imagem da unidade principal.
Capturar</translation>
    </message>
    <message>
        <source>&amp;JPEG Setting...</source>
        <translation>Configuração de &amp;JPEG...</translation>
    </message>
    <message>
        <source>Setting of JPEG compression.
JPEG Setting</source>
        <translation>Configura a compressão JPEG.
Configuração de JPEG</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Quit the application.
Exit</source>
        <translation>Sai do aplicativo.
Sair</translation>
    </message>
    <message>
        <source>&amp;Sharpness...</source>
        <translation>&amp;Nitidez...</translation>
    </message>
    <message>
        <source>Setting of sharpness.
Sharpness</source>
        <translation>Ajusta a nitidez.
Nitidez</translation>
    </message>
    <message>
        <source>&amp;Gamma correction...</source>
        <translation>Correção de &amp;gama...</translation>
    </message>
    <message>
        <source>Setting of gamma correction.
Gamma correction</source>
        <translation>Ajusta a correção de gama.
Correção de gama</translation>
    </message>
    <message>
        <source>&amp;Show the RC</source>
        <translation>&amp;Mostrar o controle remoto</translation>
    </message>
    <message>
        <source>Show the remote control.
Show the RC</source>
        <translation>Mostra o controle remoto.
Mostrar o controle remoto</translation>
    </message>
    <message>
        <source>&amp;Hide the RC</source>
        <translation>&amp;Ocultar o controle remoto</translation>
    </message>
    <message>
        <source>Hide the remote control.
Hide the RC</source>
        <translation>Oculta o controle remoto.
Ocultar o controle remoto</translation>
    </message>
    <message>
        <source>Show or hide the remote control.
Show/Hide the RC</source>
        <translation>Mostra ou oculta o controle remoto.
Mostrar/ocultar o controle remoto</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom in.
Zoom in</source>
        <translation>Amplia a visualização.
Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reduzir</translation>
    </message>
    <message>
        <source>Zoom out.
Zoom out</source>
        <translation>Reduz a visualização.
Reduzir</translation>
    </message>
    <message>
        <source>Best &amp;Fit</source>
        <translation>A&amp;justar à janela</translation>
    </message>
    <message>
        <source>Adjust the image to fit the window.
Best Fit</source>
        <translation>Ajusta a imagem ao tamanho da janela.
Ajustar à janela</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Tamanho real</translation>
    </message>
    <message>
        <source>Adjust the image to its original size.
Actual Size</source>
        <translation>Mostra a imagem em seu tamanho original.
Tamanho real</translation>
    </message>
    <message>
        <source>&amp;About Quillon for USB...</source>
        <translation>&amp;Sobre o Quillon for USB...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright.
About</source>
        <translation>Mostra informações do programa, número da versão e copyright.
Sobre</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Remote control</source>
        <translation>&amp;Controle remoto</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Capture and a&amp;dd page</source>
        <translation>Captu&amp;rar e adicionar página</translation>
    </message>
    <message>
        <source>Capture a new image and add it as a page of the PDF.
Capture and add page</source>
        <translation>Captura uma nova imagem e a adiciona como página do PDF.
Capturar e adicionar página</translation>
    </message>
    <message>
        <source>&amp;Recognition languages...</source>
        <translation>I&amp;diomas de reconhecimento...</translation>
    </message>
    <message>
        <source>Choose the languages the text of the pages is read in.
Recognition languages</source>
        <translation>Escolhe os idiomas em que o texto das páginas é lido.
Idiomas de reconhecimento</translation>
    </message>
    <message>
        <source>&amp;Edit and add page...</source>
        <translation>&amp;Editar e adicionar página...</translation>
    </message>
    <message>
        <source>Place the sheet&apos;s corners on the picture by hand, then add it as a page of the PDF.
Edit and add page</source>
        <translation>Posicionar à mão os cantos da folha na imagem e depois adicioná-la como página do PDF.
Editar e adicionar página</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Bitmap Files (*.BMP)</source>
        <translation>Arquivos de bitmap (*.BMP)</translation>
    </message>
    <message>
        <source>JPEG Files (*.JPG)</source>
        <translation>Arquivos JPEG (*.JPG)</translation>
    </message>
    <message>
        <source>PNG Files (*.PNG)</source>
        <translation>Arquivos PNG (*.PNG)</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 já existe.
Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>%1
The folder does not exist.
Check the path and try again.</source>
        <translation>%1
A pasta não existe.
Verifique o caminho e tente novamente.</translation>
    </message>
</context>
<context>
    <name>HeadlessCapture</name>
    <message>
        <source>The name is not UTF-8</source>
        <translation>O nome não está em UTF-8</translation>
    </message>
    <message>
        <source>No sheet was found on the picture: the page keeps the whole picture.</source>
        <translation>Nenhuma folha foi encontrada na imagem: a página mantém a imagem inteira.</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>The folder %1 cannot be made</source>
        <translation>Não é possível criar a pasta %1</translation>
    </message>
    <message>
        <source>There is no home folder to keep them in</source>
        <translation>Não há pasta pessoal onde guardá-las</translation>
    </message>
    <message>
        <source>The picture cannot be encoded</source>
        <translation>Não é possível codificar a imagem</translation>
    </message>
</context>
<context>
    <name>JournalRecovery</name>
    <message>
        <source>The file is cut short</source>
        <translation>O arquivo está truncado</translation>
    </message>
    <message>
        <source>The file was changed after it was written</source>
        <translation>O arquivo foi alterado depois de gravado</translation>
    </message>
    <message>
        <source>The file holds no readable picture</source>
        <translation>O arquivo não contém nenhuma imagem legível</translation>
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
        <translation>ortografia antiga</translation>
    </message>
    <message>
        <source>Not every chosen language was read: install %1.</source>
        <translation>Nem todos os idiomas escolhidos foram lidos: instale %1.</translation>
    </message>
    <message>
        <source>The PDF has no text layer: install %1 to make it searchable.</source>
        <translation>O PDF não tem camada de texto: instale %1 para torná-lo pesquisável.</translation>
    </message>
</context>
<context>
    <name>LinkError</name>
    <message>
        <source>The communication setting is not for USB.</source>
        <translation>A configuração de comunicação não é USB.</translation>
    </message>
    <message>
        <source>USB: Failed to transmit.</source>
        <translation>USB: falha ao enviar.</translation>
    </message>
    <message>
        <source>USB: Failed to receive.</source>
        <translation>USB: falha ao receber.</translation>
    </message>
    <message>
        <source>USB: FAiled to capture image.</source>
        <translation>USB: falha ao capturar a imagem.</translation>
    </message>
    <message>
        <source>USB: Failed to communicate.</source>
        <translation>USB: falha na comunicação.</translation>
    </message>
    <message>
        <source>USB: Disconnected from main unit.</source>
        <translation>USB: desconectado da unidade principal.</translation>
    </message>
    <message>
        <source>Memory size insuffient for allocation.</source>
        <translation>Memória insuficiente.</translation>
    </message>
    <message>
        <source>Failed to load the image!</source>
        <translation>Não foi possível carregar a imagem!</translation>
    </message>
    <message>
        <source>Failed to save the image.</source>
        <translation>Não foi possível salvar a imagem.</translation>
    </message>
    <message>
        <source>Failed to create the remote control.</source>
        <translation>Não foi possível criar o controle remoto.</translation>
    </message>
    <message>
        <source>Time out (The main unit is now initializing.)</source>
        <translation>Tempo esgotado (a unidade principal está sendo inicializada.)</translation>
    </message>
    <message>
        <source>Failed to save the PDF.</source>
        <translation>Não foi possível salvar o PDF.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Arquivo: %1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Motivo: %1</translation>
    </message>
    <message>
        <source>Failed to add the page.</source>
        <translation>Não foi possível adicionar a página.</translation>
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
        <translation>Girar à &amp;esquerda</translation>
    </message>
    <message>
        <source>Turn &amp;right</source>
        <translation>Girar à &amp;direita</translation>
    </message>
    <message>
        <source>&amp;Find the sheet</source>
        <translation>&amp;Localizar a folha</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Cinza</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Preto e branco</translation>
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
            <numerusform>%n página não pôde ser lida e foi omitida.</numerusform>
            <numerusform>%n páginas não puderam ser lidas e foram omitidas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pages from %1 were not saved. Recover them?</source>
        <translation>
            <numerusform>%n página de %1 não foi salva. Recuperá-la?</numerusform>
            <numerusform>%n páginas de %1 não foram salvas. Recuperá-las?</numerusform>
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
        <translation>Mais &amp;tarde</translation>
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
        <translation>Não é possível ler a página: %1</translation>
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
        <translation>&amp;Antecipar</translation>
    </message>
    <message>
        <source>Move &amp;later</source>
        <translation>A&amp;diar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>E&amp;dit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>The page cannot be read: %1</source>
        <translation>Não é possível ler a página: %1</translation>
    </message>
    <message>
        <source>&amp;Clean pages as they are added</source>
        <translation>&amp;Limpar as páginas ao adicioná-las</translation>
    </message>
    <message>
        <source>Split a &amp;book&apos;s two pages</source>
        <translation>Separar as duas páginas de um li&amp;vro</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Cinza</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Preto e branco</translation>
    </message>
    <message>
        <source>New pages &amp;in:</source>
        <translation>&amp;Novas páginas em:</translation>
    </message>
</context>
<context>
    <name>PdfCommands</name>
    <message>
        <source>Save as PDF</source>
        <translation>Salvar como PDF</translation>
    </message>
    <message numerus="yes">
        <source>The %n pages for the PDF are not saved. Save them?</source>
        <translation>
            <numerusform>A página do PDF não está salva. Salvá-la?</numerusform>
            <numerusform>As %n páginas do PDF não estão salvas. Salvá-las?</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stop writing the PDF</source>
        <translation>Interromper a gravação do PDF</translation>
    </message>
    <message>
        <source>Reading the text of the pages...</source>
        <translation>Lendo o texto das páginas...</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Motivo: %1</translation>
    </message>
    <message>
        <source>The pages are kept in memory only: unsaved pages will not survive a crash.</source>
        <translation>As páginas são mantidas apenas na memória: páginas não salvas não sobreviverão a uma falha.</translation>
    </message>
    <message>
        <source>Folder: %1
Reason: %2</source>
        <translation>Pasta: %1
Motivo: %2</translation>
    </message>
    <message>
        <source>The record of the pages on disk cannot be updated: after a crash, the pages may come back as they were before.</source>
        <translation>Não é possível atualizar o registro das páginas no disco: após uma falha, as páginas podem voltar como estavam antes.</translation>
    </message>
    <message numerus="yes">
        <source>%n pages saved in %1.</source>
        <translation>
            <numerusform>%n página salva em %1.</numerusform>
            <numerusform>%n páginas salvas em %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>No sheet was found on the picture: the page keeps the whole picture.</source>
        <translation>Nenhuma folha foi encontrada na imagem: a página mantém a imagem inteira.</translation>
    </message>
    <message>
        <source>No sheet was found on the picture: place its corners by hand.</source>
        <translation>Nenhuma folha foi encontrada na imagem: posicione os cantos à mão.</translation>
    </message>
</context>
<context>
    <name>PdfExport</name>
    <message>
        <source>Page %1 cannot be read: %2</source>
        <translation>Não é possível ler a página %1: %2</translation>
    </message>
    <message>
        <source>Page %1 cannot be encoded</source>
        <translation>Não é possível codificar a página %1</translation>
    </message>
    <message>
        <source>The print is too small to read well: zoom the camera in on the page for a better text layer.</source>
        <translation>A letra é pequena demais para ser bem lida: aproxime a câmera da página para obter uma camada de texto melhor.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra a ajuda sobre as opções da linha de comando.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Mostra a ajuda, incluindo as opções específicas do Qt.</translation>
    </message>
</context>
<context>
    <name>RecognitionLanguagesDialog</name>
    <message>
        <source>Recognition languages</source>
        <translation>Idiomas de reconhecimento</translation>
    </message>
    <message>
        <source>No language pack is installed: install %1 to make PDFs searchable.</source>
        <translation>Nenhum pacote de idioma está instalado: instale %1 para tornar os PDFs pesquisáveis.</translation>
    </message>
    <message>
        <source>The &amp;languages the text of the pages is in:</source>
        <translation>Os &amp;idiomas do texto das páginas:</translation>
    </message>
</context>
<context>
    <name>SaveTarget</name>
    <message>
        <source>Not a regular file</source>
        <translation>Não é um arquivo comum</translation>
    </message>
    <message>
        <source>A link that another user made in a shared folder</source>
        <translation>Um link criado por outro usuário em uma pasta compartilhada</translation>
    </message>
</context>
<context>
    <name>SimCommandLine</name>
    <message>
        <source>Use the simulated main unit instead of the camera.</source>
        <translation>Usa a unidade principal simulada em vez da câmera.</translation>
    </message>
    <message>
        <source>Raw frame the simulated main unit serves.</source>
        <translation>Quadro bruto que a unidade principal simulada fornece.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>arquivo</translation>
    </message>
    <message>
        <source>Colour coefficients of the simulated main unit.</source>
        <translation>Coeficientes de cor da unidade principal simulada.</translation>
    </message>
    <message>
        <source>k0,k1,k2,k3</source>
        <translation>k0,k1,k2,k3</translation>
    </message>
    <message>
        <source>Faults the simulated main unit starts with, e.g. image-fail,short-row=7 (see the README).</source>
        <translation>Falhas com que a unidade principal simulada inicia, p. ex. image-fail,short-row=7 (veja o README).</translation>
    </message>
    <message>
        <source>list</source>
        <translation>lista</translation>
    </message>
    <message>
        <source>Local socket on which the simulated main unit takes commands (see quillon-simctl).</source>
        <translation>Socket local pelo qual a unidade principal simulada recebe comandos (veja quillon-simctl).</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nome</translation>
    </message>
    <message>
        <source>--%1 needs --simulate</source>
        <translation>--%1 requer --simulate</translation>
    </message>
    <message>
        <source>--%1 needs a name</source>
        <translation>--%1 requer um nome</translation>
    </message>
    <message>
        <source>Sheet of typeset text the simulated main unit shows: &quot;default&quot;, or changes such as points=9,turn=90,skew=3,desk=40 (see the README).</source>
        <translation>Folha de texto composto que a unidade principal simulada mostra: &quot;default&quot; ou alterações como points=9,turn=90,skew=3,desk=40 (veja o README).</translation>
    </message>
    <message>
        <source>--%1 and --%2 cannot be used together</source>
        <translation>--%1 e --%2 não podem ser usados juntos</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Quillon for USB: captures, shows and saves pictures of the USB document camera.</source>
        <translation>Quillon for USB: captura, mostra e salva imagens da câmera de documentos USB.</translation>
    </message>
    <message>
        <source>Do not show the start-up picture.</source>
        <translation>Não mostra a imagem de abertura.</translation>
    </message>
    <message>
        <source>Start with the window minimized.</source>
        <translation>Inicia com a janela minimizada.</translation>
    </message>
    <message>
        <source>Start with the window maximized.</source>
        <translation>Inicia com a janela maximizada.</translation>
    </message>
    <message>
        <source>Capture one picture without a window and save it to FILE (.bmp or no extension: BMP, .png: PNG, .pdf: a searchable PDF, otherwise JPEG).</source>
        <translation>Captura uma imagem sem janela e a salva em ARQUIVO (.bmp ou sem extensão: BMP, .png: PNG, .pdf: um PDF pesquisável, caso contrário JPEG).</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARQUIVO</translation>
    </message>
    <message>
        <source>With --capture: find the sheet on the picture, square and straighten it, in the stored colour mode, before saving.</source>
        <translation>Com --capture: localizar a folha na imagem, endireitá-la e corrigir a perspectiva, no modo de cor salvo, antes de salvar.</translation>
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
        <translation>Aguarde...</translation>
    </message>
    <message>
        <source>The main unit is now initializing.</source>
        <translation>A unidade principal está sendo inicializada.</translation>
    </message>
    <message>
        <source>Not Ready</source>
        <translation>Não está pronto</translation>
    </message>
</context>
</TS>
