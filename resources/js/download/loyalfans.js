// Clipmoor page script for loyalfans.com.
// On a watch page the download button hands over the page's address with the page's headers and
// asks the application to analyse it first.
// Videos are shown to subscribers only; the application analyses the page itself.
(function () {
    'use strict';
    try {
        var clipmoor = window.__clipmoor;
        if (!clipmoor || typeof clipmoor.registerSite !== 'function')
            return;
        clipmoor.registerSite({
            name: 'loyalfans',
            watch: [
                /[\/.]loyalfans\.com\/[^\/?#]+\/(?:video|post)\/[\w-]+/
            ],
            players: [".video-js", ".vjs-tech", "video"],
            direct: false
        });
    } catch (e) {
        // A site script never breaks the page.
    }
})();
