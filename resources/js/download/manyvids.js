// Clipmoor page script for manyvids.com.
// The site's download button arrives with the built-in browser.
(function () {})();
