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
        <source>Choose the download folder</source>
        <translation>Выбрать папку загрузок</translation>
    </message>
</context>
<context>
    <name>LanguageSettings</name>
    <message>
        <source>English</source>
        <translation>Английский</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Итальянский</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Немецкий</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Французский</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Испанский</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Португальский</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Корейский</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Индонезийский</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Вьетнамский</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Хинди</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Японский</translation>
    </message>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>Китайский (упрощённый)</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>Китайский (традиционный)</translation>
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
        <source>Paste a video address to start downloading.</source>
        <translation>Вставьте адрес видео, чтобы начать загрузку.</translation>
    </message>
    <message>
        <source>Finished downloads appear here.</source>
        <translation>Здесь появятся завершённые загрузки.</translation>
    </message>
    <message>
        <source>The built-in browser opens here.</source>
        <translation>Здесь откроется встроенный браузер.</translation>
    </message>
    <message>
        <source>Add media files here to convert them.</source>
        <translation>Добавьте сюда медиафайлы для конвертации.</translation>
    </message>
    <message>
        <source>Converted files appear here.</source>
        <translation>Здесь появятся конвертированные файлы.</translation>
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
</context>
</TS>