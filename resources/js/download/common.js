// Clipmoor's script for every page.
(function () {})();
