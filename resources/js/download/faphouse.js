// Clipmoor page script for faphouse.com.
// On a watch page the download button hands over the watch page's address with the page's headers.
// The player is built by the site's loader after the page has loaded.
(function () {
    'use strict';
    try {
        var clipmoor = window.__clipmoor;
        if (!clipmoor || typeof clipmoor.registerSite !== 'function')
            return;
        clipmoor.registerSite({
            name: 'faphouse',
            watch: [
                /[\/.]faphouse\.com\/(?:[a-z]{2}\/)?videos\/[\w-]+/
            ],
            players: [".video-player", ".video__player", "video"],
            direct: true
        });
    } catch (e) {
        // A site script never breaks the page.
    }
})();
