// Clipmoor page script for pornhubpremium.com.
// The site's download button arrives with the built-in browser.
(function () {})();
