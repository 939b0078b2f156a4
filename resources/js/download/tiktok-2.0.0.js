// Clipmoor page script for tiktok.com.
// The site's download button arrives with the built-in browser.
(function () {})();
