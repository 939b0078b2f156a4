// Clipmoor page script for fansly.com.
// The site's download button arrives with the built-in browser.
(function () {})();
