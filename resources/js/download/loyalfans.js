// Clipmoor page script for loyalfans.com.
// The site's download button arrives with the built-in browser.
(function () {})();
