// Clipmoor page script for xnxx.com.
// The site's download button arrives with the built-in browser.
(function () {})();
