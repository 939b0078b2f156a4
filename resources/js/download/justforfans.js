// Clipmoor page script for justfor.fans.
// The site's download button arrives with the built-in browser.
(function () {})();
