// Clipmoor page script for patreon.com.
// The site's download button arrives with the built-in browser.
(function () {})();
