// Clipmoor page script for facebook.com and fb.watch.
// On a watch page the download button hands over the watch page's address with the page's headers.
// The video element only exists while the player is on screen; the button waits for the player's
// container.
(function () {
    'use strict';
    try {
        var clipmoor = window.__clipmoor;
        if (!clipmoor || typeof clipmoor.registerSite !== 'function')
            return;
        clipmoor.registerSite({
            name: 'facebook',
            watch: [
                /[\/.]facebook\.com\/(?:watch\/?\?(?:[^#]*&)?v=\d+|[^\/?#]+\/videos\/|reel\/\d+|video\.php\?)/,
                /[\/.]fb\.watch\/[\w-]+/
            ],
            players: ["[data-pagelet='WatchPermalinkVideo']", "[data-video-id]", "div[role='main'] [data-instancekey]"],
            direct: true
        });
    } catch (e) {
        // A site script never breaks the page.
    }
})();
