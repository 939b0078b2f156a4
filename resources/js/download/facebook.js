// Clipmoor page script for facebook.com.
// The site's download button arrives with the built-in browser.
(function () {})();
