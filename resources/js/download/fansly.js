// Clipmoor page script for fansly.com.
// On a watch page the download button hands over the page's address with the page's headers and
// asks the application to analyse it first.
// Posts are shown to signed-in users only; the application analyses the post itself.
(function () {
    'use strict';
    try {
        var clipmoor = window.__clipmoor;
        if (!clipmoor || typeof clipmoor.registerSite !== 'function')
            return;
        clipmoor.registerSite({
            name: 'fansly',
            watch: [
                /[\/.]fansly\.com\/post\/\d+/,
                /[\/.]fansly\.com\/[^\/?#]+\/posts?\//
            ],
            players: ["app-video-player", ".video-container", "video"],
            direct: false
        });
    } catch (e) {
        // A site script never breaks the page.
    }
})();
