// Clipmoor page script for share.myfreecams.com.
// The site's download button arrives with the built-in browser.
(function () {})();
