// Clipmoor page script for analdin.com.
// The site's download button arrives with the built-in browser.
(function () {})();
