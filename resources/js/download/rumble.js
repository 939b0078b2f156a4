// Clipmoor page script for rumble.com.
// On a watch page the download button hands over the watch page's address with the page's headers.
// The player is written into the page by the site's own loader.
(function () {
    'use strict';
    try {
        var clipmoor = window.__clipmoor;
        if (!clipmoor || typeof clipmoor.registerSite !== 'function')
            return;
        clipmoor.registerSite({
            name: 'rumble',
            watch: [
                /[\/.]rumble\.com\/(?:v[\w]+-[^\/?#]*\.html|embed\/[\w]+)/
            ],
            players: [".videoPlayer-Rumble-cls", "#videoPlayer", "[id^='vid_']"],
            direct: true
        });
    } catch (e) {
        // A site script never breaks the page.
    }
})();
