// Clipmoor page script for share.myfreecams.com.
// On a watch page the download button hands over the page's address with the page's headers and
// asks the application to analyse it first.
// Shared clips load their player after the page; the application analyses the page itself.
(function () {
    'use strict';
    try {
        var clipmoor = window.__clipmoor;
        if (!clipmoor || typeof clipmoor.registerSite !== 'function')
            return;
        clipmoor.registerSite({
            name: 'mfcshare',
            watch: [
                /[\/.]share\.myfreecams\.com\/[^\/?#]+\/(?:\d+|[\w-]+\/\d+)/
            ],
            players: [".share-video", ".video-js", "video"],
            direct: false
        });
    } catch (e) {
        // A site script never breaks the page.
    }
})();
