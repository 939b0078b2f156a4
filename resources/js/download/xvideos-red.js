// Clipmoor page script for xvideos.red.
// On a watch page the download button hands over the watch page's address with the page's headers.
// The page needs the signed-in user's cookie; the player is built after the page has loaded.
(function () {
    'use strict';
    try {
        var clipmoor = window.__clipmoor;
        if (!clipmoor || typeof clipmoor.registerSite !== 'function')
            return;
        clipmoor.registerSite({
            name: 'xvideos-red',
            watch: [
                /[\/.]xvideos\.red\/video[\w.-]+\//
            ],
            players: ["#video-player-bg", "#html5video", "video"],
            direct: true
        });
    } catch (e) {
        // A site script never breaks the page.
    }
})();
