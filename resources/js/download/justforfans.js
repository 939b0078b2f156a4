// Clipmoor page script for justfor.fans.
// On a watch page the download button hands over the page's address with the page's headers and
// asks the application to analyse it first.
// The player is created when a post is opened; the application analyses the post itself.
(function () {
    'use strict';
    try {
        var clipmoor = window.__clipmoor;
        if (!clipmoor || typeof clipmoor.registerSite !== 'function')
            return;
        clipmoor.registerSite({
            name: 'justforfans',
            watch: [
                /[\/.]justfor\.fans\/[^?#]*(?:[?&](?:Post|post)ID=\d+|\/post\/)/,
                /[\/.]justfor\.fans\/[\w-]+\/?(?:[?#]|$)/
            ],
            players: [".videoBlock", ".jwplayer", "video"],
            direct: false
        });
    } catch (e) {
        // A site script never breaks the page.
    }
})();
