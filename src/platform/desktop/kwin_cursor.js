// Written by Orbo: tells it where the cursor is, also over Wayland windows. A KWin script: Orbo
// puts one line before it that defines `orbo`, the values it is given (Orbo's name on the bus, the
// object and member it calls, the intervals, the hot key and its text).
(function () {
    // The one Orbo that loaded it, called by its unique name on the bus: no other program can
    // take that name.
    var service = orbo.service, path = orbo.path, iface = orbo.iface;
    // Without a timer to look at the cursor later, every move is reported.
    var timer = typeof QTimer === "function" ? new QTimer() : null;
    if (timer) {
        timer.singleShot = true;
        timer.interval = orbo.reportIntervalMs;
    }
    var last = null, o = null;
    var unanswered = 0, checkedAt = 0, probedAt = 0;
    // Plasma 6 has a list of output objects (workspace.screens) and screenAt(point) gives the one
    // under the point, with its geometry; Plasma 5 numbers its outputs and has clientArea(option,
    // point, desktop), which Plasma 6 dropped.
    function output(p) {
        if (workspace.screens !== undefined) {
            var screen = workspace.screenAt(p);
            return screen ? screen.geometry : null;
        }
        return workspace.clientArea(KWin.ScreenArea, p, workspace.currentDesktop);
    }
    function report() {
        var p = workspace.cursorPos;
        last = p.x + "," + p.y;
        var now = Date.now();
        var check = now - checkedAt >= orbo.answerIntervalMs;
        // The output is looked up again when the cursor leaves it (its far edge is the next
        // output's), and with each check.
        if (check || !o || p.x < o.x || p.y < o.y || p.x >= o.x + o.width ||
            p.y >= o.y + o.height)
            o = output(p);
        if (!o)
            return;
        if (unanswered >= orbo.unansweredChecks) {
            // Orbo is gone or stuck: asked again now and then, until it answers.
            if (now - probedAt < orbo.probeIntervalMs)
                return;
            probedAt = now;
            check = true;
        }
        if (!check) {
            callDBus(service, path, iface, orbo.member, p.x, p.y, o.x, o.y, o.width, o.height);
            return;
        }
        checkedAt = now;
        ++unanswered;
        callDBus(service, path, iface, orbo.member, p.x, p.y, o.x, o.y, o.width, o.height,
                 function (interval) {
            // Back from being gone or stuck: what it missed meanwhile is sent now.
            var missed = unanswered >= orbo.unansweredChecks;
            unanswered = 0;
            // Orbo answers with its animation interval: no report need come sooner.
            if (timer && typeof interval === "number" && isFinite(interval))
                timer.interval = Math.min(Math.max(interval, 16), 1000);
            if (missed)
                report();
        });
    }
    // While the cursor moves the handler is off (KWin runs it on every motion event): the timer
    // looks once an interval, and the handler comes back once the cursor rests.
    function moved() {
        if (!timer) {
            report();
            return;
        }
        workspace.cursorPosChanged.disconnect(moved);
        report();
        timer.start();
    }
    if (timer) {
        timer.timeout.connect(function () {
            var p = workspace.cursorPos;
            if (p.x + "," + p.y !== last) {
                report();
                timer.start();
            } else {
                workspace.cursorPosChanged.connect(moved);
            }
        });
    }
    workspace.cursorPosChanged.connect(moved);
    report();
    // The hot key, a shortcut of KWin's own: KDE's shortcut settings list it under KWin, by its
    // text in the user's language.
    var key = orbo.key;
    if (key && typeof registerShortcut === "function") {
        registerShortcut("Orbo: hide or show", orbo.keyText, key,
                         function () { callDBus(service, path, iface, orbo.keyMember); });
    }
})();
