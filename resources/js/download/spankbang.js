// Clipmoor page script for spankbang.com.
// The site's download button arrives with the built-in browser.
(function () {})();
