// Clipmoor page script for onlyfans.com.
// The site's download button arrives with the built-in browser.
(function () {})();
