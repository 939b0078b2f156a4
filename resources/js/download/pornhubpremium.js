// Clipmoor page script for pornhubpremium.com.
// On a watch page the download button hands over the watch page's address with the page's headers.
// The player is built by the site's loader; the page needs the signed-in user's cookie.
(function () {
    'use strict';
    try {
        var clipmoor = window.__clipmoor;
        if (!clipmoor || typeof clipmoor.registerSite !== 'function')
            return;
        clipmoor.registerSite({
            name: 'pornhubpremium',
            watch: [
                /[\/.]pornhubpremium\.com\/view_video\.php\?(?:[^#]*&)?viewkey=[\w-]+/
            ],
            players: ["#player", ".mgp_videoWrapper", "video"],
            direct: true
        });
    } catch (e) {
        // A site script never breaks the page.
    }
})();
