// Clipmoor page script for javhd.com.
// The site's download button arrives with the built-in browser.
(function () {})();
