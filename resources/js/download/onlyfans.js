// Clipmoor page script for onlyfans.com.
// On a watch page the download button hands over the page's address with the page's headers and
// asks the application to analyse it first.
// Media appear only for a signed-in user, inside posts and chats that load without a page load;
// the application analyses the post itself (the page's cookie is needed), so the message asks for
// that with "direct": false.
(function () {
    'use strict';
    try {
        var clipmoor = window.__clipmoor;
        if (!clipmoor || typeof clipmoor.registerSite !== 'function')
            return;
        clipmoor.registerSite({
            name: 'onlyfans',
            watch: [
                /[\/.]onlyfans\.com\/\d+\/[\w.-]+/,
                /[\/.]onlyfans\.com\/my\/chats\/chat\/\d+/
            ],
            players: [".video-wrapper", ".b-post__media video", ".vjs-tech"],
            direct: false
        });
    } catch (e) {
        // A site script never breaks the page.
    }
})();
