// Clipmoor page script for spankbang.com.
// On a watch page the download button hands over the watch page's address with the page's headers.
// The player is built by the site's loader after the page has loaded.
(function () {
    'use strict';
    try {
        var clipmoor = window.__clipmoor;
        if (!clipmoor || typeof clipmoor.registerSite !== 'function')
            return;
        clipmoor.registerSite({
            name: 'spankbang',
            watch: [
                /[\/.]spankbang\.com\/[\w]+\/(?:video|play)\//
            ],
            players: ["#video", ".video-js", "video"],
            direct: true
        });
    } catch (e) {
        // A site script never breaks the page.
    }
})();
