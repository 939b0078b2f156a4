// Clipmoor page script for instagram.com.
// The site's download button arrives with the built-in browser.
(function () {})();
