// Clipmoor page script for patreon.com.
// On a watch page the download button hands over the watch page's address with the page's headers.
// Post media are shown to patrons only and load after the page; the page's cookie is handed over.
(function () {
    'use strict';
    try {
        var clipmoor = window.__clipmoor;
        if (!clipmoor || typeof clipmoor.registerSite !== 'function')
            return;
        clipmoor.registerSite({
            name: 'patreon',
            watch: [
                /[\/.]patreon\.com\/posts\/[\w-]+/
            ],
            players: ["[data-tag='post-card'] video", "[data-tag='media-container']", "video"],
            direct: true
        });
    } catch (e) {
        // A site script never breaks the page.
    }
})();
