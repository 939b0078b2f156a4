// Clipmoor page script for faphouse.com.
// The site's download button arrives with the built-in browser.
(function () {})();
