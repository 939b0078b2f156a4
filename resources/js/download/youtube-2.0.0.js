// Clipmoor page script for youtube.com.
// The site's download button arrives with the built-in browser.
(function () {})();
