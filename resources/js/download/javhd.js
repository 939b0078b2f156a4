// Clipmoor page script for javhd.com.
// On a watch page the download button hands over the page's address with the page's headers and
// asks the application to analyse it first.
// Videos are shown to members only; the application analyses the page itself.
(function () {
    'use strict';
    try {
        var clipmoor = window.__clipmoor;
        if (!clipmoor || typeof clipmoor.registerSite !== 'function')
            return;
        clipmoor.registerSite({
            name: 'javhd',
            watch: [
                /[\/.]javhd\.com\/(?:[a-z]{2}\/)?(?:id|video)\/\d+/
            ],
            players: [".player-container", ".video-js", "video"],
            direct: false
        });
    } catch (e) {
        // A site script never breaks the page.
    }
})();
