// Clipmoor page script for tiktok.com.
// On a watch page the download button hands over the watch page's address with the page's headers.
// Video pages are often opened over the feed without a page load; the button appears once the
// player container shows up.
(function () {
    'use strict';
    try {
        var clipmoor = window.__clipmoor;
        if (!clipmoor || typeof clipmoor.registerSite !== 'function')
            return;
        clipmoor.registerSite({
            name: 'tiktok',
            watch: [
                /[\/.]tiktok\.com\/@[^\/?#]+\/video\/\d+/,
                /[\/.]tiktok\.com\/(?:v|embed(?:\/v2)?)\/\d+/
            ],
            players: ["[data-e2e='browse-video']", "[class*='DivVideoContainer']", "[class*='DivPlayerContainer']"],
            direct: true
        });
    } catch (e) {
        // A site script never breaks the page.
    }
})();
