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
        <source>Choose the download folder</source>
        <translation>Escolher a pasta de transferências</translation>
    </message>
</context>
<context>
    <name>LanguageSettings</name>
    <message>
        <source>English</source>
        <translation>Inglês</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemão</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francês</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espanhol</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Português</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonésio</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamita</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonês</translation>
    </message>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>Chinês (simplificado)</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>Chinês (tradicional)</translation>
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
        <source>Paste a video address to start downloading.</source>
        <translation>Cole o endereço de um vídeo para começar a transferir.</translation>
    </message>
    <message>
        <source>Finished downloads appear here.</source>
        <translation>As transferências concluídas aparecem aqui.</translation>
    </message>
    <message>
        <source>The built-in browser opens here.</source>
        <translation>O navegador integrado abre aqui.</translation>
    </message>
    <message>
        <source>Add media files here to convert them.</source>
        <translation>Adicione aqui ficheiros multimédia para os converter.</translation>
    </message>
    <message>
        <source>Converted files appear here.</source>
        <translation>Os ficheiros convertidos aparecem aqui.</translation>
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
</context>
</TS>