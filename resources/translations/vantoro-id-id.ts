<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="id_ID">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About</source>
        <translation>Tentang</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Versi: </translation>
    </message>
    <message>
        <source>Clipmoor is made by a small team who want saving a video to be as simple as pasting its address.</source>
        <translation>Clipmoor dibuat oleh tim kecil yang ingin menyimpan video semudah menempelkan alamatnya.</translation>
    </message>
    <message>
        <source>To learn more please visit: </source>
        <translation>Selengkapnya kunjungi: </translation>
    </message>
    <message>
        <source>Copyright © 2026 the Clipmoor developers. All rights reserved.</source>
        <translation>Hak cipta © 2026 pengembang Clipmoor. Semua hak dilindungi.</translation>
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
        <translation>Jangan tanya lagi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
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
        <translation>Gagal menulis ke tujuan.</translation>
    </message>
    <message>
        <source>Unable to connect to the network.</source>
        <translation>Tidak dapat terhubung ke jaringan.</translation>
    </message>
    <message>
        <source>connection was reset.</source>
        <translation>Koneksi diatur ulang.</translation>
    </message>
    <message>
        <source>Unable to download or download timeout.</source>
        <translation>Tidak dapat mengunduh atau waktu habis.</translation>
    </message>
</context>
<context>
    <name>Global</name>
    <message>
        <source>File does not exist.</source>
        <translation>Berkas tidak ada.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The file does not exist, want to remove it from the list?</source>
        <translation>Berkas tidak ada, hapus dari daftar?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>"%1" does not exist, please change the save directory</source>
        <translation>"%1" tidak ada, ubah folder penyimpanan</translation>
    </message>
    <message>
        <source>Go to setting</source>
        <translation>Buka pengaturan</translation>
    </message>
    <message>
        <source>Choose the download folder</source>
        <translation>Pilih folder unduhan</translation>
    </message>
</context>
<context>
    <name>LanguageSettings</name>
    <message>
        <source>English</source>
        <translation>Inggris</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italia</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Jerman</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Prancis</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanyol</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugis</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Rusia</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Korea</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonesia</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnam</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Jepang</translation>
    </message>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>Tionghoa (Sederhana)</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>Tionghoa (Tradisional)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Downloading</source>
        <translation>Mengunduh</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Terunduh</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Daring</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Mengonversi</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Terkonversi</translation>
    </message>
    <message>
        <source>Paste a video address to start downloading.</source>
        <translation>Tempel alamat video untuk mulai mengunduh.</translation>
    </message>
    <message>
        <source>Finished downloads appear here.</source>
        <translation>Unduhan yang selesai muncul di sini.</translation>
    </message>
    <message>
        <source>The built-in browser opens here.</source>
        <translation>Peramban bawaan terbuka di sini.</translation>
    </message>
    <message>
        <source>Add media files here to convert them.</source>
        <translation>Tambahkan berkas media di sini untuk dikonversi.</translation>
    </message>
    <message>
        <source>Converted files appear here.</source>
        <translation>Berkas hasil konversi muncul di sini.</translation>
    </message>
    <message>
        <source>Clipmoor</source>
        <translation>Clipmoor</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferensi</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Aplikasi</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Bahasa</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Unduhan</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Berkas</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Bantuan</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tentang</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Periksa pembaruan</translation>
    </message>
    <message>
        <source>Open Downloaded Folder</source>
        <translation>Buka folder unduhan</translation>
    </message>
    <message>
        <source>Paste URL</source>
        <translation>Tempel URL</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Jeda</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Lanjutkan</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Panduan</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>Tanya jawab</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Buka folder log</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Keluar</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Pulihkan</translation>
    </message>
    <message>
        <source>Some tasks are in progress, are you sure you want to quit?</source>
        <translation>Beberapa tugas masih berjalan, yakin ingin keluar?</translation>
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
        <translation>Clipmoor tidak dapat menulis ke folder datanya
%1

Unduhan tetap berjalan, tetapi daftar dan pengaturan tidak disimpan setelah keluar.</translation>
    </message>
</context>
<context>
    <name>SniffMgr</name>
    <message>
        <source>Download failed, saving the file...</source>
        <translation>Unduhan gagal, menyimpan berkas...</translation>
    </message>
    <message>
        <source>Please wait, saving the file...</source>
        <translation>Harap tunggu, menyimpan berkas...</translation>
    </message>
</context>
<context>
    <name>UpgradeDlg</name>
    <message>
        <source>A new version is available!</source>
        <translation>Versi baru tersedia!</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>Versi saat ini sudah terbaru.</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>Gagal mengambil info pembaruan. Coba lagi nanti.</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>Menunggu pemeriksaan...</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Pembaruan</translation>
    </message>
    <message>
        <source>Clipmoor</source>
        <translation>Clipmoor</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Perbarui sekarang</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Ingatkan nanti</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>Versi: %1 | Ukuran: %2 | Tanggal rilis: %3</translation>
    </message>
</context>
<context>
    <name>protocol</name>
    <message>
        <source>seconds</source>
        <translation>detik</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>menit</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>jam</translation>
    </message>
    <message>
        <source>remaining</source>
        <translation>tersisa</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Mengonversi</translation>
    </message>
</context>
</TS>