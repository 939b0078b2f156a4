// Clipmoor page script for pornhub.com.
// On a watch page the download button hands over the watch page's address with the page's headers.
// The player is built by the site's loader after the page has loaded.
(function () {
    'use strict';
    try {
        var clipmoor = window.__clipmoor;
        if (!clipmoor || typeof clipmoor.registerSite !== 'function')
            return;
        clipmoor.registerSite({
            name: 'pornhub',
            watch: [
                /[\/.]pornhub\.com\/view_video\.php\?(?:[^#]*&)?viewkey=[\w-]+/,
                /[\/.]pornhub\.com\/embed\/[\w-]+/
            ],
            players: ["#player", ".mgp_videoWrapper", "video"],
            direct: true
        });
    } catch (e) {
        // A site script never breaks the page.
    }
})();
