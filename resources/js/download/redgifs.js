// Clipmoor page script for redgifs.com.
// On a watch page the download button hands over the watch page's address with the page's headers.
// Clips are loaded into the page as the user scrolls.
(function () {
    'use strict';
    try {
        var clipmoor = window.__clipmoor;
        if (!clipmoor || typeof clipmoor.registerSite !== 'function')
            return;
        clipmoor.registerSite({
            name: 'redgifs',
            watch: [
                /[\/.]redgifs\.com\/(?:watch|ifr)\/[\w-]+/
            ],
            players: [".GifPreview-Video", ".Player", "video"],
            direct: true
        });
    } catch (e) {
        // A site script never breaks the page.
    }
})();
