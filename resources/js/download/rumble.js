// Clipmoor page script for rumble.com.
// The site's download button arrives with the built-in browser.
(function () {})();
