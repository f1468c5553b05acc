// Tells a running Orbo where the pointer is and which buttons are held: under Wayland, Orbo (an
// X11 program) sees the pointer only over X11 windows. The body of both forms of the extension:
// the build puts each form's imports before it and its entry point after it (43/ and 45/).

// While enabled, the extension holds this name, so that Orbo knows it can be told.
const PRESENT = 'org.orbo.GnomeShell';
// The name a running Orbo holds, and its object.
const LISTENER = 'org.orbo.Cursor';
const PATH = '/org/orbo/Cursor';
const INTERFACE = 'org.orbo.Cursor';
const MEMBER = 'Pointer';
// At most one report an animation interval of Orbo's: it answers each report with its own, this
// until the first answer. Never more than one a display frame, nor fewer than one a second.
const INTERVAL_MS = 76;
const FASTEST_MS = 16;
const SLOWEST_MS = 1000;
const CALL_TIMEOUT_MS = 2000;

class PointerReporter {
    constructor() {
        this._ownId = 0;
        this._watchId = 0;
        this._timerId = 0;
        this._interval = INTERVAL_MS;
        this._connection = null;
        this._listener = null;
        this._last = '';
        this._sentAt = 0;
        this._calling = false;
    }

    enable() {
        this._ownId = Gio.bus_own_name(Gio.BusType.SESSION, PRESENT, Gio.BusNameOwnerFlags.NONE,
            null, null, null);
        this._watchId = Gio.bus_watch_name(Gio.BusType.SESSION, LISTENER,
            Gio.BusNameWatcherFlags.NONE,
            (connection, name, owner) => this._guard(() => this._start(connection, owner)),
            () => this._guard(() => this._stop()));
    }

    disable() {
        this._stop();
        if (this._watchId)
            Gio.bus_unwatch_name(this._watchId);
        if (this._ownId)
            Gio.bus_unown_name(this._ownId);
        this._watchId = 0;
        this._ownId = 0;
    }

    // Nothing here may throw into the shell: a fault is logged and the reports stop until
    // another Orbo comes.
    _guard(action) {
        try {
            action();
        } catch (e) {
            console.error('Orbo pointer: stopped reporting', e);
            this._stop();
        }
    }

    _start(connection, owner) {
        this._stop();
        this._connection = connection;
        this._listener = owner;
        this._last = '';
        // The shell has no signal for a button pressed over a Wayland window, so the pointer is
        // looked at once an interval, and only a change is sent.
        this._interval = INTERVAL_MS;
        this._schedule();
        this._report();
    }

    _schedule() {
        if (this._timerId)
            GLib.source_remove(this._timerId);
        const id = GLib.timeout_add(GLib.PRIORITY_DEFAULT, this._interval, () => {
            this._guard(() => this._report());
            return this._timerId === id ? GLib.SOURCE_CONTINUE : GLib.SOURCE_REMOVE;
        });
        this._timerId = id;
    }

    _stop() {
        if (this._timerId)
            GLib.source_remove(this._timerId);
        this._timerId = 0;
        this._connection = null;
        this._listener = null;
    }

    // Orbo's answer: its animation interval, in milliseconds.
    _adopt(interval) {
        if (!this._timerId || !Number.isInteger(interval))
            return;
        const wanted = Math.min(Math.max(interval, FASTEST_MS), SLOWEST_MS);
        if (wanted !== this._interval) {
            this._interval = wanted;
            this._schedule();
        }
    }

    _report() {
        // One call at a time: an Orbo that does not answer gets no more.
        if (!this._connection || this._calling)
            return;
        const [x, y, mods] = global.get_pointer();
        const output = global.display.get_monitor_geometry(global.display.get_current_monitor());
        const buttons = (mods & Clutter.ModifierType.BUTTON1_MASK ? 1 : 0) |
            (mods & Clutter.ModifierType.BUTTON3_MASK ? 2 : 0) |
            (mods & Clutter.ModifierType.BUTTON2_MASK ? 4 : 0);
        const values = [x, y, output.x, output.y, output.width, output.height, buttons];
        const key = values.join(',');
        // A tick late by a few milliseconds must not bring two reports within one interval.
        const now = GLib.get_monotonic_time();
        if (key === this._last || now - this._sentAt < this._interval * 1000)
            return;
        this._last = key;
        this._sentAt = now;
        this._calling = true;
        const listener = this._listener;
        this._connection.call(listener, PATH, INTERFACE, MEMBER,
            new GLib.Variant('(iiiiiii)', values), null, Gio.DBusCallFlags.NO_AUTO_START,
            CALL_TIMEOUT_MS, null, (connection, result) => {
                this._calling = false;
                try {
                    const [interval] = connection.call_finish(result).deep_unpack();
                    this._adopt(interval);
                } catch (e) {
                    // The Orbo went away or is stuck: quiet until the name changes hands.
                    if (this._listener === listener) {
                        console.warn(`Orbo pointer: ${listener} did not answer: ${e.message}`);
                        this._stop();
                    }
                }
            });
    }
}
