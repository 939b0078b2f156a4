// Clipmoor page script for redgifs.com.
// The site's download button arrives with the built-in browser.
(function () {})();
