<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="pt_PT">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Versão: </translation>
    </message>
    <message>
        <source>Clipmoor is made by a small team who want saving a video to be as simple as pasting its address.</source>
        <translation>O Clipmoor é feito por uma pequena equipa que quer que guardar um vídeo seja tão simples como colar o seu endereço.</translation>
    </message>
    <message>
        <source>To learn more please visit: </source>
        <translation>Para saber mais, visite: </translation>
    </message>
    <message>
        <source>Copyright © 2026 the Clipmoor developers. All rights reserved.</source>
        <translation>Copyright © 2026 os programadores do Clipmoor. Todos os direitos reservados.</translation>
    </message>
</context>
<context>
    <name>Adaptation</name>
    <message>
        <source>Same as source</source>
        <translation>Igual ao original</translation>
    </message>
    <message>
        <source>High(4K)</source>
        <translation>Alta(4K)</translation>
    </message>
    <message>
        <source>High(2K)</source>
        <translation>Alta(2K)</translation>
    </message>
    <message>
        <source>High(1080P)</source>
        <translation>Alta(1080P)</translation>
    </message>
    <message>
        <source>Middle(720P)</source>
        <translation>Média(720P)</translation>
    </message>
    <message>
        <source>Middle(480P)</source>
        <translation>Média(480P)</translation>
    </message>
    <message>
        <source>Low(360P)</source>
        <translation>Baixa(360P)</translation>
    </message>
    <message>
        <source>Low(240P)</source>
        <translation>Baixa(240P)</translation>
    </message>
    <message>
        <source>High(320Kb/s)</source>
        <translation>Alta(320Kb/s)</translation>
    </message>
    <message>
        <source>High(256Kb/s)</source>
        <translation>Alta(256Kb/s)</translation>
    </message>
    <message>
        <source>Middle(128Kb/s)</source>
        <translation>Média(128Kb/s)</translation>
    </message>
    <message>
        <source>Low(64Kb/s)</source>
        <translation>Baixa(64Kb/s)</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Áudio</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualidade:</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Sem som</translation>
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
    <name>AddSiteDlg</name>
    <message>
        <source>Add New</source>
        <translation>Adicionar novo</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
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
    <name>BrowserWindow</name>
    <message>
        <source>Home</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Go back in history</source>
        <translation>Recuar no histórico</translation>
    </message>
    <message>
        <source>Go forward in history</source>
        <translation>Avançar no histórico</translation>
    </message>
    <message>
        <source>Stop loading this page</source>
        <translation>Parar o carregamento desta página</translation>
    </message>
    <message>
        <source>Reload this page</source>
        <translation>Recarregar esta página</translation>
    </message>
    <message>
        <source>Clear browsing data</source>
        <translation>Limpar dados de navegação</translation>
    </message>
    <message>
        <source>Enter Video URL</source>
        <translation>Introduza o URL do vídeo</translation>
    </message>
</context>
<context>
    <name>CloseConfirmDlg</name>
    <message>
        <source>Clipmoor</source>
        <translation>Clipmoor</translation>
    </message>
    <message>
        <source>Don't ask me again</source>
        <translation>Não perguntar novamente</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ConvMediaInfo</name>
    <message>
        <source>Unknown</source>
        <translation>Desconhecido</translation>
    </message>
</context>
<context>
    <name>ConvertTask</name>
    <message>
        <source>The file does not exist</source>
        <translation>O ficheiro não existe</translation>
    </message>
    <message>
        <source>Cannot write to %1</source>
        <translation>Não é possível escrever em %1</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>A converter</translation>
    </message>
    <message>
        <source>The conversion tool failed (%1)</source>
        <translation>A ferramenta de conversão falhou (%1)</translation>
    </message>
    <message>
        <source>The conversion tool did not say where the file is</source>
        <translation>A ferramenta de conversão não indicou onde está o ficheiro</translation>
    </message>
    <message>
        <source>Cannot move the converted file to %1</source>
        <translation>Não é possível mover o ficheiro convertido para %1</translation>
    </message>
    <message>
        <source>The conversion tool could not be started</source>
        <translation>Não foi possível iniciar a ferramenta de conversão</translation>
    </message>
    <message>
        <source>The conversion tool ended unexpectedly</source>
        <translation>A ferramenta de conversão terminou inesperadamente</translation>
    </message>
</context>
<context>
    <name>ConvertedDelegate</name>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>Mostrar o ficheiro</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
</context>
<context>
    <name>ConvertedPage</name>
    <message>
        <source>Delete Selected</source>
        <translation>Eliminar selecionados</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Converted files appear here.</source>
        <translation>Os ficheiros convertidos aparecem aqui.</translation>
    </message>
    <message>
        <source>Are you sure to delete this item?</source>
        <translation>Tem a certeza de que quer eliminar este item?</translation>
    </message>
    <message>
        <source>Are you sure to delete the items which you selected?</source>
        <translation>Tem a certeza de que quer eliminar os itens selecionados?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>Mostrar o ficheiro</translation>
    </message>
</context>
<context>
    <name>ConvertingDelegate</name>
    <message>
        <source>Waiting to convert...</source>
        <translation>A aguardar conversão...</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>A converter</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>concluído</translation>
    </message>
    <message>
        <source>Convert failed.</source>
        <translation>A conversão falhou.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converter</translation>
    </message>
</context>
<context>
    <name>ConvertingPage</name>
    <message>
        <source>Add Files</source>
        <translation>Adicionar ficheiros</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>Mostrar o ficheiro</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Eliminar tudo</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>Converter tudo</translation>
    </message>
    <message>
        <source>Click Here to Add Files or Drag Files Here</source>
        <translation>Clique aqui para adicionar ficheiros ou arraste-os para aqui</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Are you sure to delete the Converting tasks which you selected?</source>
        <translation>Tem a certeza de que quer eliminar as conversões selecionadas?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all of the tasks from the Converting queue?</source>
        <translation>Tem a certeza de que quer eliminar todas as tarefas da fila de conversão?</translation>
    </message>
</context>
<context>
    <name>CurlProxy</name>
    <message>
        <source>Failure writing output to destination.</source>
        <translation>Não foi possível escrever no destino.</translation>
    </message>
    <message>
        <source>Unable to connect to the network.</source>
        <translation>Não é possível ligar à rede.</translation>
    </message>
    <message>
        <source>connection was reset.</source>
        <translation>A ligação foi reposta.</translation>
    </message>
    <message>
        <source>Unable to download or download timeout.</source>
        <translation>Não foi possível transferir ou o tempo esgotou-se.</translation>
    </message>
</context>
<context>
    <name>DeleteConfirmDlg</name>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete original file(s) as well.</source>
        <translation>Eliminar também os ficheiros originais.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DesktopBridge</name>
    <message>
        <source>A private download</source>
        <translation>Uma transferência privada</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Falha na transferência</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>Transferência concluída</translation>
    </message>
    <message>
        <source>Conversion failed</source>
        <translation>Falha na conversão</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Conversão concluída</translation>
    </message>
</context>
<context>
    <name>DoneTaskWidget</name>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>Mostrar o ficheiro</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconhecido</translation>
    </message>
    <message>
        <source>Lyrics</source>
        <translation>Letra</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Legendas</translation>
    </message>
    <message>
        <source>The Filename is Empty and Cannot Be Saved.</source>
        <translation>O nome do ficheiro está vazio e não pode ser guardado.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Do You Want to Rename "%1" to "%2"? This Location Already Contains a File with the Same Name.</source>
        <translation>Pretende mudar o nome de "%1" para "%2"? Esta localização já contém um ficheiro com o mesmo nome.</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
</context>
<context>
    <name>DownloadFailedDlg</name>
    <message>
        <source>Download failed</source>
        <translation>Falha na transferência</translation>
    </message>
    <message>
        <source>Cause of failure:

1. The URL you copied does not support downloading.

2. The URL is not a qualified video or audio link.

3. The URL is a website link.

4. The URL needs a premium to preview.</source>
        <translation>Causas possíveis:

1. O URL copiado não permite transferências.

2. O URL não é uma ligação de vídeo ou áudio válida.

3. O URL é uma ligação de um site.

4. O URL exige uma conta premium.</translation>
    </message>
    <message>
        <source>Note:

1. Please ensure that the network is stable, click the Retry button to parse it again.

2. The link format is not the normal way, please re-enter and download.

3. If it still fails, please view and try to download in built-in browser.</source>
        <translation>Nota:

1. Verifique se a rede está estável e clique em Tentar novamente para analisar outra vez.

2. O formato da ligação não é o habitual; introduza-a de novo e transfira.

3. Se continuar a falhar, abra-a no navegador integrado e transfira a partir dele.</translation>
    </message>
    <message>
        <source>Download in Built-in Browser</source>
        <translation>Transferir no navegador integrado</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Motivo: %1</translation>
    </message>
</context>
<context>
    <name>DownloadTaskWidget</name>
    <message>
        <source>Waiting for parsing...</source>
        <translation>A aguardar análise...</translation>
    </message>
    <message>
        <source>Waiting for downloading...</source>
        <translation>A aguardar transferência...</translation>
    </message>
    <message>
        <source>&lt;font color=%1&gt;Download failed, &lt;a style='color: %2;' href="none"&gt;please view and try to download in build-in browser&lt;/a&gt;.&lt;/font&gt;</source>
        <translation>&lt;font color=%1&gt;Falha na transferência, &lt;a style='color: %2;' href="none"&gt;abra e transfira no navegador integrado&lt;/a&gt;.&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Analyzing...</source>
        <translation>A analisar...</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Em direto</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>A transferir</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Em espera</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Em pausa</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>A guardar...</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>Transferência concluída</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>Stalled, retrying...</source>
        <translation>Parado, a tentar novamente...</translation>
    </message>
</context>
<context>
    <name>DownloadedPage</name>
    <message>
        <source>Show the File</source>
        <translation>Mostrar o ficheiro</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privado</translation>
    </message>
    <message>
        <source>Still No File Downloaded, Please Start Downloading</source>
        <translation>Ainda não há ficheiros transferidos, comece uma transferência</translation>
    </message>
    <message>
        <source>&lt;a style='color: %1;' href="%2"&gt;Cannot find the file from Private Space?&lt;/a&gt;</source>
        <translation>&lt;a style='color: %1;' href="%2"&gt;Não encontra o ficheiro do espaço privado?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>The Filename is Invalid.</source>
        <translation>O nome do ficheiro não é válido.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Modify File Name</source>
        <translation>Alterar o nome do ficheiro</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Eliminar tudo</translation>
    </message>
    <message>
        <source>Move to Private List</source>
        <translation>Mover para a lista privada</translation>
    </message>
    <message>
        <source>Move Out</source>
        <translation>Retirar</translation>
    </message>
    <message>
        <source>Copy URL</source>
        <translation>Copiar URL</translation>
    </message>
    <message>
        <source>Go to Source Page</source>
        <translation>Ir para a página de origem</translation>
    </message>
    <message>
        <source>Save to Dropbox</source>
        <translation>Guardar no Dropbox</translation>
    </message>
    <message>
        <source>Save to Google Drive</source>
        <translation>Guardar no Google Drive</translation>
    </message>
    <message>
        <source>Are you sure to delete the items which you select?</source>
        <translation>Tem a certeza de que pretende eliminar os itens selecionados?</translation>
    </message>
    <message>
        <source>Are you sure to delete all the items?</source>
        <translation>Tem a certeza de que pretende eliminar todos os itens?</translation>
    </message>
    <message>
        <source>No downloaded file matches "%1".</source>
        <translation>Nenhum ficheiro transferido corresponde a "%1".</translation>
    </message>
</context>
<context>
    <name>DownloadingPage</name>
    <message>
        <source>Original Video</source>
        <translation>Vídeo original</translation>
    </message>
    <message>
        <source>Original Audio</source>
        <translation>Áudio original</translation>
    </message>
    <message>
        <source>Paste URL</source>
        <translation>Colar URL</translation>
    </message>
    <message>
        <source>Resume all</source>
        <translation>Retomar tudo</translation>
    </message>
    <message>
        <source>Pause all</source>
        <translation>Pausar tudo</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>Eliminar tudo</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>&lt;a style='color:%1;' href="none"&gt;Supported Sites&lt;/a&gt;</source>
        <translation>&lt;a style='color:%1;' href="none"&gt;Sites suportados&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Turbo-fast</source>
        <translation>Turbo</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Transferência</translation>
    </message>
    <message>
        <source>Download then Convert to</source>
        <translation>Transferir e converter para</translation>
    </message>
    <message>
        <source>Wanna download Premium videos?
Please sign in to your account in "Online" section, then click "Download" button to get it.</source>
        <translation>Transferir vídeos premium?
Inicie sessão na sua conta na secção "Online" e depois clique no botão "Transferir".</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No url find in the paste board.</source>
        <translation>Nenhum URL encontrado na área de transferência.</translation>
    </message>
    <message>
        <source>This video is part of the playlist. Do you want to download the clip only or download all playlist?</source>
        <translation>Este vídeo faz parte de uma lista de reprodução. Pretende transferir apenas o clip ou a lista completa?</translation>
    </message>
    <message>
        <source>Download playlist</source>
        <translation>Transferir a lista</translation>
    </message>
    <message>
        <source>Download clip</source>
        <translation>Transferir o clip</translation>
    </message>
    <message>
        <source>%1 exists task has been skipped.</source>
        <translation>%1 tarefa existente foi ignorada.</translation>
    </message>
    <message>
        <source>%1 exists tasks have been skipped.</source>
        <translation>%1 tarefas existentes foram ignoradas.</translation>
    </message>
    <message>
        <source>Download MP3</source>
        <translation>Transferir MP3</translation>
    </message>
    <message>
        <source>Multiple URLs</source>
        <translation>Vários URL</translation>
    </message>
    <message>
        <source>Download Playlist</source>
        <translation>Transferir lista de reprodução</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Eliminar tudo</translation>
    </message>
    <message>
        <source>Copy URL</source>
        <translation>Copiar URL</translation>
    </message>
    <message>
        <source>Go to Source Page</source>
        <translation>Ir para a página de origem</translation>
    </message>
    <message>
        <source>Are you sure to delete the downloading tasks which you select?</source>
        <translation>Tem a certeza de que pretende eliminar as transferências selecionadas?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all of the tasks from the downloading queue?</source>
        <translation>Tem a certeza de que pretende eliminar todas as tarefas da fila de transferências?</translation>
    </message>
    <message>
        <source>This File Has Already Been Downloaded. Download It Again?</source>
        <translation>Este ficheiro já foi transferido. Transferir novamente?</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>Transferir novamente</translation>
    </message>
    <message>
        <source>This page has %1 videos. Do you want to download all of them, or only the first one?</source>
        <translation>Esta página tem %1 vídeos. Quer transferir todos ou apenas o primeiro?</translation>
    </message>
    <message>
        <source>First Only</source>
        <translation>Apenas o primeiro</translation>
    </message>
    <message>
        <source>Download All</source>
        <translation>Transferir todos</translation>
    </message>
    <message>
        <source>This address is already being downloaded in the same format:</source>
        <translation>Este endereço já está a ser transferido no mesmo formato:</translation>
    </message>
</context>
<context>
    <name>FailedfilenameDialog</name>
    <message>
        <source>Failed</source>
        <translation>Falhou</translation>
    </message>
    <message>
        <source>Failed to add files:</source>
        <translation>Não foi possível adicionar os ficheiros:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Global</name>
    <message>
        <source>File does not exist.</source>
        <translation>O ficheiro não existe.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The file does not exist, want to remove it from the list?</source>
        <translation>O ficheiro não existe, quer removê-lo da lista?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>"%1" does not exist, please change the save directory</source>
        <translation>"%1" não existe, altere a pasta de gravação</translation>
    </message>
    <message>
        <source>Go to setting</source>
        <translation>Ir para as definições</translation>
    </message>
    <message>
        <source>No application on this computer can open the file:
%1</source>
        <translation>Nenhuma aplicação neste computador consegue abrir o ficheiro:
%1</translation>
    </message>
    <message>
        <source>No file manager on this computer can show the file:
%1</source>
        <translation>Nenhum gestor de ficheiros neste computador consegue mostrar o ficheiro:
%1</translation>
    </message>
</context>
<context>
    <name>LaunchOptions</name>
    <message>
        <source>Save a picture of the main window once it has started, then quit.</source>
        <translation>Guardar uma imagem da janela principal depois de iniciada e sair.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>ficheiro</translation>
    </message>
    <message>
        <source>Could not save the picture %1</source>
        <translation>Não foi possível guardar a imagem %1</translation>
    </message>
    <message>
        <source>Web addresses (http or https) to download, as if pasted.</source>
        <translation>Endereços web (http ou https) a transferir, como se fossem colados.</translation>
    </message>
</context>
<context>
    <name>LoadFileOperator</name>
    <message>
        <source>cannot read</source>
        <translation>não é possível ler</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazio</translation>
    </message>
    <message>
        <source>not a media file</source>
        <translation>não é um ficheiro multimédia</translation>
    </message>
    <message>
        <source>cannot be inspected</source>
        <translation>não é possível analisar</translation>
    </message>
</context>
<context>
    <name>LoadFilesDlg</name>
    <message>
        <source>Adding files...</source>
        <translation>A adicionar ficheiros...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Aguarde...</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Downloading</source>
        <translation>A transferir</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Transferidos</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>A converter</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Convertidos</translation>
    </message>
    <message>
        <source>Clipmoor</source>
        <translation>Clipmoor</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Aplicação</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Idiomas</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Transferência</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Ficheiro</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Procurar atualizações</translation>
    </message>
    <message>
        <source>Open Downloaded Folder</source>
        <translation>Abrir a pasta de transferências</translation>
    </message>
    <message>
        <source>Paste URL</source>
        <translation>Colar URL</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guia</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>Perguntas frequentes</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Abrir a pasta de registos</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>Some tasks are in progress, are you sure you want to quit?</source>
        <translation>Há tarefas em curso, tem a certeza de que quer sair?</translation>
    </message>
    <message>
        <source>Clipmoor was stopped while it read its download lists last time. The lists it was reading start empty; their files are kept as:
%1</source>
        <translation>Da última vez, o Clipmoor foi interrompido enquanto lia as suas listas de transferências. As listas que estava a ler começam vazias; os seus ficheiros foram guardados como:
%1</translation>
    </message>
    <message>
        <source>Clipmoor downloads web addresses only (starting with http:// or https://). Not taken:
%1</source>
        <translation>O Clipmoor só transfere endereços web (começados por http:// ou https://). Não aceites:
%1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clipmoor keeps trying for a few seconds before it quits.</source>
        <translation>O Clipmoor continua a tentar durante alguns segundos antes de sair.</translation>
    </message>
</context>
<context>
    <name>PasteInputDlg</name>
    <message>
        <source>Multiple URLs</source>
        <translation>Vários URL</translation>
    </message>
    <message>
        <source>Paste the URLs(one per line):</source>
        <translation>Cole os URL (um por linha):</translation>
    </message>
    <message>
        <source>Input web page url...</source>
        <translation>Introduza o URL de uma página web...</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Transferência</translation>
    </message>
</context>
<context>
    <name>PlaylistConfirmDlg</name>
    <message>
        <source>Best</source>
        <translation>Melhor</translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation>Mais recentes primeiro</translation>
    </message>
    <message>
        <source>Oldest first</source>
        <translation>Mais antigos primeiro</translation>
    </message>
    <message>
        <source>Confirm Playlist</source>
        <translation>Confirmar lista de reprodução</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Download:</source>
        <translation>Transferir:</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Áudio</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualidade:</translation>
    </message>
    <message>
        <source>Add numerical order to the file name.</source>
        <translation>Adicionar um número de ordem ao nome do ficheiro.</translation>
    </message>
    <message>
        <source>Skip Downloaded</source>
        <translation>Ignorar o que já foi transferido</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Transferência</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Please be patient, the more videos in your playlist,the longer you will wait.</source>
        <translation>Aguarde: quantos mais vídeos tiver a lista, maior será a espera.</translation>
    </message>
    <message>
        <source>Analysis failed. Please try again later.</source>
        <translation>A análise falhou. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Tentar novamente</translation>
    </message>
</context>
<context>
    <name>PreferencesDlg</name>
    <message>
        <source>Best</source>
        <translation>Melhor</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglês</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemão</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espanhol</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francês</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonês</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Português</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Árabe</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Neerlandês</translation>
    </message>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>Chinês (simplificado)</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>Chinês (tradicional)</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polaco</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonésio</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Turco</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Transferência</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Ligação</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converter</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Repor</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Alterar</translation>
    </message>
    <message>
        <source>The maximum number of downloading tasks:</source>
        <translation>Número máximo de transferências em simultâneo:</translation>
    </message>
    <message>
        <source>Quality Setting:</source>
        <translation>Definição de qualidade:</translation>
    </message>
    <message>
        <source>Download:</source>
        <translation>Transferir:</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Áudio</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualidade:</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>Legendas:</translation>
    </message>
    <message>
        <source>Auto download Subtitles/Lyrics</source>
        <translation>Transferir legendas/letras automaticamente</translation>
    </message>
    <message>
        <source>Auto resume unfinished tasks on startup</source>
        <translation>Retomar tarefas inacabadas ao iniciar</translation>
    </message>
    <message>
        <source>Allow to read Cookies from Firefox/Chrome</source>
        <translation>Permitir ler cookies do Firefox/Chrome</translation>
    </message>
    <message>
        <source>Save downloaded files to:</source>
        <translation>Guardar ficheiros transferidos em:</translation>
    </message>
    <message>
        <source>Download speed</source>
        <translation>Velocidade de transferência</translation>
    </message>
    <message>
        <source>Turbo-fast</source>
        <translation>Turbo</translation>
    </message>
    <message>
        <source>Eable proxy</source>
        <translation>Ativar proxy</translation>
    </message>
    <message>
        <source>HTTP Proxy</source>
        <translation>Proxy HTTP</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Authorization required</source>
        <translation>Autenticação necessária</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Utilizador</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Palavra-passe</translation>
    </message>
    <message>
        <source>The maximum number of converting tasks:</source>
        <translation>Número máximo de conversões em simultâneo:</translation>
    </message>
    <message>
        <source>Save converted files to:</source>
        <translation>Guardar ficheiros convertidos em:</translation>
    </message>
    <message>
        <source>Lyric:</source>
        <translation>Letra:</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Selecionar pasta</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics</source>
        <translation>Enviar estatísticas de utilização anónimas</translation>
    </message>
    <message>
        <source>Tell me on the desktop when a download or conversion ends</source>
        <translation>Avisar-me no ambiente de trabalho quando uma transferência ou conversão terminar</translation>
    </message>
    <message>
        <source>Check certificates of download sites</source>
        <translation>Verificar os certificados dos sites de transferência</translation>
    </message>
    <message>
        <source>Warning: without this check, anyone on the way between you and a site can pose as the site and change what you download.</source>
        <translation>Aviso: sem esta verificação, qualquer pessoa entre si e um site pode fazer-se passar pelo site e alterar o que transfere.</translation>
    </message>
</context>
<context>
    <name>PrivateListDlg</name>
    <message>
        <source>Private List</source>
        <translation>Lista privada</translation>
    </message>
    <message>
        <source>Please Enter Password to Lock Private Space</source>
        <translation>Introduza a palavra-passe para bloquear o espaço privado</translation>
    </message>
    <message>
        <source>Please Enter Password to Unlock Private Space</source>
        <translation>Introduza a palavra-passe para desbloquear o espaço privado</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>Introduza a palavra-passe</translation>
    </message>
    <message>
        <source>Show or hide the password</source>
        <translation>Mostrar ou ocultar a palavra-passe</translation>
    </message>
    <message>
        <source>Do not show thumbnails of adult videos</source>
        <translation>Não mostrar miniaturas de vídeos para adultos</translation>
    </message>
    <message>
        <source>Save adult videos as hidden</source>
        <translation>Guardar vídeos para adultos como ocultos</translation>
    </message>
    <message>
        <source>Remember the password before restart %1</source>
        <translation>Lembrar a palavra-passe até reiniciar o %1</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Bloquear</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Desbloquear</translation>
    </message>
    <message>
        <source>Password error.</source>
        <translation>Palavra-passe incorreta.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Enter the password again</source>
        <translation>Introduza novamente a palavra-passe</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>As palavras-passe não coincidem.</translation>
    </message>
</context>
<context>
    <name>PrivateModeButton</name>
    <message>
        <source>Turn off Private Mode</source>
        <translation>Desativar o modo privado</translation>
    </message>
    <message>
        <source>Turn on Private Mode</source>
        <translation>Ativar o modo privado</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Clipmoor</source>
        <translation>Clipmoor</translation>
    </message>
    <message>
        <source>Clipmoor cannot write to its data folder
%1

Downloads still work, but lists and settings will not be kept after you quit.</source>
        <translation>O Clipmoor não consegue escrever na pasta de dados
%1

As transferências continuam a funcionar, mas as listas e definições perdem-se ao sair.</translation>
    </message>
    <message>
        <source>Clipmoor is already running; no picture was taken.</source>
        <translation>O Clipmoor já está em execução; nenhuma imagem foi tirada.</translation>
    </message>
    <message>
        <source>The built-in browser cannot start.
%1

Pasting addresses on the downloading page still works.</source>
        <translation>O navegador integrado não consegue iniciar.
%1

Colar endereços na página de transferências continua a funcionar.</translation>
    </message>
    <message>
        <source>Clipmoor is running but did not take the addresses.</source>
        <translation>O Clipmoor está em execução mas não aceitou os endereços.</translation>
    </message>
</context>
<context>
    <name>SaveHealth</name>
    <message>
        <source>Clipmoor cannot save its lists: no space left on %1</source>
        <translation>O Clipmoor não consegue guardar as suas listas: sem espaço em %1</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists: %1 is not writable</source>
        <translation>O Clipmoor não consegue guardar as suas listas: não é possível escrever em %1</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists: %1 does not exist</source>
        <translation>O Clipmoor não consegue guardar as suas listas: %1 não existe</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists in %1: %2</source>
        <translation>O Clipmoor não consegue guardar as suas listas em %1: %2</translation>
    </message>
</context>
<context>
    <name>SniffMgr</name>
    <message>
        <source>Download failed, saving the file...</source>
        <translation>A transferência falhou, a guardar o ficheiro...</translation>
    </message>
    <message>
        <source>Please wait, saving the file...</source>
        <translation>Aguarde, a guardar o ficheiro...</translation>
    </message>
</context>
<context>
    <name>UpgradeDlg</name>
    <message>
        <source>A new version is available!</source>
        <translation>Está disponível uma nova versão!</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>A versão atual está atualizada.</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>Não foi possível obter a informação de atualização. Tente mais tarde.</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>A aguardar a verificação...</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Atualização</translation>
    </message>
    <message>
        <source>Clipmoor</source>
        <translation>Clipmoor</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Atualizar agora</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Lembrar mais tarde</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>Versão: %1 | Tamanho: %2 | Data: %3</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>WebElement</name>
    <message>
        <source>Add New</source>
        <translation>Adicionar novo</translation>
    </message>
</context>
<context>
    <name>WebHomePage</name>
    <message>
        <source>Reset</source>
        <translation>Repor</translation>
    </message>
</context>
<context>
    <name>platform::DesktopNotifications</name>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
</context>
<context>
    <name>protocol</name>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>horas</translation>
    </message>
    <message>
        <source>remaining</source>
        <translation>restantes</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>A converter</translation>
    </message>
    <message>
        <source>The download folder cannot be written to</source>
        <translation>Não é possível escrever na pasta de transferências</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>O disco está cheio</translation>
    </message>
    <message>
        <source>The video was not found on the site</source>
        <translation>O vídeo não foi encontrado no site</translation>
    </message>
    <message>
        <source>The site refused the download</source>
        <translation>O site recusou a transferência</translation>
    </message>
    <message>
        <source>The site had a server error</source>
        <translation>O site teve um erro de servidor</translation>
    </message>
    <message>
        <source>The site refused the connection</source>
        <translation>O site recusou a ligação</translation>
    </message>
    <message>
        <source>The site could not be found</source>
        <translation>Não foi possível encontrar o site</translation>
    </message>
    <message>
        <source>The connection timed out</source>
        <translation>A ligação expirou</translation>
    </message>
    <message>
        <source>The download stalled</source>
        <translation>A transferência parou</translation>
    </message>
    <message>
        <source>The download was cut short</source>
        <translation>A transferência ficou incompleta</translation>
    </message>
    <message>
        <source>This address is not supported</source>
        <translation>Este endereço não é suportado</translation>
    </message>
    <message>
        <source>The download tool stopped unexpectedly</source>
        <translation>A ferramenta de transferência parou inesperadamente</translation>
    </message>
    <message>
        <source>The download was interrupted</source>
        <translation>A transferência foi interrompida</translation>
    </message>
    <message>
        <source>The download failed</source>
        <translation>A transferência falhou</translation>
    </message>
</context>
<context>
    <name>safesave</name>
    <message>
        <source>Not enough free space in %1: %2 MB free, %3 MB needed</source>
        <translation>Espaço livre insuficiente em %1: %2 MB livres, %3 MB necessários</translation>
    </message>
</context>
</TS>