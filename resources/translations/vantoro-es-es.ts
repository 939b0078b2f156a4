<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Versión: </translation>
    </message>
    <message>
        <source>Clipmoor is made by a small team who want saving a video to be as simple as pasting its address.</source>
        <translation>Clipmoor lo hace un pequeño equipo que quiere que guardar un vídeo sea tan sencillo como pegar su dirección.</translation>
    </message>
    <message>
        <source>To learn more please visit: </source>
        <translation>Para saber más, visita: </translation>
    </message>
    <message>
        <source>Copyright © 2026 the Clipmoor developers. All rights reserved.</source>
        <translation>Copyright © 2026 los desarrolladores de Clipmoor. Todos los derechos reservados.</translation>
    </message>
</context>
<context>
    <name>Adaptation</name>
    <message>
        <source>Same as source</source>
        <translation>Igual que el original</translation>
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
        <translation>Media(720P)</translation>
    </message>
    <message>
        <source>Middle(480P)</source>
        <translation>Media(480P)</translation>
    </message>
    <message>
        <source>Low(360P)</source>
        <translation>Baja(360P)</translation>
    </message>
    <message>
        <source>Low(240P)</source>
        <translation>Baja(240P)</translation>
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
        <translation>Media(128Kb/s)</translation>
    </message>
    <message>
        <source>Low(64Kb/s)</source>
        <translation>Baja(64Kb/s)</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Calidad:</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Sin sonido</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Añadir nuevo</translation>
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
        <translation>Aceptar</translation>
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
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Go back in history</source>
        <translation>Retroceder en el historial</translation>
    </message>
    <message>
        <source>Go forward in history</source>
        <translation>Avanzar en el historial</translation>
    </message>
    <message>
        <source>Stop loading this page</source>
        <translation>Detener la carga de esta página</translation>
    </message>
    <message>
        <source>Reload this page</source>
        <translation>Volver a cargar esta página</translation>
    </message>
    <message>
        <source>Clear browsing data</source>
        <translation>Borrar datos de navegación</translation>
    </message>
    <message>
        <source>Enter Video URL</source>
        <translation>Introduzca la URL del vídeo</translation>
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
        <translation>No volver a preguntar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>ConvMediaInfo</name>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
</context>
<context>
    <name>ConvertTask</name>
    <message>
        <source>The file does not exist</source>
        <translation>El archivo no existe</translation>
    </message>
    <message>
        <source>Cannot write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Convirtiendo</translation>
    </message>
    <message>
        <source>The conversion tool failed (%1)</source>
        <translation>La herramienta de conversión falló (%1)</translation>
    </message>
    <message>
        <source>The conversion tool did not say where the file is</source>
        <translation>La herramienta de conversión no indicó dónde está el archivo</translation>
    </message>
    <message>
        <source>Cannot move the converted file to %1</source>
        <translation>No se puede mover el archivo convertido a %1</translation>
    </message>
    <message>
        <source>The conversion tool could not be started</source>
        <translation>No se pudo iniciar la herramienta de conversión</translation>
    </message>
    <message>
        <source>The conversion tool ended unexpectedly</source>
        <translation>La herramienta de conversión terminó inesperadamente</translation>
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
        <translation>Mostrar el archivo</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
</context>
<context>
    <name>ConvertedPage</name>
    <message>
        <source>Delete Selected</source>
        <translation>Eliminar selección</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Converted files appear here.</source>
        <translation>Los archivos convertidos aparecen aquí.</translation>
    </message>
    <message>
        <source>Are you sure to delete this item?</source>
        <translation>¿Seguro que quiere eliminar este elemento?</translation>
    </message>
    <message>
        <source>Are you sure to delete the items which you selected?</source>
        <translation>¿Seguro que quiere eliminar los elementos seleccionados?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>Mostrar el archivo</translation>
    </message>
</context>
<context>
    <name>ConvertingDelegate</name>
    <message>
        <source>Waiting to convert...</source>
        <translation>Esperando para convertir...</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Convirtiendo</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>terminado</translation>
    </message>
    <message>
        <source>Convert failed.</source>
        <translation>La conversión falló.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
</context>
<context>
    <name>ConvertingPage</name>
    <message>
        <source>Add Files</source>
        <translation>Añadir archivos</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>Mostrar el archivo</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Eliminar todo</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>Convertir todo</translation>
    </message>
    <message>
        <source>Click Here to Add Files or Drag Files Here</source>
        <translation>Haga clic aquí para añadir archivos o arrástrelos aquí</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Are you sure to delete the Converting tasks which you selected?</source>
        <translation>¿Seguro que quiere eliminar las conversiones seleccionadas?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all of the tasks from the Converting queue?</source>
        <translation>¿Seguro que quiere eliminar todas las tareas de la cola de conversión?</translation>
    </message>
</context>
<context>
    <name>CurlProxy</name>
    <message>
        <source>Failure writing output to destination.</source>
        <translation>No se pudo escribir en el destino.</translation>
    </message>
    <message>
        <source>Unable to connect to the network.</source>
        <translation>No se puede conectar a la red.</translation>
    </message>
    <message>
        <source>connection was reset.</source>
        <translation>Se restableció la conexión.</translation>
    </message>
    <message>
        <source>Unable to download or download timeout.</source>
        <translation>No se puede descargar o se agotó el tiempo.</translation>
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
        <translation>Eliminar también los archivos originales.</translation>
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
        <translation>Una descarga privada</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Error en la descarga</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>Descarga finalizada</translation>
    </message>
    <message>
        <source>Conversion failed</source>
        <translation>Error en la conversión</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Conversión finalizada</translation>
    </message>
</context>
<context>
    <name>DoneTaskWidget</name>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>Mostrar el archivo</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Lyrics</source>
        <translation>Letra</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Subtítulos</translation>
    </message>
    <message>
        <source>The Filename is Empty and Cannot Be Saved.</source>
        <translation>El nombre de archivo está vacío y no se puede guardar.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Do You Want to Rename "%1" to "%2"? This Location Already Contains a File with the Same Name.</source>
        <translation>¿Desea cambiar el nombre de "%1" a "%2"? Esta ubicación ya contiene un archivo con el mismo nombre.</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
</context>
<context>
    <name>DownloadFailedDlg</name>
    <message>
        <source>Download failed</source>
        <translation>Error en la descarga</translation>
    </message>
    <message>
        <source>Cause of failure:

1. The URL you copied does not support downloading.

2. The URL is not a qualified video or audio link.

3. The URL is a website link.

4. The URL needs a premium to preview.</source>
        <translation>Posibles causas:

1. La URL copiada no admite descargas.

2. La URL no es un enlace de vídeo o audio válido.

3. La URL es un enlace a un sitio web.

4. La URL requiere una cuenta premium.</translation>
    </message>
    <message>
        <source>Note:

1. Please ensure that the network is stable, click the Retry button to parse it again.

2. The link format is not the normal way, please re-enter and download.

3. If it still fails, please view and try to download in built-in browser.</source>
        <translation>Nota:

1. Asegúrese de que la red sea estable y haga clic en Reintentar para analizarla de nuevo.

2. El formato del enlace no es el habitual; vuelva a introducirlo y descárguelo.

3. Si sigue fallando, ábralo en el navegador integrado y descárguelo desde allí.</translation>
    </message>
    <message>
        <source>Download in Built-in Browser</source>
        <translation>Descargar en el navegador integrado</translation>
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
        <translation>Esperando el análisis...</translation>
    </message>
    <message>
        <source>Waiting for downloading...</source>
        <translation>Esperando la descarga...</translation>
    </message>
    <message>
        <source>&lt;font color=%1&gt;Download failed, &lt;a style='color: %2;' href="none"&gt;please view and try to download in build-in browser&lt;/a&gt;.&lt;/font&gt;</source>
        <translation>&lt;font color=%1&gt;Error en la descarga, &lt;a style='color: %2;' href="none"&gt;ábralo y descárguelo en el navegador integrado&lt;/a&gt;.&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Analyzing...</source>
        <translation>Analizando...</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>En directo</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Descargando</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En espera</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Guardando...</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>Descarga finalizada</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Stalled, retrying...</source>
        <translation>Detenido, reintentando...</translation>
    </message>
</context>
<context>
    <name>DownloadedPage</name>
    <message>
        <source>Show the File</source>
        <translation>Mostrar el archivo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privado</translation>
    </message>
    <message>
        <source>Still No File Downloaded, Please Start Downloading</source>
        <translation>Aún no hay archivos descargados, empiece una descarga</translation>
    </message>
    <message>
        <source>&lt;a style='color: %1;' href="%2"&gt;Cannot find the file from Private Space?&lt;/a&gt;</source>
        <translation>&lt;a style='color: %1;' href="%2"&gt;¿No encuentra el archivo del espacio privado?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>The Filename is Invalid.</source>
        <translation>El nombre de archivo no es válido.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Modify File Name</source>
        <translation>Cambiar el nombre del archivo</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Eliminar todo</translation>
    </message>
    <message>
        <source>Move to Private List</source>
        <translation>Mover a la lista privada</translation>
    </message>
    <message>
        <source>Move Out</source>
        <translation>Sacar</translation>
    </message>
    <message>
        <source>Copy URL</source>
        <translation>Copiar URL</translation>
    </message>
    <message>
        <source>Go to Source Page</source>
        <translation>Ir a la página de origen</translation>
    </message>
    <message>
        <source>Save to Dropbox</source>
        <translation>Guardar en Dropbox</translation>
    </message>
    <message>
        <source>Save to Google Drive</source>
        <translation>Guardar en Google Drive</translation>
    </message>
    <message>
        <source>Are you sure to delete the items which you select?</source>
        <translation>¿Seguro que desea eliminar los elementos seleccionados?</translation>
    </message>
    <message>
        <source>Are you sure to delete all the items?</source>
        <translation>¿Seguro que desea eliminar todos los elementos?</translation>
    </message>
    <message>
        <source>No downloaded file matches "%1".</source>
        <translation>Ningún archivo descargado coincide con "%1".</translation>
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
        <translation>Audio original</translation>
    </message>
    <message>
        <source>Paste URL</source>
        <translation>Pegar URL</translation>
    </message>
    <message>
        <source>Resume all</source>
        <translation>Reanudar todo</translation>
    </message>
    <message>
        <source>Pause all</source>
        <translation>Pausar todo</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>Eliminar todo</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>&lt;a style='color:%1;' href="none"&gt;Supported Sites&lt;/a&gt;</source>
        <translation>&lt;a style='color:%1;' href="none"&gt;Sitios compatibles&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Turbo-fast</source>
        <translation>Turbo</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descarga</translation>
    </message>
    <message>
        <source>Download then Convert to</source>
        <translation>Descargar y convertir a</translation>
    </message>
    <message>
        <source>Wanna download Premium videos?
Please sign in to your account in "Online" section, then click "Download" button to get it.</source>
        <translation>¿Descargar vídeos premium?
Inicie sesión en su cuenta en la sección "En línea" y luego haga clic en el botón "Descargar".</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>No url find in the paste board.</source>
        <translation>No se encontró ninguna URL en el portapapeles.</translation>
    </message>
    <message>
        <source>This video is part of the playlist. Do you want to download the clip only or download all playlist?</source>
        <translation>Este vídeo forma parte de una lista de reproducción. ¿Desea descargar solo el clip o toda la lista?</translation>
    </message>
    <message>
        <source>Download playlist</source>
        <translation>Descargar la lista</translation>
    </message>
    <message>
        <source>Download clip</source>
        <translation>Descargar el clip</translation>
    </message>
    <message>
        <source>%1 exists task has been skipped.</source>
        <translation>Se omitió %1 tarea existente.</translation>
    </message>
    <message>
        <source>%1 exists tasks have been skipped.</source>
        <translation>Se omitieron %1 tareas existentes.</translation>
    </message>
    <message>
        <source>Download MP3</source>
        <translation>Descargar MP3</translation>
    </message>
    <message>
        <source>Multiple URLs</source>
        <translation>Varias URL</translation>
    </message>
    <message>
        <source>Download Playlist</source>
        <translation>Descargar lista de reproducción</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Eliminar todo</translation>
    </message>
    <message>
        <source>Copy URL</source>
        <translation>Copiar URL</translation>
    </message>
    <message>
        <source>Go to Source Page</source>
        <translation>Ir a la página de origen</translation>
    </message>
    <message>
        <source>Are you sure to delete the downloading tasks which you select?</source>
        <translation>¿Seguro que desea eliminar las descargas seleccionadas?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all of the tasks from the downloading queue?</source>
        <translation>¿Seguro que desea eliminar todas las tareas de la cola de descargas?</translation>
    </message>
    <message>
        <source>This File Has Already Been Downloaded. Download It Again?</source>
        <translation>Este archivo ya se ha descargado. ¿Descargarlo de nuevo?</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>Descargar de nuevo</translation>
    </message>
    <message>
        <source>This page has %1 videos. Do you want to download all of them, or only the first one?</source>
        <translation>Esta página tiene %1 vídeos. ¿Quiere descargarlos todos o solo el primero?</translation>
    </message>
    <message>
        <source>First Only</source>
        <translation>Solo el primero</translation>
    </message>
    <message>
        <source>Download All</source>
        <translation>Descargar todos</translation>
    </message>
    <message>
        <source>This address is already being downloaded in the same format:</source>
        <translation>Esta dirección ya se está descargando en el mismo formato:</translation>
    </message>
</context>
<context>
    <name>FailedfilenameDialog</name>
    <message>
        <source>Failed</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Failed to add files:</source>
        <translation>No se pudieron añadir estos archivos:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Global</name>
    <message>
        <source>File does not exist.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>The file does not exist, want to remove it from the list?</source>
        <translation>El archivo no existe, ¿quieres quitarlo de la lista?</translation>
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
        <translation>«%1» no existe, cambia la carpeta de guardado</translation>
    </message>
    <message>
        <source>Go to setting</source>
        <translation>Ir a la configuración</translation>
    </message>
    <message>
        <source>No application on this computer can open the file:
%1</source>
        <translation>Ninguna aplicación de este equipo puede abrir el archivo:
%1</translation>
    </message>
    <message>
        <source>No file manager on this computer can show the file:
%1</source>
        <translation>Ningún gestor de archivos de este equipo puede mostrar el archivo:
%1</translation>
    </message>
</context>
<context>
    <name>LaunchOptions</name>
    <message>
        <source>Save a picture of the main window once it has started, then quit.</source>
        <translation>Guardar una imagen de la ventana principal cuando se haya iniciado y salir.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>archivo</translation>
    </message>
    <message>
        <source>Could not save the picture %1</source>
        <translation>No se pudo guardar la imagen %1</translation>
    </message>
    <message>
        <source>Web addresses (http or https) to download, as if pasted.</source>
        <translation>Direcciones web (http o https) que descargar, como si se pegaran.</translation>
    </message>
</context>
<context>
    <name>LoadFileOperator</name>
    <message>
        <source>cannot read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>not a media file</source>
        <translation>no es un archivo multimedia</translation>
    </message>
    <message>
        <source>cannot be inspected</source>
        <translation>no se puede analizar</translation>
    </message>
</context>
<context>
    <name>LoadFilesDlg</name>
    <message>
        <source>Adding files...</source>
        <translation>Añadiendo archivos...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Espere, por favor...</translation>
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
        <translation>Descargando</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Descargados</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>En línea</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Convirtiendo</translation>
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
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Aplicación</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Idiomas</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descarga</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Open Downloaded Folder</source>
        <translation>Abrir la carpeta de descargas</translation>
    </message>
    <message>
        <source>Paste URL</source>
        <translation>Pegar URL</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guía</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>Preguntas frecuentes</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Abrir la carpeta de registros</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>Some tasks are in progress, are you sure you want to quit?</source>
        <translation>Hay tareas en curso, ¿seguro que quieres salir?</translation>
    </message>
    <message>
        <source>Clipmoor was stopped while it read its download lists last time. The lists it was reading start empty; their files are kept as:
%1</source>
        <translation>Clipmoor se detuvo la última vez mientras leía sus listas de descargas. Las listas que estaba leyendo empiezan vacías; sus archivos se conservan como:
%1</translation>
    </message>
    <message>
        <source>Clipmoor downloads web addresses only (starting with http:// or https://). Not taken:
%1</source>
        <translation>Clipmoor solo descarga direcciones web (que empiezan por http:// o https://). No aceptadas:
%1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Clipmoor keeps trying for a few seconds before it quits.</source>
        <translation>Clipmoor lo sigue intentando unos segundos antes de cerrarse.</translation>
    </message>
</context>
<context>
    <name>PasteInputDlg</name>
    <message>
        <source>Multiple URLs</source>
        <translation>Varias URL</translation>
    </message>
    <message>
        <source>Paste the URLs(one per line):</source>
        <translation>Pegue las URL (una por línea):</translation>
    </message>
    <message>
        <source>Input web page url...</source>
        <translation>Introduzca la URL de una página web...</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descarga</translation>
    </message>
</context>
<context>
    <name>PlaylistConfirmDlg</name>
    <message>
        <source>Best</source>
        <translation>Mejor</translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation>Más recientes primero</translation>
    </message>
    <message>
        <source>Oldest first</source>
        <translation>Más antiguos primero</translation>
    </message>
    <message>
        <source>Confirm Playlist</source>
        <translation>Confirmar lista de reproducción</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Download:</source>
        <translation>Descargar:</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Calidad:</translation>
    </message>
    <message>
        <source>Add numerical order to the file name.</source>
        <translation>Añadir un número de orden al nombre del archivo.</translation>
    </message>
    <message>
        <source>Skip Downloaded</source>
        <translation>Omitir lo ya descargado</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descarga</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Please be patient, the more videos in your playlist,the longer you will wait.</source>
        <translation>Tenga paciencia: cuantos más vídeos tenga la lista, más tendrá que esperar.</translation>
    </message>
    <message>
        <source>Analysis failed. Please try again later.</source>
        <translation>Error en el análisis. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
</context>
<context>
    <name>PreferencesDlg</name>
    <message>
        <source>Best</source>
        <translation>Mejor</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonés</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugués</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Árabe</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruso</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Neerlandés</translation>
    </message>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>Chino (simplificado)</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>Chino (tradicional)</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polaco</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonesio</translation>
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
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descarga</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
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
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>The maximum number of downloading tasks:</source>
        <translation>Número máximo de descargas simultáneas:</translation>
    </message>
    <message>
        <source>Quality Setting:</source>
        <translation>Ajuste de calidad:</translation>
    </message>
    <message>
        <source>Download:</source>
        <translation>Descargar:</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Calidad:</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>Subtítulos:</translation>
    </message>
    <message>
        <source>Auto download Subtitles/Lyrics</source>
        <translation>Descargar subtítulos/letras automáticamente</translation>
    </message>
    <message>
        <source>Auto resume unfinished tasks on startup</source>
        <translation>Reanudar tareas pendientes al iniciar</translation>
    </message>
    <message>
        <source>Allow to read Cookies from Firefox/Chrome</source>
        <translation>Permitir leer cookies de Firefox/Chrome</translation>
    </message>
    <message>
        <source>Save downloaded files to:</source>
        <translation>Guardar los archivos descargados en:</translation>
    </message>
    <message>
        <source>Download speed</source>
        <translation>Velocidad de descarga</translation>
    </message>
    <message>
        <source>Turbo-fast</source>
        <translation>Turbo</translation>
    </message>
    <message>
        <source>Eable proxy</source>
        <translation>Activar proxy</translation>
    </message>
    <message>
        <source>HTTP Proxy</source>
        <translation>Proxy HTTP</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Authorization required</source>
        <translation>Requiere autenticación</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>The maximum number of converting tasks:</source>
        <translation>Número máximo de conversiones simultáneas:</translation>
    </message>
    <message>
        <source>Save converted files to:</source>
        <translation>Guardar los archivos convertidos en:</translation>
    </message>
    <message>
        <source>Lyric:</source>
        <translation>Letra:</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Seleccionar carpeta</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics</source>
        <translation>Enviar estadísticas de uso anónimas</translation>
    </message>
    <message>
        <source>Tell me on the desktop when a download or conversion ends</source>
        <translation>Avisarme en el escritorio cuando termine una descarga o una conversión</translation>
    </message>
    <message>
        <source>Check certificates of download sites</source>
        <translation>Comprobar los certificados de los sitios de descarga</translation>
    </message>
    <message>
        <source>Warning: without this check, anyone on the way between you and a site can pose as the site and change what you download.</source>
        <translation>Advertencia: sin esta comprobación, cualquiera que esté entre usted y un sitio puede hacerse pasar por el sitio y cambiar lo que descarga.</translation>
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
        <translation>Introduzca la contraseña para bloquear el espacio privado</translation>
    </message>
    <message>
        <source>Please Enter Password to Unlock Private Space</source>
        <translation>Introduzca la contraseña para desbloquear el espacio privado</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>Introduzca la contraseña</translation>
    </message>
    <message>
        <source>Show or hide the password</source>
        <translation>Mostrar u ocultar la contraseña</translation>
    </message>
    <message>
        <source>Do not show thumbnails of adult videos</source>
        <translation>No mostrar miniaturas de vídeos para adultos</translation>
    </message>
    <message>
        <source>Save adult videos as hidden</source>
        <translation>Guardar los vídeos para adultos como ocultos</translation>
    </message>
    <message>
        <source>Remember the password before restart %1</source>
        <translation>Recordar la contraseña hasta reiniciar %1</translation>
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
        <translation>Contraseña incorrecta.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Enter the password again</source>
        <translation>Vuelva a introducir la contraseña</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>Las contraseñas no coinciden.</translation>
    </message>
</context>
<context>
    <name>PrivateModeButton</name>
    <message>
        <source>Turn off Private Mode</source>
        <translation>Desactivar el modo privado</translation>
    </message>
    <message>
        <source>Turn on Private Mode</source>
        <translation>Activar el modo privado</translation>
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
        <translation>Clipmoor no puede escribir en su carpeta de datos
%1

Las descargas siguen funcionando, pero las listas y la configuración no se conservarán al salir.</translation>
    </message>
    <message>
        <source>Clipmoor is already running; no picture was taken.</source>
        <translation>Clipmoor ya se está ejecutando; no se tomó ninguna imagen.</translation>
    </message>
    <message>
        <source>The built-in browser cannot start.
%1

Pasting addresses on the downloading page still works.</source>
        <translation>El navegador integrado no puede iniciarse.
%1

Pegar direcciones en la página de descargas sigue funcionando.</translation>
    </message>
    <message>
        <source>Clipmoor is running but did not take the addresses.</source>
        <translation>Clipmoor se está ejecutando pero no ha aceptado las direcciones.</translation>
    </message>
</context>
<context>
    <name>SaveHealth</name>
    <message>
        <source>Clipmoor cannot save its lists: no space left on %1</source>
        <translation>Clipmoor no puede guardar sus listas: no queda espacio en %1</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists: %1 is not writable</source>
        <translation>Clipmoor no puede guardar sus listas: no se puede escribir en %1</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists: %1 does not exist</source>
        <translation>Clipmoor no puede guardar sus listas: %1 no existe</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists in %1: %2</source>
        <translation>Clipmoor no puede guardar sus listas en %1: %2</translation>
    </message>
</context>
<context>
    <name>SniffMgr</name>
    <message>
        <source>Download failed, saving the file...</source>
        <translation>La descarga falló, guardando el archivo...</translation>
    </message>
    <message>
        <source>Please wait, saving the file...</source>
        <translation>Espera, guardando el archivo...</translation>
    </message>
</context>
<context>
    <name>UpgradeDlg</name>
    <message>
        <source>A new version is available!</source>
        <translation>¡Hay una nueva versión disponible!</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>Tu versión está actualizada.</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>No se pudo obtener la información de actualización. Inténtalo más tarde.</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>Esperando la comprobación...</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Actualización</translation>
    </message>
    <message>
        <source>Clipmoor</source>
        <translation>Clipmoor</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Actualizar ahora</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Recordármelo más tarde</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>Versión: %1 | Tamaño: %2 | Fecha: %3</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>WebElement</name>
    <message>
        <source>Add New</source>
        <translation>Añadir nuevo</translation>
    </message>
</context>
<context>
    <name>WebHomePage</name>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
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
        <translation>Convirtiendo</translation>
    </message>
    <message>
        <source>The download folder cannot be written to</source>
        <translation>No se puede escribir en la carpeta de descargas</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>El disco está lleno</translation>
    </message>
    <message>
        <source>The video was not found on the site</source>
        <translation>No se encontró el vídeo en el sitio</translation>
    </message>
    <message>
        <source>The site refused the download</source>
        <translation>El sitio rechazó la descarga</translation>
    </message>
    <message>
        <source>The site had a server error</source>
        <translation>El sitio tuvo un error del servidor</translation>
    </message>
    <message>
        <source>The site refused the connection</source>
        <translation>El sitio rechazó la conexión</translation>
    </message>
    <message>
        <source>The site could not be found</source>
        <translation>No se encontró el sitio</translation>
    </message>
    <message>
        <source>The connection timed out</source>
        <translation>Se agotó el tiempo de conexión</translation>
    </message>
    <message>
        <source>The download stalled</source>
        <translation>La descarga se ha atascado</translation>
    </message>
    <message>
        <source>The download was cut short</source>
        <translation>La descarga quedó incompleta</translation>
    </message>
    <message>
        <source>This address is not supported</source>
        <translation>Esta dirección no es compatible</translation>
    </message>
    <message>
        <source>The download tool stopped unexpectedly</source>
        <translation>La herramienta de descarga se detuvo inesperadamente</translation>
    </message>
    <message>
        <source>The download was interrupted</source>
        <translation>La descarga se interrumpió</translation>
    </message>
    <message>
        <source>The download failed</source>
        <translation>La descarga falló</translation>
    </message>
</context>
<context>
    <name>safesave</name>
    <message>
        <source>Not enough free space in %1: %2 MB free, %3 MB needed</source>
        <translation>No hay suficiente espacio libre en %1: %2 MB libres, %3 MB necesarios</translation>
    </message>
</context>
</TS>