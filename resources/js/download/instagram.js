// Clipmoor page script for instagram.com.
// On a watch page the download button hands over the watch page's address with the page's headers.
// Posts open in a dialog over the feed; the button waits for the dialog's player.
(function () {
    'use strict';
    try {
        var clipmoor = window.__clipmoor;
        if (!clipmoor || typeof clipmoor.registerSite !== 'function')
            return;
        clipmoor.registerSite({
            name: 'instagram',
            watch: [
                /[\/.]instagram\.com\/(?:[^\/?#]+\/)?(?:p|reel|reels|tv)\/[\w-]+/
            ],
            players: ["article [role='presentation'] video", "main [role='presentation'] video"],
            direct: true
        });
    } catch (e) {
        // A site script never breaks the page.
    }
})();
