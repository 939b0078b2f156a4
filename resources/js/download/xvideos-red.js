// Clipmoor page script for xvideos.red.
// The site's download button arrives with the built-in browser.
(function () {})();
