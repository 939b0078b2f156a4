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
    <name>Adaptation</name>
    <message>
        <source>Same as source</source>
        <translation>Sama dengan sumber</translation>
    </message>
    <message>
        <source>High(4K)</source>
        <translation>Tinggi(4K)</translation>
    </message>
    <message>
        <source>High(2K)</source>
        <translation>Tinggi(2K)</translation>
    </message>
    <message>
        <source>High(1080P)</source>
        <translation>Tinggi(1080P)</translation>
    </message>
    <message>
        <source>Middle(720P)</source>
        <translation>Sedang(720P)</translation>
    </message>
    <message>
        <source>Middle(480P)</source>
        <translation>Sedang(480P)</translation>
    </message>
    <message>
        <source>Low(360P)</source>
        <translation>Rendah(360P)</translation>
    </message>
    <message>
        <source>Low(240P)</source>
        <translation>Rendah(240P)</translation>
    </message>
    <message>
        <source>High(320Kb/s)</source>
        <translation>Tinggi(320Kb/s)</translation>
    </message>
    <message>
        <source>High(256Kb/s)</source>
        <translation>Tinggi(256Kb/s)</translation>
    </message>
    <message>
        <source>Middle(128Kb/s)</source>
        <translation>Sedang(128Kb/s)</translation>
    </message>
    <message>
        <source>Low(64Kb/s)</source>
        <translation>Rendah(64Kb/s)</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Kualitas:</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Bisukan</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
</context>
<context>
    <name>AddSiteDlg</name>
    <message>
        <source>Add New</source>
        <translation>Tambah Baru</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Judul</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
</context>
<context>
    <name>BrowserWindow</name>
    <message>
        <source>Home</source>
        <translation>Beranda</translation>
    </message>
    <message>
        <source>Go back in history</source>
        <translation>Kembali dalam riwayat</translation>
    </message>
    <message>
        <source>Go forward in history</source>
        <translation>Maju dalam riwayat</translation>
    </message>
    <message>
        <source>Stop loading this page</source>
        <translation>Hentikan memuat halaman ini</translation>
    </message>
    <message>
        <source>Reload this page</source>
        <translation>Muat ulang halaman ini</translation>
    </message>
    <message>
        <source>Clear browsing data</source>
        <translation>Hapus data penjelajahan</translation>
    </message>
    <message>
        <source>Enter Video URL</source>
        <translation>Masukkan URL Video</translation>
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
    <name>ConvMediaInfo</name>
    <message>
        <source>Unknown</source>
        <translation>Tidak diketahui</translation>
    </message>
</context>
<context>
    <name>ConvertTask</name>
    <message>
        <source>The file does not exist</source>
        <translation>Berkas tidak ada</translation>
    </message>
    <message>
        <source>Cannot write to %1</source>
        <translation>Tidak dapat menulis ke %1</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Mengonversi</translation>
    </message>
    <message>
        <source>The conversion tool failed (%1)</source>
        <translation>Alat konversi gagal (%1)</translation>
    </message>
    <message>
        <source>The conversion tool did not say where the file is</source>
        <translation>Alat konversi tidak memberi tahu letak berkas</translation>
    </message>
    <message>
        <source>Cannot move the converted file to %1</source>
        <translation>Tidak dapat memindahkan berkas hasil konversi ke %1</translation>
    </message>
    <message>
        <source>The conversion tool could not be started</source>
        <translation>Alat konversi tidak dapat dijalankan</translation>
    </message>
    <message>
        <source>The conversion tool ended unexpectedly</source>
        <translation>Alat konversi berhenti secara tak terduga</translation>
    </message>
</context>
<context>
    <name>ConvertedDelegate</name>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>Tampilkan File</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Putar</translation>
    </message>
</context>
<context>
    <name>ConvertedPage</name>
    <message>
        <source>Delete Selected</source>
        <translation>Hapus yang dipilih</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cari</translation>
    </message>
    <message>
        <source>Converted files appear here.</source>
        <translation>Berkas hasil konversi muncul di sini.</translation>
    </message>
    <message>
        <source>Are you sure to delete this item?</source>
        <translation>Yakin ingin menghapus item ini?</translation>
    </message>
    <message>
        <source>Are you sure to delete the items which you selected?</source>
        <translation>Yakin ingin menghapus item yang dipilih?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>Tampilkan File</translation>
    </message>
</context>
<context>
    <name>ConvertingDelegate</name>
    <message>
        <source>Waiting to convert...</source>
        <translation>Menunggu konversi...</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Mengonversi</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>selesai</translation>
    </message>
    <message>
        <source>Convert failed.</source>
        <translation>Konversi gagal.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konversi</translation>
    </message>
</context>
<context>
    <name>ConvertingPage</name>
    <message>
        <source>Add Files</source>
        <translation>Tambah berkas</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>Tampilkan File</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Hapus Semua</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>Konversi semua</translation>
    </message>
    <message>
        <source>Click Here to Add Files or Drag Files Here</source>
        <translation>Klik di sini untuk menambah berkas atau seret berkas ke sini</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Are you sure to delete the Converting tasks which you selected?</source>
        <translation>Yakin ingin menghapus tugas konversi yang dipilih?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all of the tasks from the Converting queue?</source>
        <translation>Yakin ingin menghapus semua tugas dari antrean konversi?</translation>
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
    <name>DeleteConfirmDlg</name>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Delete original file(s) as well.</source>
        <translation>Hapus juga file aslinya.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
</context>
<context>
    <name>DesktopBridge</name>
    <message>
        <source>A private download</source>
        <translation>Unduhan pribadi</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Unduhan gagal</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>Unduhan selesai</translation>
    </message>
    <message>
        <source>Conversion failed</source>
        <translation>Konversi gagal</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Konversi selesai</translation>
    </message>
</context>
<context>
    <name>DoneTaskWidget</name>
    <message>
        <source>Play</source>
        <translation>Putar</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>Tampilkan File</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Tidak diketahui</translation>
    </message>
    <message>
        <source>Lyrics</source>
        <translation>Lirik</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Subtitel</translation>
    </message>
    <message>
        <source>The Filename is Empty and Cannot Be Saved.</source>
        <translation>Nama file kosong dan tidak dapat disimpan.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Do You Want to Rename "%1" to "%2"? This Location Already Contains a File with the Same Name.</source>
        <translation>Ubah nama "%1" menjadi "%2"? Lokasi ini sudah berisi file dengan nama yang sama.</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Tidak</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ya</translation>
    </message>
</context>
<context>
    <name>DownloadFailedDlg</name>
    <message>
        <source>Download failed</source>
        <translation>Unduhan gagal</translation>
    </message>
    <message>
        <source>Cause of failure:

1. The URL you copied does not support downloading.

2. The URL is not a qualified video or audio link.

3. The URL is a website link.

4. The URL needs a premium to preview.</source>
        <translation>Kemungkinan penyebab:

1. URL yang Anda salin tidak mendukung unduhan.

2. URL bukan tautan video atau audio yang valid.

3. URL adalah tautan situs web.

4. URL memerlukan akun premium.</translation>
    </message>
    <message>
        <source>Note:

1. Please ensure that the network is stable, click the Retry button to parse it again.

2. The link format is not the normal way, please re-enter and download.

3. If it still fails, please view and try to download in built-in browser.</source>
        <translation>Catatan:

1. Pastikan jaringan stabil, lalu klik tombol Coba lagi untuk menganalisis ulang.

2. Format tautan tidak biasa, masukkan ulang lalu unduh.

3. Jika masih gagal, buka di peramban bawaan dan unduh dari sana.</translation>
    </message>
    <message>
        <source>Download in Built-in Browser</source>
        <translation>Unduh di Peramban Bawaan</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Alasan: %1</translation>
    </message>
</context>
<context>
    <name>DownloadTaskWidget</name>
    <message>
        <source>Waiting for parsing...</source>
        <translation>Menunggu analisis...</translation>
    </message>
    <message>
        <source>Waiting for downloading...</source>
        <translation>Menunggu unduhan...</translation>
    </message>
    <message>
        <source>&lt;font color=%1&gt;Download failed, &lt;a style='color: %2;' href="none"&gt;please view and try to download in build-in browser&lt;/a&gt;.&lt;/font&gt;</source>
        <translation>&lt;font color=%1&gt;Unduhan gagal, &lt;a style='color: %2;' href="none"&gt;silakan buka dan unduh di peramban bawaan&lt;/a&gt;.&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Analyzing...</source>
        <translation>Menganalisis...</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Jeda</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Siaran langsung</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Mengunduh</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Menunggu</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Dijeda</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Menyimpan...</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>Unduhan selesai</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Hentikan</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Mulai</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Coba lagi</translation>
    </message>
    <message>
        <source>Stalled, retrying...</source>
        <translation>Macet, mencoba lagi...</translation>
    </message>
</context>
<context>
    <name>DownloadedPage</name>
    <message>
        <source>Show the File</source>
        <translation>Tampilkan File</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cari</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Semua</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Pribadi</translation>
    </message>
    <message>
        <source>Still No File Downloaded, Please Start Downloading</source>
        <translation>Belum ada file yang diunduh, silakan mulai mengunduh</translation>
    </message>
    <message>
        <source>&lt;a style='color: %1;' href="%2"&gt;Cannot find the file from Private Space?&lt;/a&gt;</source>
        <translation>&lt;a style='color: %1;' href="%2"&gt;Tidak menemukan file dari Ruang Pribadi?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>The Filename is Invalid.</source>
        <translation>Nama file tidak valid.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Putar</translation>
    </message>
    <message>
        <source>Modify File Name</source>
        <translation>Ubah Nama File</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Hapus Semua</translation>
    </message>
    <message>
        <source>Move to Private List</source>
        <translation>Pindahkan ke Daftar Pribadi</translation>
    </message>
    <message>
        <source>Move Out</source>
        <translation>Keluarkan</translation>
    </message>
    <message>
        <source>Copy URL</source>
        <translation>Salin URL</translation>
    </message>
    <message>
        <source>Go to Source Page</source>
        <translation>Buka Halaman Sumber</translation>
    </message>
    <message>
        <source>Save to Dropbox</source>
        <translation>Simpan ke Dropbox</translation>
    </message>
    <message>
        <source>Save to Google Drive</source>
        <translation>Simpan ke Google Drive</translation>
    </message>
    <message>
        <source>Are you sure to delete the items which you select?</source>
        <translation>Yakin ingin menghapus item yang dipilih?</translation>
    </message>
    <message>
        <source>Are you sure to delete all the items?</source>
        <translation>Yakin ingin menghapus semua item?</translation>
    </message>
    <message>
        <source>No downloaded file matches "%1".</source>
        <translation>Tidak ada file unduhan yang cocok dengan "%1".</translation>
    </message>
</context>
<context>
    <name>DownloadingPage</name>
    <message>
        <source>Original Video</source>
        <translation>Video Asli</translation>
    </message>
    <message>
        <source>Original Audio</source>
        <translation>Audio Asli</translation>
    </message>
    <message>
        <source>Paste URL</source>
        <translation>Tempel URL</translation>
    </message>
    <message>
        <source>Resume all</source>
        <translation>Lanjutkan semua</translation>
    </message>
    <message>
        <source>Pause all</source>
        <translation>Jeda semua</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>Hapus semua</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Kecepatan</translation>
    </message>
    <message>
        <source>&lt;a style='color:%1;' href="none"&gt;Supported Sites&lt;/a&gt;</source>
        <translation>&lt;a style='color:%1;' href="none"&gt;Situs yang Didukung&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Turbo-fast</source>
        <translation>Turbo</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Unduhan</translation>
    </message>
    <message>
        <source>Download then Convert to</source>
        <translation>Unduh lalu konversi ke</translation>
    </message>
    <message>
        <source>Wanna download Premium videos?
Please sign in to your account in "Online" section, then click "Download" button to get it.</source>
        <translation>Ingin mengunduh video Premium?
Silakan masuk ke akun Anda di bagian "Online", lalu klik tombol "Unduh".</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No url find in the paste board.</source>
        <translation>Tidak ada URL di papan klip.</translation>
    </message>
    <message>
        <source>This video is part of the playlist. Do you want to download the clip only or download all playlist?</source>
        <translation>Video ini bagian dari daftar putar. Unduh klip ini saja atau seluruh daftar putar?</translation>
    </message>
    <message>
        <source>Download playlist</source>
        <translation>Unduh daftar putar</translation>
    </message>
    <message>
        <source>Download clip</source>
        <translation>Unduh klip</translation>
    </message>
    <message>
        <source>%1 exists task has been skipped.</source>
        <translation>%1 tugas yang sudah ada dilewati.</translation>
    </message>
    <message>
        <source>%1 exists tasks have been skipped.</source>
        <translation>%1 tugas yang sudah ada dilewati.</translation>
    </message>
    <message>
        <source>Download MP3</source>
        <translation>Unduh MP3</translation>
    </message>
    <message>
        <source>Multiple URLs</source>
        <translation>Beberapa URL</translation>
    </message>
    <message>
        <source>Download Playlist</source>
        <translation>Unduh Daftar Putar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Hentikan</translation>
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
        <source>Delete All</source>
        <translation>Hapus Semua</translation>
    </message>
    <message>
        <source>Copy URL</source>
        <translation>Salin URL</translation>
    </message>
    <message>
        <source>Go to Source Page</source>
        <translation>Buka Halaman Sumber</translation>
    </message>
    <message>
        <source>Are you sure to delete the downloading tasks which you select?</source>
        <translation>Yakin ingin menghapus tugas unduhan yang dipilih?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all of the tasks from the downloading queue?</source>
        <translation>Yakin ingin menghapus semua tugas dari antrean unduhan?</translation>
    </message>
    <message>
        <source>This File Has Already Been Downloaded. Download It Again?</source>
        <translation>File ini sudah pernah diunduh. Unduh lagi?</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>Unduh lagi</translation>
    </message>
    <message>
        <source>This page has %1 videos. Do you want to download all of them, or only the first one?</source>
        <translation>Halaman ini berisi %1 video. Unduh semuanya, atau hanya yang pertama?</translation>
    </message>
    <message>
        <source>First Only</source>
        <translation>Hanya yang pertama</translation>
    </message>
    <message>
        <source>Download All</source>
        <translation>Unduh semua</translation>
    </message>
    <message>
        <source>This address is already being downloaded in the same format:</source>
        <translation>Alamat ini sudah sedang diunduh dalam format yang sama:</translation>
    </message>
</context>
<context>
    <name>FailedfilenameDialog</name>
    <message>
        <source>Failed</source>
        <translation>Gagal</translation>
    </message>
    <message>
        <source>Failed to add files:</source>
        <translation>Gagal menambahkan berkas:</translation>
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
        <source>No application on this computer can open the file:
%1</source>
        <translation>Tidak ada aplikasi di komputer ini yang dapat membuka file:
%1</translation>
    </message>
    <message>
        <source>No file manager on this computer can show the file:
%1</source>
        <translation>Tidak ada pengelola file di komputer ini yang dapat menampilkan file:
%1</translation>
    </message>
</context>
<context>
    <name>LaunchOptions</name>
    <message>
        <source>Save a picture of the main window once it has started, then quit.</source>
        <translation>Simpan gambar jendela utama setelah dimulai, lalu keluar.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>berkas</translation>
    </message>
    <message>
        <source>Could not save the picture %1</source>
        <translation>Tidak dapat menyimpan gambar %1</translation>
    </message>
    <message>
        <source>Web addresses (http or https) to download, as if pasted.</source>
        <translation>Alamat web (http atau https) yang akan diunduh, seolah-olah ditempel.</translation>
    </message>
</context>
<context>
    <name>LoadFileOperator</name>
    <message>
        <source>cannot read</source>
        <translation>tidak dapat dibaca</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>kosong</translation>
    </message>
    <message>
        <source>not a media file</source>
        <translation>bukan berkas media</translation>
    </message>
    <message>
        <source>cannot be inspected</source>
        <translation>tidak dapat diperiksa</translation>
    </message>
</context>
<context>
    <name>LoadFilesDlg</name>
    <message>
        <source>Adding files...</source>
        <translation>Menambahkan berkas...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Harap tunggu...</translation>
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
    <message>
        <source>Clipmoor was stopped while it read its download lists last time. The lists it was reading start empty; their files are kept as:
%1</source>
        <translation>Clipmoor dihentikan terakhir kali saat membaca daftar unduhannya. Daftar yang sedang dibaca dimulai kosong; berkasnya disimpan sebagai:
%1</translation>
    </message>
    <message>
        <source>Clipmoor downloads web addresses only (starting with http:// or https://). Not taken:
%1</source>
        <translation>Clipmoor hanya mengunduh alamat web (yang diawali http:// atau https://). Tidak diterima:
%1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clipmoor keeps trying for a few seconds before it quits.</source>
        <translation>Clipmoor terus mencoba beberapa detik sebelum keluar.</translation>
    </message>
</context>
<context>
    <name>PasteInputDlg</name>
    <message>
        <source>Multiple URLs</source>
        <translation>Beberapa URL</translation>
    </message>
    <message>
        <source>Paste the URLs(one per line):</source>
        <translation>Tempel URL (satu per baris):</translation>
    </message>
    <message>
        <source>Input web page url...</source>
        <translation>Masukkan URL halaman web...</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Unduhan</translation>
    </message>
</context>
<context>
    <name>PlaylistConfirmDlg</name>
    <message>
        <source>Best</source>
        <translation>Terbaik</translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation>Terbaru dulu</translation>
    </message>
    <message>
        <source>Oldest first</source>
        <translation>Terlama dulu</translation>
    </message>
    <message>
        <source>Confirm Playlist</source>
        <translation>Konfirmasi Daftar Putar</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Judul</translation>
    </message>
    <message>
        <source>Download:</source>
        <translation>Unduh:</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Kualitas:</translation>
    </message>
    <message>
        <source>Add numerical order to the file name.</source>
        <translation>Tambahkan nomor urut ke nama file.</translation>
    </message>
    <message>
        <source>Skip Downloaded</source>
        <translation>Lewati yang Sudah Diunduh</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Unduhan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Please be patient, the more videos in your playlist,the longer you will wait.</source>
        <translation>Harap bersabar, makin banyak video dalam daftar putar, makin lama menunggu.</translation>
    </message>
    <message>
        <source>Analysis failed. Please try again later.</source>
        <translation>Analisis gagal. Silakan coba lagi nanti.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Coba lagi</translation>
    </message>
</context>
<context>
    <name>PreferencesDlg</name>
    <message>
        <source>Best</source>
        <translation>Terbaik</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inggris</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Jerman</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanyol</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Prancis</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italia</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Jepang</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugis</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arab</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Rusia</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Belanda</translation>
    </message>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>Tionghoa (Sederhana)</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>Tionghoa (Tradisional)</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polandia</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonesia</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Korea</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Turki</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferensi</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Unduhan</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Koneksi</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konversi</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Atur ulang</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Terapkan</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ubah</translation>
    </message>
    <message>
        <source>The maximum number of downloading tasks:</source>
        <translation>Jumlah maksimum tugas unduhan:</translation>
    </message>
    <message>
        <source>Quality Setting:</source>
        <translation>Pengaturan Kualitas:</translation>
    </message>
    <message>
        <source>Download:</source>
        <translation>Unduh:</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Kualitas:</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>Subtitel:</translation>
    </message>
    <message>
        <source>Auto download Subtitles/Lyrics</source>
        <translation>Unduh Subtitel/Lirik otomatis</translation>
    </message>
    <message>
        <source>Auto resume unfinished tasks on startup</source>
        <translation>Lanjutkan tugas yang belum selesai saat mulai</translation>
    </message>
    <message>
        <source>Allow to read Cookies from Firefox/Chrome</source>
        <translation>Izinkan membaca Cookie dari Firefox/Chrome</translation>
    </message>
    <message>
        <source>Save downloaded files to:</source>
        <translation>Simpan file unduhan ke:</translation>
    </message>
    <message>
        <source>Download speed</source>
        <translation>Kecepatan unduh</translation>
    </message>
    <message>
        <source>Turbo-fast</source>
        <translation>Turbo</translation>
    </message>
    <message>
        <source>Eable proxy</source>
        <translation>Aktifkan proksi</translation>
    </message>
    <message>
        <source>HTTP Proxy</source>
        <translation>Proksi HTTP</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Authorization required</source>
        <translation>Perlu otorisasi</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Nama pengguna</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kata sandi</translation>
    </message>
    <message>
        <source>The maximum number of converting tasks:</source>
        <translation>Jumlah maksimum tugas konversi:</translation>
    </message>
    <message>
        <source>Save converted files to:</source>
        <translation>Simpan file konversi ke:</translation>
    </message>
    <message>
        <source>Lyric:</source>
        <translation>Lirik:</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Pilih Direktori</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics</source>
        <translation>Kirim statistik penggunaan anonim</translation>
    </message>
    <message>
        <source>Tell me on the desktop when a download or conversion ends</source>
        <translation>Beri tahu saya di desktop saat unduhan atau konversi selesai</translation>
    </message>
    <message>
        <source>Check certificates of download sites</source>
        <translation>Periksa sertifikat situs unduhan</translation>
    </message>
    <message>
        <source>Warning: without this check, anyone on the way between you and a site can pose as the site and change what you download.</source>
        <translation>Peringatan: tanpa pemeriksaan ini, siapa pun di antara Anda dan situs dapat menyamar sebagai situs tersebut dan mengubah apa yang Anda unduh.</translation>
    </message>
</context>
<context>
    <name>PrivateListDlg</name>
    <message>
        <source>Private List</source>
        <translation>Daftar Pribadi</translation>
    </message>
    <message>
        <source>Please Enter Password to Lock Private Space</source>
        <translation>Masukkan kata sandi untuk mengunci ruang pribadi</translation>
    </message>
    <message>
        <source>Please Enter Password to Unlock Private Space</source>
        <translation>Masukkan kata sandi untuk membuka ruang pribadi</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>Masukkan kata sandi</translation>
    </message>
    <message>
        <source>Show or hide the password</source>
        <translation>Tampilkan atau sembunyikan kata sandi</translation>
    </message>
    <message>
        <source>Do not show thumbnails of adult videos</source>
        <translation>Jangan tampilkan gambar mini video dewasa</translation>
    </message>
    <message>
        <source>Save adult videos as hidden</source>
        <translation>Simpan video dewasa sebagai tersembunyi</translation>
    </message>
    <message>
        <source>Remember the password before restart %1</source>
        <translation>Ingat kata sandi sampai %1 dimulai ulang</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Kunci</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Buka Kunci</translation>
    </message>
    <message>
        <source>Password error.</source>
        <translation>Kata sandi salah.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Enter the password again</source>
        <translation>Masukkan kata sandi lagi</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>Kata sandi tidak cocok.</translation>
    </message>
</context>
<context>
    <name>PrivateModeButton</name>
    <message>
        <source>Turn off Private Mode</source>
        <translation>Matikan Mode Pribadi</translation>
    </message>
    <message>
        <source>Turn on Private Mode</source>
        <translation>Nyalakan Mode Pribadi</translation>
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
    <message>
        <source>Clipmoor is already running; no picture was taken.</source>
        <translation>Clipmoor sudah berjalan; tidak ada gambar yang diambil.</translation>
    </message>
    <message>
        <source>The built-in browser cannot start.
%1

Pasting addresses on the downloading page still works.</source>
        <translation>Peramban bawaan tidak dapat dijalankan.
%1

Menempelkan alamat di halaman unduhan tetap berfungsi.</translation>
    </message>
    <message>
        <source>Clipmoor is running but did not take the addresses.</source>
        <translation>Clipmoor sedang berjalan tetapi tidak menerima alamat tersebut.</translation>
    </message>
</context>
<context>
    <name>SaveHealth</name>
    <message>
        <source>Clipmoor cannot save its lists: no space left on %1</source>
        <translation>Clipmoor tidak dapat menyimpan daftarnya: ruang di %1 habis</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists: %1 is not writable</source>
        <translation>Clipmoor tidak dapat menyimpan daftarnya: %1 tidak dapat ditulisi</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists: %1 does not exist</source>
        <translation>Clipmoor tidak dapat menyimpan daftarnya: %1 tidak ada</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists in %1: %2</source>
        <translation>Clipmoor tidak dapat menyimpan daftarnya di %1: %2</translation>
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
    <message>
        <source>Retry</source>
        <translation>Coba lagi</translation>
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
        <translation>Tambah Baru</translation>
    </message>
</context>
<context>
    <name>WebHomePage</name>
    <message>
        <source>Reset</source>
        <translation>Atur Ulang</translation>
    </message>
</context>
<context>
    <name>platform::DesktopNotifications</name>
    <message>
        <source>Show</source>
        <translation>Tampilkan</translation>
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
    <message>
        <source>The download folder cannot be written to</source>
        <translation>Folder unduhan tidak dapat ditulisi</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>Disk penuh</translation>
    </message>
    <message>
        <source>The video was not found on the site</source>
        <translation>Video tidak ditemukan di situs</translation>
    </message>
    <message>
        <source>The site refused the download</source>
        <translation>Situs menolak unduhan</translation>
    </message>
    <message>
        <source>The site had a server error</source>
        <translation>Situs mengalami kesalahan server</translation>
    </message>
    <message>
        <source>The site refused the connection</source>
        <translation>Situs menolak koneksi</translation>
    </message>
    <message>
        <source>The site could not be found</source>
        <translation>Situs tidak dapat ditemukan</translation>
    </message>
    <message>
        <source>The connection timed out</source>
        <translation>Waktu koneksi habis</translation>
    </message>
    <message>
        <source>The download stalled</source>
        <translation>Unduhan macet</translation>
    </message>
    <message>
        <source>The download was cut short</source>
        <translation>Unduhan terputus di tengah jalan</translation>
    </message>
    <message>
        <source>This address is not supported</source>
        <translation>Alamat ini tidak didukung</translation>
    </message>
    <message>
        <source>The download tool stopped unexpectedly</source>
        <translation>Alat unduhan berhenti secara tidak terduga</translation>
    </message>
    <message>
        <source>The download was interrupted</source>
        <translation>Unduhan terganggu</translation>
    </message>
    <message>
        <source>The download failed</source>
        <translation>Unduhan gagal</translation>
    </message>
</context>
<context>
    <name>safesave</name>
    <message>
        <source>Not enough free space in %1: %2 MB free, %3 MB needed</source>
        <translation>Ruang kosong di %1 tidak cukup: %2 MB kosong, perlu %3 MB</translation>
    </message>
</context>
</TS>