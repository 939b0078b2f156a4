// Clipmoor page script for manyvids.com.
// On a watch page the download button hands over the watch page's address with the page's headers.
// The player is started by the site's loader after the page has loaded.
(function () {
    'use strict';
    try {
        var clipmoor = window.__clipmoor;
        if (!clipmoor || typeof clipmoor.registerSite !== 'function')
            return;
        clipmoor.registerSite({
            name: 'manyvids',
            watch: [
                /[\/.]manyvids\.com\/Video\/\d+/i
            ],
            players: ["#video-player", ".video-js", "video"],
            direct: true
        });
    } catch (e) {
        // A site script never breaks the page.
    }
})();
