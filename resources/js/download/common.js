// Clipmoor: the download button on every page that plays media.
//
// Runs after every page load, after the web channel client and before the site's own script, in
// the application's own script world: the page's scripts share the document with it but none of
// its objects, and cannot reach the "bridge". It finds <video> and <audio> players (also those added later and those in same-origin frames)
// and plain links to media files, and puts a small download button on each. Pressing it sends
// one message to the application through the "bridge" object:
//     {"url": <address>, "metadata": <Base64 of {"http_headers": {...}}>[, "direct": false]}
// The page's cookies are not in it: the application hands the site's cookies to the download
// itself. Only a click the user made counts (a page can click the button from its scripts, but
// such a click is not trusted); the application checks again, with the press the window system
// delivered and hitButton/hitFocused below.
// The address is the media file's own address, or the page's address when the player is fed by
// a blob: or MediaSource address (the download tool then analyses the page). A site script may
// register the site's watch pages and players (see registerSite): on those pages the button hands
// over the watch page's address instead.
//
// Everything lives in one object, window.__clipmoor; running this script twice changes nothing.
// It never throws into the page, and the buttons float above the page (their own layer, in a
// shadow root, styled inline with !important) so they neither move the player nor can be hidden
// by the page's style sheets.
(function () {
    'use strict';
    var NAME = '__clipmoor';
    try {
        if (window[NAME] && window[NAME].version) {
            window[NAME].scan();
            return;
        }
    } catch (e) {
        return;
    }

    var HOST_TAG = 'clipmoor-download';
    var MEDIA_LINK = /\.(?:mp4|m4v|webm|mkv|mov|m3u8|mpd|mp3|m4a|aac|ogg|oga|opus|wav|flac)(?:[?#]|$)/i;
    var BUTTON_WIDTH = 96;
    var BUTTON_HEIGHT = 28;
    var MARGIN = 8;

    var state = {
        bridge: null,
        connecting: false,
        connectTries: 0,
        queue: [],
        site: null,
        entries: [],         // {target, host, kind, doc}
        handled: new WeakSet(),
        watchedDocs: new WeakSet(),
        scanTimer: 0,
        placeFrame: 0
    };

    function safe(fn) {
        return function () {
            try {
                return fn.apply(this, arguments);
            } catch (e) {
                return undefined;
            }
        };
    }

    // --- the bridge ------------------------------------------------------------------------

    var connect = safe(function () {
        if (state.bridge || state.connecting)
            return;
        var transport = window.qt && window.qt.webChannelTransport;
        if (typeof QWebChannel !== 'function' || !transport) {
            if (state.connectTries++ < 40)
                setTimeout(connect, 250);
            return;
        }
        state.connecting = true;
        new QWebChannel(transport, safe(function (channel) {
            state.bridge = channel.objects.bridge || null;
            state.connecting = false;
            flush();
        }));
    });

    var flush = safe(function () {
        while (state.bridge && state.queue.length)
            state.bridge.download(state.queue.shift());
    });

    var send = safe(function (message) {
        var text = JSON.stringify(message);
        state.queue.push(text);
        connect();
        flush();
        return text;
    });

    function base64Utf8(text) {
        return btoa(unescape(encodeURIComponent(text)));
    }

    // The page's own request headers, for the download tool to use.
    var metadata = safe(function () {
        return base64Utf8(JSON.stringify({
            http_headers: {
                Referer: location.href,
                UserAgent: navigator.userAgent
            }
        }));
    });

    function pageAddress() {
        return location.href.split('#')[0];
    }

    function absolute(address, doc) {
        try {
            return new URL(address, (doc || document).baseURI).href;
        } catch (e) {
            return '';
        }
    }

    function isHttp(address) {
        return /^https?:\/\//i.test(address || '');
    }

    // The address a player plays: its current source, its src, or its first <source>.
    var mediaAddress = safe(function (player) {
        var address = player.currentSrc || player.getAttribute('src') || '';
        if (!address) {
            var sources = player.querySelectorAll('source[src]');
            for (var i = 0; i < sources.length && !address; ++i)
                address = sources[i].getAttribute('src');
        }
        return address ? absolute(address, player.ownerDocument) : '';
    });

    // --- what a button sends ---------------------------------------------------------------

    function siteWatchPage() {
        var site = state.site;
        if (!site)
            return false;
        var href = location.href;
        for (var i = 0; i < site.watch.length; ++i) {
            if (site.watch[i].test(href))
                return true;
        }
        return false;
    }

    var messageFor = safe(function (entry) {
        var message = {url: '', metadata: metadata()};
        if (entry.kind === 'site' || (entry.kind === 'player' && siteWatchPage())) {
            message.url = pageAddress();
            if (state.site && state.site.direct === false)
                message.direct = false;
        } else if (entry.kind === 'link') {
            message.url = absolute(entry.target.getAttribute('href'), entry.doc);
        } else {
            var address = mediaAddress(entry.target);
            message.url = isHttp(address) ? address : pageAddress();
        }
        return message;
    });

    // --- buttons ---------------------------------------------------------------------------

    function setImportant(element, styles) {
        for (var key in styles) {
            if (Object.prototype.hasOwnProperty.call(styles, key))
                element.style.setProperty(key, styles[key], 'important');
        }
    }

    var BUTTON_STYLE =
        ':host { all: initial; }' +
        'button { all: initial; box-sizing: border-box; display: flex; align-items: center;' +
        ' justify-content: center; gap: 5px; width: ' + BUTTON_WIDTH + 'px; height: ' +
        BUTTON_HEIGHT + 'px; padding: 0 10px; border-radius: 14px; background: #2A6DF4;' +
        ' color: #FFFFFF; font: 600 12px/1 "Segoe UI", Arial, sans-serif; cursor: pointer;' +
        ' box-shadow: 0 2px 6px rgba(0, 0, 0, 0.35); border: 1px solid rgba(255, 255, 255, 0.7);' +
        ' white-space: nowrap; user-select: none; }' +
        'button:hover { background: #0F61D6; }' +
        'button.sent { background: #22A559; }' +
        'svg { width: 12px; height: 12px; fill: currentColor; flex: none; }';
    var ARROW = '<svg viewBox="0 0 16 16" aria-hidden="true"><path d="M7 1h2v8.2l2.8-2.8 1.4 1.4L8 ' +
        '13 2.8 7.8l1.4-1.4L7 9.2z"/><path d="M2 14h12v1.6H2z"/></svg>';

    var makeHost = safe(function (entry) {
        var doc = entry.doc;
        var host = doc.createElement(HOST_TAG);
        setImportant(host, {
            all: 'initial',
            position: 'fixed',
            display: 'none',
            visibility: 'visible',
            opacity: '1',
            'z-index': '2147483647',
            left: '0px',
            top: '0px',
            width: BUTTON_WIDTH + 'px',
            height: BUTTON_HEIGHT + 'px',
            margin: '0',
            padding: '0',
            transform: 'none',
            filter: 'none',
            'clip-path': 'none',
            'pointer-events': 'auto',
            contain: 'layout size style'
        });
        host.setAttribute('title', 'Download with Clipmoor');
        var root = host.attachShadow({mode: 'closed'});
        var style = doc.createElement('style');
        style.textContent = BUTTON_STYLE;
        var button = doc.createElement('button');
        button.type = 'button';
        button.innerHTML = ARROW + '<span>Download</span>';
        root.appendChild(style);
        root.appendChild(button);
        var stop = function (event) {
            event.stopPropagation();
        };
        host.addEventListener('mousedown', stop, true);
        host.addEventListener('pointerdown', stop, true);
        host.addEventListener('mouseup', stop, true);
        host.addEventListener('dblclick', stop, true);
        host.addEventListener('click', safe(function (event) {
            event.preventDefault();
            event.stopPropagation();
            if (!event.isTrusted)
                return; // the page's script, not the user
            send(messageFor(entry));
            button.className = 'sent';
            button.lastChild.textContent = 'Added';
            setTimeout(safe(function () {
                button.className = '';
                button.lastChild.textContent = 'Download';
            }), 1500);
        }), true);
        (doc.documentElement || doc.body).appendChild(host);
        return host;
    });

    function isShown(element, rect) {
        if (!element.isConnected || rect.width < 2 || rect.height < 2)
            return false;
        var view = element.ownerDocument.defaultView;
        var style = view && view.getComputedStyle(element);
        return !style || (style.display !== 'none' && style.visibility !== 'hidden');
    }

    var place = safe(function (entry) {
        var rect = entry.target.getBoundingClientRect();
        if (!isShown(entry.target, rect)) {
            setImportant(entry.host, {display: 'none'});
            return;
        }
        var left, top;
        if (entry.kind === 'link') {
            left = rect.right + 4;
            top = rect.top + (rect.height - BUTTON_HEIGHT) / 2;
        } else {
            left = rect.right - BUTTON_WIDTH - MARGIN;
            top = rect.top + MARGIN;
            if (entry.target.nodeName === 'AUDIO' || rect.width < BUTTON_WIDTH + 2 * MARGIN ||
                rect.height < 2 * BUTTON_HEIGHT + 2 * MARGIN) {
                // A bar of controls (an <audio> player, a small player): the button sits just
                // above its right end rather than over its controls.
                left = rect.right - BUTTON_WIDTH;
                top = rect.top - BUTTON_HEIGHT - 2;
                if (top < 0)
                    top = rect.bottom + 2;
            }
        }
        setImportant(entry.host, {
            display: 'block',
            left: Math.round(Math.max(0, left)) + 'px',
            top: Math.round(top) + 'px'
        });
    });

    var placeAll = safe(function () {
        state.placeFrame = 0;
        var kept = [];
        for (var i = 0; i < state.entries.length; ++i) {
            var entry = state.entries[i];
            if (!entry.target.isConnected) {
                if (entry.host.parentNode)
                    entry.host.parentNode.removeChild(entry.host);
                state.handled.delete(entry.target);
                continue;
            }
            if (!entry.host.isConnected)
                (entry.doc.documentElement || entry.doc.body).appendChild(entry.host);
            place(entry);
            kept.push(entry);
        }
        state.entries = kept;
    });

    function schedulePlace() {
        if (!state.placeFrame)
            state.placeFrame = requestAnimationFrame(placeAll);
    }

    var attach = safe(function (target, kind, doc) {
        if (state.handled.has(target))
            return null;
        state.handled.add(target);
        var entry = {target: target, kind: kind, doc: doc || target.ownerDocument, host: null};
        entry.host = makeHost(entry);
        if (!entry.host)
            return null;
        state.entries.push(entry);
        place(entry);
        if (state.resizeObserver)
            state.resizeObserver.observe(target);
        return entry.host;
    });

    // --- finding media ---------------------------------------------------------------------

    function sitePlayers(doc) {
        var found = [];
        if (!state.site || !state.site.players || !siteWatchPage())
            return found;
        for (var i = 0; i < state.site.players.length; ++i) {
            var list = doc.querySelectorAll(state.site.players[i]);
            for (var j = 0; j < list.length; ++j) {
                var rect = list[j].getBoundingClientRect();
                if (isShown(list[j], rect))
                    found.push(list[j]);
            }
            if (found.length)
                break;
        }
        return found;
    }

    function inside(element, containers) {
        for (var i = 0; i < containers.length; ++i) {
            if (containers[i] !== element && containers[i].contains(element))
                return true;
        }
        return false;
    }

    var scanDocument = safe(function (doc, depth) {
        watch(doc);
        var players = sitePlayers(doc);
        for (var s = 0; s < players.length; ++s)
            attach(players[s], 'site', doc);
        var media = doc.querySelectorAll('video, audio');
        for (var i = 0; i < media.length; ++i) {
            if (!inside(media[i], players) && players.indexOf(media[i]) < 0)
                attach(media[i], 'player', doc);
        }
        var links = doc.querySelectorAll('a[href]');
        for (var k = 0; k < links.length; ++k) {
            var href = links[k].getAttribute('href');
            if (MEDIA_LINK.test(href) && isHttp(absolute(href, doc)))
                attach(links[k], 'link', doc);
        }
        if (depth >= 3)
            return;
        var frames = doc.querySelectorAll('iframe, frame');
        for (var f = 0; f < frames.length; ++f) {
            var frameDoc = sameOriginDocument(frames[f]);
            if (!state.handled.has(frames[f])) {
                state.handled.add(frames[f]);
                frames[f].addEventListener('load', scheduleScan);
            }
            if (frameDoc && frameDoc.documentElement)
                scanDocument(frameDoc, depth + 1);
        }
    });

    var scan = safe(function () {
        state.scanTimer = 0;
        scanDocument(document, 0);
        placeAll();
    });

    function scheduleScan() {
        if (!state.scanTimer)
            state.scanTimer = setTimeout(scan, 150);
    }

    var watch = safe(function (doc) {
        if (state.watchedDocs.has(doc))
            return;
        state.watchedDocs.add(doc);
        var view = doc.defaultView;
        if (view && view.MutationObserver) {
            new view.MutationObserver(safe(function (records) {
                for (var i = 0; i < records.length; ++i) {
                    // Our own buttons coming and going need no new scan.
                    var added = records[i].addedNodes;
                    if (records[i].type === 'attributes' ||
                        (added.length && !(added.length === 1 && added[0].nodeName ===
                            HOST_TAG.toUpperCase()))) {
                        scheduleScan();
                        break;
                    }
                }
            })).observe(doc.documentElement || doc, {
                childList: true,
                subtree: true,
                attributes: true,
                attributeFilter: ['src', 'href']
            });
        }
        doc.addEventListener('scroll', schedulePlace, {capture: true, passive: true});
        doc.addEventListener('loadedmetadata', schedulePlace, true);
        doc.addEventListener('fullscreenchange', schedulePlace, true);
        if (view)
            view.addEventListener('resize', schedulePlace, {passive: true});
    });

    // --- what the application asks after a press ------------------------------------------

    var BUTTON_SLACK = 4;

    // True when `element` is one of our buttons, shown as we made it: of our size, visible, not
    // faded out. (A page can restyle it from its scripts; a button stretched over the page or
    // made invisible is not one the user meant to press.)
    var isOurButton = safe(function (element) {
        if (!element)
            return false;
        var entry = null;
        for (var i = 0; i < state.entries.length && !entry; ++i) {
            if (state.entries[i].host === element)
                entry = state.entries[i];
        }
        if (!entry || !element.isConnected)
            return false;
        var rect = element.getBoundingClientRect();
        if (rect.width > BUTTON_WIDTH + BUTTON_SLACK || rect.height > BUTTON_HEIGHT + BUTTON_SLACK ||
            rect.width < 8 || rect.height < 8)
            return false;
        var view = element.ownerDocument.defaultView;
        for (var node = element; node && node.nodeType === 1; node = node.parentElement) {
            var style = view.getComputedStyle(node);
            if (style.visibility === 'hidden' || style.display === 'none' ||
                parseFloat(style.opacity) < 0.9)
                return false;
        }
        return true;
    });

    // A frame element's document when the frame is same-origin; null when it is cross-origin
    // (where reading contentDocument gives null or throws).
    function sameOriginDocument(frameElement) {
        try {
            return frameElement.contentDocument || null;
        } catch (e) {
            return null;
        }
    }

    // The element at (x, y) of the top document's viewport, looked for in same-origin frames too
    // (where our buttons may be); a cross-origin frame is the frame element itself.
    var elementAt = safe(function (x, y) {
        var doc = document;
        for (var depth = 0; depth < 4; ++depth) {
            var element = doc.elementFromPoint(x, y);
            if (!element || (element.nodeName !== 'IFRAME' && element.nodeName !== 'FRAME'))
                return element;
            var inner = sameOriginDocument(element);
            if (!inner)
                return element;
            var rect = element.getBoundingClientRect();
            x -= rect.left + element.clientLeft;
            y -= rect.top + element.clientTop;
            doc = inner;
        }
        return null;
    });

    var focusedElement = safe(function () {
        var element = document.activeElement;
        for (var depth = 0; depth < 4 && element; ++depth) {
            if (element.nodeName !== 'IFRAME' && element.nodeName !== 'FRAME')
                return element;
            var inner = sameOriginDocument(element);
            if (!inner)
                return element;
            element = inner.activeElement;
        }
        return null;
    });

    // --- the namespace ---------------------------------------------------------------------

    // A site script describes its watch pages (regular expressions tested on the address), the
    // elements that hold its player (selectors, tried in order), and whether the application
    // should analyse the page itself first ("direct": false).
    var registerSite = safe(function (site) {
        state.site = {
            name: String(site.name || ''),
            watch: site.watch || [],
            players: site.players || [],
            direct: site.direct !== false
        };
        if (site.direct === false)
            state.site.direct = false;
        scheduleScan();
    });

    try {
        if (window.ResizeObserver)
            state.resizeObserver = new ResizeObserver(schedulePlace);
    } catch (e) {
        state.resizeObserver = null;
    }

    var api = {
        version: '2.2.0',
        scan: scan,
        send: send,
        metadata: metadata,
        registerSite: registerSite,
        isWatchPage: siteWatchPage,
        // Whether the user's press at (x, y) (viewport pixels), or the key pressed now, was on
        // one of our buttons.
        hitButton: safe(function (x, y) {
            return isOurButton(elementAt(Number(x), Number(y))) === true;
        }),
        hitFocused: safe(function () {
            return isOurButton(focusedElement()) === true;
        }),
        status: safe(function () {
            return {bridge: !!state.bridge, connecting: state.connecting,
                    tries: state.connectTries, queued: state.queue.length};
        }),
        buttons: safe(function () {
            return state.entries.map(function (entry) {
                return {kind: entry.kind, host: entry.host, target: entry.target};
            });
        }),
        messageFor: safe(function (target) {
            for (var i = 0; i < state.entries.length; ++i) {
                if (state.entries[i].target === target)
                    return messageFor(state.entries[i]);
            }
            return null;
        })
    };
    try {
        Object.defineProperty(window, NAME, {value: Object.freeze(api), configurable: false,
                                             enumerable: false, writable: false});
    } catch (e) {
        return;
    }
    connect();
    scan();
    setInterval(safe(function () {
        placeAll();
    }), 1000);
    if (document.readyState === 'loading')
        document.addEventListener('DOMContentLoaded', scheduleScan);
})();
