// Clipmoor page script for pornhub.com.
// The site's download button arrives with the built-in browser.
(function () {})();
