// Clipmoor page script for youtube.com, youtu.be and music.youtube.com.
// On a watch page the download button hands over the watch page's address with the page's headers.
// The player is built after the page has loaded and is replaced when the user moves to another
// video without a page load, so the button follows #movie_player and the address is read when it
// is pressed.
(function () {
    'use strict';
    try {
        var clipmoor = window.__clipmoor;
        if (!clipmoor || typeof clipmoor.registerSite !== 'function')
            return;
        clipmoor.registerSite({
            name: 'youtube',
            watch: [
                /[\/.]youtube\.com\/watch\?(?:[^#]*&)?v=[\w-]{6,}/,
                /[\/.]youtube\.com\/(?:shorts|live|embed)\/[\w-]{6,}/,
                /[\/.]youtu\.be\/[\w-]{6,}/
            ],
            players: ["#movie_player", "ytd-player #container", ".html5-video-player"],
            direct: true
        });
    } catch (e) {
        // A site script never breaks the page.
    }
})();
