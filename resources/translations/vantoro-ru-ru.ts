<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Версия: </translation>
    </message>
    <message>
        <source>Clipmoor is made by a small team who want saving a video to be as simple as pasting its address.</source>
        <translation>Clipmoor создаёт небольшая команда, которая хочет, чтобы сохранить видео было так же просто, как вставить его адрес.</translation>
    </message>
    <message>
        <source>To learn more please visit: </source>
        <translation>Подробнее: </translation>
    </message>
    <message>
        <source>Copyright © 2026 the Clipmoor developers. All rights reserved.</source>
        <translation>© 2026 разработчики Clipmoor. Все права защищены.</translation>
    </message>
</context>
<context>
    <name>Adaptation</name>
    <message>
        <source>Same as source</source>
        <translation>Как в исходном файле</translation>
    </message>
    <message>
        <source>High(4K)</source>
        <translation>Высокое(4K)</translation>
    </message>
    <message>
        <source>High(2K)</source>
        <translation>Высокое(2K)</translation>
    </message>
    <message>
        <source>High(1080P)</source>
        <translation>Высокое(1080P)</translation>
    </message>
    <message>
        <source>Middle(720P)</source>
        <translation>Среднее(720P)</translation>
    </message>
    <message>
        <source>Middle(480P)</source>
        <translation>Среднее(480P)</translation>
    </message>
    <message>
        <source>Low(360P)</source>
        <translation>Низкое(360P)</translation>
    </message>
    <message>
        <source>Low(240P)</source>
        <translation>Низкое(240P)</translation>
    </message>
    <message>
        <source>High(320Kb/s)</source>
        <translation>Высокое(320Kb/s)</translation>
    </message>
    <message>
        <source>High(256Kb/s)</source>
        <translation>Высокое(256Kb/s)</translation>
    </message>
    <message>
        <source>Middle(128Kb/s)</source>
        <translation>Среднее(128Kb/s)</translation>
    </message>
    <message>
        <source>Low(64Kb/s)</source>
        <translation>Низкое(64Kb/s)</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Аудио</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Качество:</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Без звука</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>AddSiteDlg</name>
    <message>
        <source>Add New</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>BrowserWindow</name>
    <message>
        <source>Home</source>
        <translation>Главная</translation>
    </message>
    <message>
        <source>Go back in history</source>
        <translation>Назад по истории</translation>
    </message>
    <message>
        <source>Go forward in history</source>
        <translation>Вперёд по истории</translation>
    </message>
    <message>
        <source>Stop loading this page</source>
        <translation>Остановить загрузку страницы</translation>
    </message>
    <message>
        <source>Reload this page</source>
        <translation>Обновить страницу</translation>
    </message>
    <message>
        <source>Clear browsing data</source>
        <translation>Очистить данные браузера</translation>
    </message>
    <message>
        <source>Enter Video URL</source>
        <translation>Введите URL видео</translation>
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
        <translation>Больше не спрашивать</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>ConvMediaInfo</name>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
</context>
<context>
    <name>ConvertTask</name>
    <message>
        <source>The file does not exist</source>
        <translation>Файл не существует</translation>
    </message>
    <message>
        <source>Cannot write to %1</source>
        <translation>Не удаётся записать в %1</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Конвертация</translation>
    </message>
    <message>
        <source>The conversion tool failed (%1)</source>
        <translation>Ошибка инструмента конвертации (%1)</translation>
    </message>
    <message>
        <source>The conversion tool did not say where the file is</source>
        <translation>Инструмент конвертации не сообщил, где находится файл</translation>
    </message>
    <message>
        <source>Cannot move the converted file to %1</source>
        <translation>Не удаётся переместить конвертированный файл в %1</translation>
    </message>
    <message>
        <source>The conversion tool could not be started</source>
        <translation>Не удалось запустить инструмент конвертации</translation>
    </message>
    <message>
        <source>The conversion tool ended unexpectedly</source>
        <translation>Инструмент конвертации неожиданно завершился</translation>
    </message>
</context>
<context>
    <name>ConvertedDelegate</name>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>Показать файл</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
</context>
<context>
    <name>ConvertedPage</name>
    <message>
        <source>Delete Selected</source>
        <translation>Удалить выбранное</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Converted files appear here.</source>
        <translation>Здесь появятся конвертированные файлы.</translation>
    </message>
    <message>
        <source>Are you sure to delete this item?</source>
        <translation>Удалить этот элемент?</translation>
    </message>
    <message>
        <source>Are you sure to delete the items which you selected?</source>
        <translation>Удалить выбранные элементы?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>Показать файл</translation>
    </message>
</context>
<context>
    <name>ConvertingDelegate</name>
    <message>
        <source>Waiting to convert...</source>
        <translation>Ожидание конвертации...</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Конвертация</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>готово</translation>
    </message>
    <message>
        <source>Convert failed.</source>
        <translation>Ошибка конвертации.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Преобразование</translation>
    </message>
</context>
<context>
    <name>ConvertingPage</name>
    <message>
        <source>Add Files</source>
        <translation>Добавить файлы</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>Показать файл</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Удалить все</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>Конвертировать все</translation>
    </message>
    <message>
        <source>Click Here to Add Files or Drag Files Here</source>
        <translation>Нажмите здесь, чтобы добавить файлы, или перетащите их сюда</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Are you sure to delete the Converting tasks which you selected?</source>
        <translation>Удалить выбранные задачи конвертации?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all of the tasks from the Converting queue?</source>
        <translation>Удалить все задачи из очереди конвертации?</translation>
    </message>
</context>
<context>
    <name>CurlProxy</name>
    <message>
        <source>Failure writing output to destination.</source>
        <translation>Не удалось записать файл.</translation>
    </message>
    <message>
        <source>Unable to connect to the network.</source>
        <translation>Нет подключения к сети.</translation>
    </message>
    <message>
        <source>connection was reset.</source>
        <translation>Соединение было сброшено.</translation>
    </message>
    <message>
        <source>Unable to download or download timeout.</source>
        <translation>Не удалось загрузить или истекло время ожидания.</translation>
    </message>
</context>
<context>
    <name>DeleteConfirmDlg</name>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Delete original file(s) as well.</source>
        <translation>Также удалить исходные файлы.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>DesktopBridge</name>
    <message>
        <source>A private download</source>
        <translation>Личная загрузка</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Ошибка загрузки</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>Загрузка завершена</translation>
    </message>
    <message>
        <source>Conversion failed</source>
        <translation>Ошибка конвертации</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Конвертация завершена</translation>
    </message>
</context>
<context>
    <name>DoneTaskWidget</name>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>Показать файл</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>Lyrics</source>
        <translation>Текст песни</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Субтитры</translation>
    </message>
    <message>
        <source>The Filename is Empty and Cannot Be Saved.</source>
        <translation>Имя файла пустое, сохранить нельзя.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Do You Want to Rename "%1" to "%2"? This Location Already Contains a File with the Same Name.</source>
        <translation>Переименовать «%1» в «%2»? В этой папке уже есть файл с таким именем.</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
</context>
<context>
    <name>DownloadFailedDlg</name>
    <message>
        <source>Download failed</source>
        <translation>Ошибка загрузки</translation>
    </message>
    <message>
        <source>Cause of failure:

1. The URL you copied does not support downloading.

2. The URL is not a qualified video or audio link.

3. The URL is a website link.

4. The URL needs a premium to preview.</source>
        <translation>Возможные причины:

1. Скопированный адрес не поддерживает загрузку.

2. Адрес не является ссылкой на видео или аудио.

3. Адрес ведёт на сайт, а не на медиафайл.

4. Для адреса нужна премиум-подписка.</translation>
    </message>
    <message>
        <source>Note:

1. Please ensure that the network is stable, click the Retry button to parse it again.

2. The link format is not the normal way, please re-enter and download.

3. If it still fails, please view and try to download in built-in browser.</source>
        <translation>Примечание:

1. Проверьте стабильность сети и нажмите «Повторить», чтобы проанализировать снова.

2. Формат ссылки необычный, введите её заново и загрузите.

3. Если ошибка повторяется, откройте страницу во встроенном браузере и загрузите оттуда.</translation>
    </message>
    <message>
        <source>Download in Built-in Browser</source>
        <translation>Загрузить во встроенном браузере</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Причина: %1</translation>
    </message>
</context>
<context>
    <name>DownloadTaskWidget</name>
    <message>
        <source>Waiting for parsing...</source>
        <translation>Ожидание анализа...</translation>
    </message>
    <message>
        <source>Waiting for downloading...</source>
        <translation>Ожидание загрузки...</translation>
    </message>
    <message>
        <source>&lt;font color=%1&gt;Download failed, &lt;a style='color: %2;' href="none"&gt;please view and try to download in build-in browser&lt;/a&gt;.&lt;/font&gt;</source>
        <translation>&lt;font color=%1&gt;Ошибка загрузки, &lt;a style='color: %2;' href="none"&gt;откройте и загрузите во встроенном браузере&lt;/a&gt;.&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Analyzing...</source>
        <translation>Анализ...</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>В эфире</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Загружается</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Ожидание</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Приостановлено</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Сохранение...</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>Загрузка завершена</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начать</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Stalled, retrying...</source>
        <translation>Загрузка застряла, повторная попытка...</translation>
    </message>
</context>
<context>
    <name>DownloadedPage</name>
    <message>
        <source>Show the File</source>
        <translation>Показать файл</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Личное</translation>
    </message>
    <message>
        <source>Still No File Downloaded, Please Start Downloading</source>
        <translation>Загруженных файлов пока нет, начните загрузку</translation>
    </message>
    <message>
        <source>&lt;a style='color: %1;' href="%2"&gt;Cannot find the file from Private Space?&lt;/a&gt;</source>
        <translation>&lt;a style='color: %1;' href="%2"&gt;Не можете найти файл из личного пространства?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>The Filename is Invalid.</source>
        <translation>Недопустимое имя файла.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Modify File Name</source>
        <translation>Изменить имя файла</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Удалить все</translation>
    </message>
    <message>
        <source>Move to Private List</source>
        <translation>Переместить в личный список</translation>
    </message>
    <message>
        <source>Move Out</source>
        <translation>Убрать</translation>
    </message>
    <message>
        <source>Copy URL</source>
        <translation>Копировать URL</translation>
    </message>
    <message>
        <source>Go to Source Page</source>
        <translation>Перейти на исходную страницу</translation>
    </message>
    <message>
        <source>Save to Dropbox</source>
        <translation>Сохранить в Dropbox</translation>
    </message>
    <message>
        <source>Save to Google Drive</source>
        <translation>Сохранить в Google Drive</translation>
    </message>
    <message>
        <source>Are you sure to delete the items which you select?</source>
        <translation>Удалить выбранные элементы?</translation>
    </message>
    <message>
        <source>Are you sure to delete all the items?</source>
        <translation>Удалить все элементы?</translation>
    </message>
    <message>
        <source>No downloaded file matches "%1".</source>
        <translation>Нет загруженных файлов, соответствующих "%1".</translation>
    </message>
</context>
<context>
    <name>DownloadingPage</name>
    <message>
        <source>Original Video</source>
        <translation>Исходное видео</translation>
    </message>
    <message>
        <source>Original Audio</source>
        <translation>Исходное аудио</translation>
    </message>
    <message>
        <source>Paste URL</source>
        <translation>Вставить URL</translation>
    </message>
    <message>
        <source>Resume all</source>
        <translation>Возобновить все</translation>
    </message>
    <message>
        <source>Pause all</source>
        <translation>Приостановить все</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>Удалить все</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>&lt;a style='color:%1;' href="none"&gt;Supported Sites&lt;/a&gt;</source>
        <translation>&lt;a style='color:%1;' href="none"&gt;Поддерживаемые сайты&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Turbo-fast</source>
        <translation>Турбо</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Загрузка</translation>
    </message>
    <message>
        <source>Download then Convert to</source>
        <translation>Загрузить и преобразовать в</translation>
    </message>
    <message>
        <source>Wanna download Premium videos?
Please sign in to your account in "Online" section, then click "Download" button to get it.</source>
        <translation>Загрузить премиум-видео?
Войдите в свою учётную запись в разделе «Онлайн», затем нажмите кнопку «Загрузить».</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>No url find in the paste board.</source>
        <translation>В буфере обмена нет адреса.</translation>
    </message>
    <message>
        <source>This video is part of the playlist. Do you want to download the clip only or download all playlist?</source>
        <translation>Это видео входит в плейлист. Загрузить только этот ролик или весь плейлист?</translation>
    </message>
    <message>
        <source>Download playlist</source>
        <translation>Загрузить плейлист</translation>
    </message>
    <message>
        <source>Download clip</source>
        <translation>Загрузить ролик</translation>
    </message>
    <message>
        <source>%1 exists task has been skipped.</source>
        <translation>Пропущено существующих задач: %1.</translation>
    </message>
    <message>
        <source>%1 exists tasks have been skipped.</source>
        <translation>Пропущено существующих задач: %1.</translation>
    </message>
    <message>
        <source>Download MP3</source>
        <translation>Загрузить MP3</translation>
    </message>
    <message>
        <source>Multiple URLs</source>
        <translation>Несколько адресов</translation>
    </message>
    <message>
        <source>Download Playlist</source>
        <translation>Загрузить плейлист</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Удалить все</translation>
    </message>
    <message>
        <source>Copy URL</source>
        <translation>Копировать URL</translation>
    </message>
    <message>
        <source>Go to Source Page</source>
        <translation>Перейти на исходную страницу</translation>
    </message>
    <message>
        <source>Are you sure to delete the downloading tasks which you select?</source>
        <translation>Удалить выбранные загрузки?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all of the tasks from the downloading queue?</source>
        <translation>Удалить все задачи из очереди загрузки?</translation>
    </message>
    <message>
        <source>This File Has Already Been Downloaded. Download It Again?</source>
        <translation>Этот файл уже загружен. Загрузить его снова?</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>Загрузить снова</translation>
    </message>
    <message>
        <source>This page has %1 videos. Do you want to download all of them, or only the first one?</source>
        <translation>На этой странице %1 видео. Загрузить все или только первое?</translation>
    </message>
    <message>
        <source>First Only</source>
        <translation>Только первое</translation>
    </message>
    <message>
        <source>Download All</source>
        <translation>Загрузить все</translation>
    </message>
    <message>
        <source>This address is already being downloaded in the same format:</source>
        <translation>Этот адрес уже загружается в том же формате:</translation>
    </message>
</context>
<context>
    <name>FailedfilenameDialog</name>
    <message>
        <source>Failed</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Failed to add files:</source>
        <translation>Не удалось добавить файлы:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>Global</name>
    <message>
        <source>File does not exist.</source>
        <translation>Файл не существует.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>The file does not exist, want to remove it from the list?</source>
        <translation>Файл не существует. Удалить его из списка?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>"%1" does not exist, please change the save directory</source>
        <translation>«%1» не существует, выберите другую папку для сохранения</translation>
    </message>
    <message>
        <source>Go to setting</source>
        <translation>Перейти к настройкам</translation>
    </message>
    <message>
        <source>No application on this computer can open the file:
%1</source>
        <translation>Ни одно приложение на этом компьютере не может открыть файл:
%1</translation>
    </message>
    <message>
        <source>No file manager on this computer can show the file:
%1</source>
        <translation>Ни один файловый менеджер на этом компьютере не может показать файл:
%1</translation>
    </message>
</context>
<context>
    <name>LaunchOptions</name>
    <message>
        <source>Save a picture of the main window once it has started, then quit.</source>
        <translation>Сохранить снимок главного окна после запуска и выйти.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>файл</translation>
    </message>
    <message>
        <source>Could not save the picture %1</source>
        <translation>Не удалось сохранить снимок %1</translation>
    </message>
    <message>
        <source>Web addresses (http or https) to download, as if pasted.</source>
        <translation>Веб-адреса (http или https) для загрузки, как если бы они были вставлены.</translation>
    </message>
</context>
<context>
    <name>LoadFileOperator</name>
    <message>
        <source>cannot read</source>
        <translation>не читается</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>пустой</translation>
    </message>
    <message>
        <source>not a media file</source>
        <translation>не медиафайл</translation>
    </message>
    <message>
        <source>cannot be inspected</source>
        <translation>не удаётся проверить</translation>
    </message>
</context>
<context>
    <name>LoadFilesDlg</name>
    <message>
        <source>Adding files...</source>
        <translation>Добавление файлов...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Подождите...</translation>
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
        <translation>Загружается</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Загружено</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Онлайн</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Конвертация</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Конвертировано</translation>
    </message>
    <message>
        <source>Clipmoor</source>
        <translation>Clipmoor</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Приложение</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Языки</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Загрузка</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>Open Downloaded Folder</source>
        <translation>Открыть папку загрузок</translation>
    </message>
    <message>
        <source>Paste URL</source>
        <translation>Вставить URL</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Руководство</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>Вопросы и ответы</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Открыть папку журналов</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Восстановить</translation>
    </message>
    <message>
        <source>Some tasks are in progress, are you sure you want to quit?</source>
        <translation>Некоторые задачи ещё выполняются. Выйти?</translation>
    </message>
    <message>
        <source>Clipmoor was stopped while it read its download lists last time. The lists it was reading start empty; their files are kept as:
%1</source>
        <translation>В прошлый раз Clipmoor был остановлен во время чтения списков загрузок. Списки, которые он читал, начинаются пустыми; их файлы сохранены как:
%1</translation>
    </message>
    <message>
        <source>Clipmoor downloads web addresses only (starting with http:// or https://). Not taken:
%1</source>
        <translation>Clipmoor загружает только веб-адреса (начинающиеся с http:// или https://). Не приняты:
%1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clipmoor keeps trying for a few seconds before it quits.</source>
        <translation>Clipmoor ещё несколько секунд пытается сохранить списки, прежде чем закрыться.</translation>
    </message>
</context>
<context>
    <name>PasteInputDlg</name>
    <message>
        <source>Multiple URLs</source>
        <translation>Несколько адресов</translation>
    </message>
    <message>
        <source>Paste the URLs(one per line):</source>
        <translation>Вставьте адреса (по одному в строке):</translation>
    </message>
    <message>
        <source>Input web page url...</source>
        <translation>Введите адрес веб-страницы...</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Загрузка</translation>
    </message>
</context>
<context>
    <name>PlaylistConfirmDlg</name>
    <message>
        <source>Best</source>
        <translation>Лучшее</translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation>Сначала новые</translation>
    </message>
    <message>
        <source>Oldest first</source>
        <translation>Сначала старые</translation>
    </message>
    <message>
        <source>Confirm Playlist</source>
        <translation>Подтверждение плейлиста</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Download:</source>
        <translation>Загрузить:</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Аудио</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Качество:</translation>
    </message>
    <message>
        <source>Add numerical order to the file name.</source>
        <translation>Добавлять порядковый номер к имени файла.</translation>
    </message>
    <message>
        <source>Skip Downloaded</source>
        <translation>Пропускать загруженное</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Загрузка</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Please be patient, the more videos in your playlist,the longer you will wait.</source>
        <translation>Пожалуйста, подождите: чем больше видео в плейлисте, тем дольше ожидание.</translation>
    </message>
    <message>
        <source>Analysis failed. Please try again later.</source>
        <translation>Анализ не удался. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Повторить</translation>
    </message>
</context>
<context>
    <name>PreferencesDlg</name>
    <message>
        <source>Best</source>
        <translation>Лучшее</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Английский</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Немецкий</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Испанский</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Французский</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Итальянский</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Японский</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Португальский</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Арабский</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Нидерландский</translation>
    </message>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>Китайский (упрощённый)</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>Китайский (традиционный)</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Польский</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Индонезийский</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Корейский</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Турецкий</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Загрузка</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Соединение</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Преобразование</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>The maximum number of downloading tasks:</source>
        <translation>Максимальное число одновременных загрузок:</translation>
    </message>
    <message>
        <source>Quality Setting:</source>
        <translation>Настройка качества:</translation>
    </message>
    <message>
        <source>Download:</source>
        <translation>Загрузить:</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Аудио</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Качество:</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>Субтитры:</translation>
    </message>
    <message>
        <source>Auto download Subtitles/Lyrics</source>
        <translation>Автоматически загружать субтитры/тексты песен</translation>
    </message>
    <message>
        <source>Auto resume unfinished tasks on startup</source>
        <translation>Автоматически возобновлять незавершённые задачи при запуске</translation>
    </message>
    <message>
        <source>Allow to read Cookies from Firefox/Chrome</source>
        <translation>Разрешить чтение cookies из Firefox/Chrome</translation>
    </message>
    <message>
        <source>Save downloaded files to:</source>
        <translation>Сохранять загруженные файлы в:</translation>
    </message>
    <message>
        <source>Download speed</source>
        <translation>Скорость загрузки</translation>
    </message>
    <message>
        <source>Turbo-fast</source>
        <translation>Турбо</translation>
    </message>
    <message>
        <source>Eable proxy</source>
        <translation>Включить прокси</translation>
    </message>
    <message>
        <source>HTTP Proxy</source>
        <translation>HTTP-прокси</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Authorization required</source>
        <translation>Требуется авторизация</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Логин</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>The maximum number of converting tasks:</source>
        <translation>Максимальное число одновременных преобразований:</translation>
    </message>
    <message>
        <source>Save converted files to:</source>
        <translation>Сохранять преобразованные файлы в:</translation>
    </message>
    <message>
        <source>Lyric:</source>
        <translation>Текст:</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Выбрать папку</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics</source>
        <translation>Отправлять анонимную статистику использования</translation>
    </message>
    <message>
        <source>Tell me on the desktop when a download or conversion ends</source>
        <translation>Сообщать на рабочем столе, когда загрузка или конвертация завершится</translation>
    </message>
    <message>
        <source>Check certificates of download sites</source>
        <translation>Проверять сертификаты сайтов загрузки</translation>
    </message>
    <message>
        <source>Warning: without this check, anyone on the way between you and a site can pose as the site and change what you download.</source>
        <translation>Внимание: без этой проверки любой, кто находится между вами и сайтом, может выдать себя за этот сайт и подменить то, что вы загружаете.</translation>
    </message>
</context>
<context>
    <name>PrivateListDlg</name>
    <message>
        <source>Private List</source>
        <translation>Личный список</translation>
    </message>
    <message>
        <source>Please Enter Password to Lock Private Space</source>
        <translation>Введите пароль, чтобы заблокировать личное пространство</translation>
    </message>
    <message>
        <source>Please Enter Password to Unlock Private Space</source>
        <translation>Введите пароль, чтобы разблокировать личное пространство</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>Введите пароль</translation>
    </message>
    <message>
        <source>Show or hide the password</source>
        <translation>Показать или скрыть пароль</translation>
    </message>
    <message>
        <source>Do not show thumbnails of adult videos</source>
        <translation>Не показывать миниатюры видео для взрослых</translation>
    </message>
    <message>
        <source>Save adult videos as hidden</source>
        <translation>Сохранять видео для взрослых скрытыми</translation>
    </message>
    <message>
        <source>Remember the password before restart %1</source>
        <translation>Запомнить пароль до перезапуска %1</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Заблокировать</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Разблокировать</translation>
    </message>
    <message>
        <source>Password error.</source>
        <translation>Неверный пароль.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Enter the password again</source>
        <translation>Введите пароль ещё раз</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>Пароли не совпадают.</translation>
    </message>
</context>
<context>
    <name>PrivateModeButton</name>
    <message>
        <source>Turn off Private Mode</source>
        <translation>Выключить приватный режим</translation>
    </message>
    <message>
        <source>Turn on Private Mode</source>
        <translation>Включить приватный режим</translation>
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
        <translation>Clipmoor не может записывать в папку данных
%1

Загрузки работают, но списки и настройки не сохранятся после выхода.</translation>
    </message>
    <message>
        <source>Clipmoor is already running; no picture was taken.</source>
        <translation>Clipmoor уже запущен; снимок не сделан.</translation>
    </message>
    <message>
        <source>The built-in browser cannot start.
%1

Pasting addresses on the downloading page still works.</source>
        <translation>Встроенный браузер не может запуститься.
%1

Вставка адресов на странице загрузок по-прежнему работает.</translation>
    </message>
    <message>
        <source>Clipmoor is running but did not take the addresses.</source>
        <translation>Clipmoor запущен, но не принял адреса.</translation>
    </message>
</context>
<context>
    <name>SaveHealth</name>
    <message>
        <source>Clipmoor cannot save its lists: no space left on %1</source>
        <translation>Clipmoor не может сохранить списки: на %1 нет места</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists: %1 is not writable</source>
        <translation>Clipmoor не может сохранить списки: %1 недоступна для записи</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists: %1 does not exist</source>
        <translation>Clipmoor не может сохранить списки: %1 не существует</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists in %1: %2</source>
        <translation>Clipmoor не может сохранить списки в %1: %2</translation>
    </message>
</context>
<context>
    <name>SniffMgr</name>
    <message>
        <source>Download failed, saving the file...</source>
        <translation>Загрузка не удалась, файл сохраняется...</translation>
    </message>
    <message>
        <source>Please wait, saving the file...</source>
        <translation>Подождите, файл сохраняется...</translation>
    </message>
</context>
<context>
    <name>UpgradeDlg</name>
    <message>
        <source>A new version is available!</source>
        <translation>Доступна новая версия!</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>У вас последняя версия.</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>Не удалось получить сведения об обновлении. Повторите позже.</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>Ожидание проверки...</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>Clipmoor</source>
        <translation>Clipmoor</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Обновить сейчас</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Напомнить позже</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>Версия: %1 | Размер: %2 | Дата выпуска: %3</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>WebElement</name>
    <message>
        <source>Add New</source>
        <translation>Добавить</translation>
    </message>
</context>
<context>
    <name>WebHomePage</name>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
</context>
<context>
    <name>platform::DesktopNotifications</name>
    <message>
        <source>Show</source>
        <translation>Показать</translation>
    </message>
</context>
<context>
    <name>protocol</name>
    <message>
        <source>seconds</source>
        <translation>сек.</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>мин.</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>ч.</translation>
    </message>
    <message>
        <source>remaining</source>
        <translation>осталось</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Конвертация</translation>
    </message>
    <message>
        <source>The download folder cannot be written to</source>
        <translation>Нет доступа на запись в папку загрузок</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>Диск заполнен</translation>
    </message>
    <message>
        <source>The video was not found on the site</source>
        <translation>Видео не найдено на сайте</translation>
    </message>
    <message>
        <source>The site refused the download</source>
        <translation>Сайт отклонил загрузку</translation>
    </message>
    <message>
        <source>The site had a server error</source>
        <translation>На сайте произошла ошибка сервера</translation>
    </message>
    <message>
        <source>The site refused the connection</source>
        <translation>Сайт отклонил подключение</translation>
    </message>
    <message>
        <source>The site could not be found</source>
        <translation>Сайт не найден</translation>
    </message>
    <message>
        <source>The connection timed out</source>
        <translation>Время ожидания подключения истекло</translation>
    </message>
    <message>
        <source>The download stalled</source>
        <translation>Загрузка зависла</translation>
    </message>
    <message>
        <source>The download was cut short</source>
        <translation>Загрузка оборвалась</translation>
    </message>
    <message>
        <source>This address is not supported</source>
        <translation>Этот адрес не поддерживается</translation>
    </message>
    <message>
        <source>The download tool stopped unexpectedly</source>
        <translation>Программа загрузки неожиданно завершилась</translation>
    </message>
    <message>
        <source>The download was interrupted</source>
        <translation>Загрузка прервана</translation>
    </message>
    <message>
        <source>The download failed</source>
        <translation>Не удалось загрузить</translation>
    </message>
</context>
<context>
    <name>safesave</name>
    <message>
        <source>Not enough free space in %1: %2 MB free, %3 MB needed</source>
        <translation>Недостаточно свободного места в %1: свободно %2 МБ, нужно %3 МБ</translation>
    </message>
</context>
</TS>