// Tells a running Orbo where the pointer is and which buttons are held: under Wayland, Orbo (an
// X11 program) sees the pointer only over X11 windows. The body of both forms of the extension:
// the build puts each form's imports before it and its entry point after it (43/ and 45/).

// While enabled, the extension holds this name, so that Orbo knows it can be told.
const PRESENT = 'org.orbo.GnomeShell';
// The name a running Orbo holds, and its object. Whoever holds the name is told the pointer: the
// session's programs are the user's own, and the name is only a rendezvous (see the README).
const LISTENER = 'org.orbo.Cursor';
const PATH = '/org/orbo/Cursor';
const INTERFACE = 'org.orbo.Cursor';
const MEMBER = 'Pointer';
// Called on each press of Orbo's hot key, which Orbo names in its answers, and when the key is
// the shell's already.
const KEY_MEMBER = 'KeyPressed';
const KEY_TAKEN_MEMBER = 'KeyTaken';
// At most one report an animation interval of Orbo's: it answers each report with its own, this
// until the first answer. Never more than one a display frame, nor fewer than one a second.
const INTERVAL_MS = 76;
const FASTEST_MS = 16;
const SLOWEST_MS = 1000;
const CALL_TIMEOUT_MS = 2000;
// No input for this long, and the pointer is not looked at until input comes (as the shell's own
// pointer watcher does): a still pointer costs the shell nothing.
const IDLE_MS = 1000;
// An Orbo that failed to answer is asked again this often, and a stopped one may answer that
// call whenever it wakes, until the call times out.
const PROBE_MS = 2000;
const PROBE_TIMEOUT_MS = 30000;

class PointerReporter {
    constructor() {
        this._ownId = 0;
        this._watchId = 0;
        this._accelerator = '';
        this._action = 0;
        this._activatedId = 0;
        this._reset();
    }

    _reset() {
        this._timerId = 0;
        this._monitor = null;
        this._idleId = 0;
        this._activeId = 0;
        this._connection = null;
        this._listener = null;
        this._cancellable = null;
        this._interval = INTERVAL_MS;
        this._last = '';
        this._sentAt = 0;
        this._calling = 0;
        this._calls = 0;
        this._failed = false;
        this._resting = false;
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
        this._cancellable = new Gio.Cancellable();
        // The shell has no signal for a button pressed over a Wayland window, so while input
        // comes the pointer is looked at once an interval, and only a change is sent.
        this._monitor = global.backend.get_core_idle_monitor();
        this._idleId = this._monitor.add_idle_watch(IDLE_MS, () => this._guard(() => this._rest()));
        this._report();
        if (this._monitor.get_idletime() >= IDLE_MS)
            this._rest();
        else
            this._schedule();
    }

    _stop() {
        this._releaseKey();
        this._unschedule();
        this._cancellable?.cancel();
        if (this._idleId)
            this._monitor.remove_watch(this._idleId);
        if (this._activeId)
            this._monitor.remove_watch(this._activeId);
        this._reset();
    }

    // No input for a while: nothing is looked at until some comes.
    _rest() {
        if (!this._connection)
            return;
        this._report();
        this._resting = true;
        if (!this._failed)
            this._unschedule();
        if (!this._activeId) {
            this._activeId = this._monitor.add_user_active_watch(() => {
                this._activeId = 0;
                this._guard(() => this._wake());
            });
        }
    }

    _wake() {
        if (!this._connection)
            return;
        this._resting = false;
        this._report();
        if (!this._timerId)
            this._schedule();
    }

    // The timer at its pace: the interval while input comes, the probe's while Orbo fails.
    _schedule() {
        this._unschedule();
        const id = GLib.timeout_add(GLib.PRIORITY_DEFAULT,
            this._failed ? PROBE_MS : this._interval, () => {
                this._guard(() => this._report());
                return this._timerId === id ? GLib.SOURCE_CONTINUE : GLib.SOURCE_REMOVE;
            });
        this._timerId = id;
    }

    _unschedule() {
        if (this._timerId)
            GLib.source_remove(this._timerId);
        this._timerId = 0;
    }

    // Holds Orbo's hot key for it, a GTK accelerator ('<Control><Alt>o'; '' for none), until
    // Orbo names another or goes.
    _holdKey(accelerator) {
        if (typeof accelerator !== 'string' || accelerator === this._accelerator)
            return;
        this._releaseKey();
        this._accelerator = accelerator;
        if (!accelerator)
            return;
        const action = global.display.grab_accelerator(accelerator, Meta.KeyBindingFlags.NONE);
        if (action === Meta.KeyBindingAction.NONE) {
            this._tell(KEY_TAKEN_MEMBER);
            return;
        }
        this._action = action;
        Main.wm.allowKeybinding(Meta.external_binding_name_for_action(action),
            Shell.ActionMode.ALL);
        this._activatedId = global.display.connect('accelerator-activated', (display, pressed) => {
            if (pressed === this._action)
                this._guard(() => this._tell(KEY_MEMBER));
        });
    }

    _releaseKey() {
        if (this._activatedId)
            global.display.disconnect(this._activatedId);
        if (this._action) {
            Main.wm.allowKeybinding(Meta.external_binding_name_for_action(this._action),
                Shell.ActionMode.NONE);
            global.display.ungrab_accelerator(this._action);
        }
        this._accelerator = '';
        this._action = 0;
        this._activatedId = 0;
    }

    _tell(member) {
        this._connection?.call(this._listener, PATH, INTERFACE, member, null, null,
            Gio.DBusCallFlags.NO_AUTO_START, CALL_TIMEOUT_MS, null, null);
    }

    // Orbo's answer: its animation interval, in milliseconds, and its hot key.
    _answered(interval, accelerator) {
        this._holdKey(accelerator);
        if (this._failed) {
            this._failed = false;
            console.log(`Orbo pointer: ${this._listener} answers again`);
            if (this._resting)
                this._unschedule();
            else
                this._schedule();
        }
        if (!Number.isInteger(interval))
            return;
        const wanted = Math.min(Math.max(interval, FASTEST_MS), SLOWEST_MS);
        if (wanted !== this._interval) {
            this._interval = wanted;
            if (this._timerId)
                this._schedule();
        }
    }

    _failedToAnswer(error) {
        if (!this._failed) {
            console.warn(`Orbo pointer: ${this._listener} did not answer: ${error.message}; ` +
                `asking again every ${PROBE_MS / 1000} s`);
        }
        this._failed = true;
        this._last = '';
        this._schedule();
    }

    _report() {
        // One call at a time: an Orbo that does not answer gets no more until it does, or the
        // call fails.
        if (!this._connection || this._calling)
            return;
        const [x, y, mods] = global.get_pointer();
        const output = global.display.get_monitor_geometry(global.display.get_current_monitor());
        const buttons = (mods & Clutter.ModifierType.BUTTON1_MASK ? 1 : 0) |
            (mods & Clutter.ModifierType.BUTTON3_MASK ? 2 : 0) |
            (mods & Clutter.ModifierType.BUTTON2_MASK ? 4 : 0);
        const values = [x, y, output.x, output.y, output.width, output.height, buttons];
        const key = values.join(',');
        // A tick late by a few milliseconds must not bring two reports within one interval; a
        // probe goes whatever the pointer did.
        const now = GLib.get_monotonic_time();
        if (this._failed ? now - this._sentAt < (PROBE_MS - 100) * 1000
            : key === this._last || now - this._sentAt < this._interval * 1000)
            return;
        this._last = key;
        this._sentAt = now;
        const call = ++this._calls;
        this._calling = call;
        const listener = this._listener;
        const cancellable = this._cancellable;
        this._connection.call(listener, PATH, INTERFACE, MEMBER,
            new GLib.Variant('(iiiiiii)', values), null, Gio.DBusCallFlags.NO_AUTO_START,
            this._failed ? PROBE_TIMEOUT_MS : CALL_TIMEOUT_MS, cancellable,
            (connection, result) => {
                // Disabled, or another Orbo came meanwhile: the answer is no one's.
                if (cancellable.is_cancelled() || this._listener !== listener)
                    return;
                if (this._calling === call)
                    this._calling = 0;
                this._guard(() => {
                    let interval, accelerator;
                    try {
                        [interval, accelerator] = connection.call_finish(result).deep_unpack();
                    } catch (e) {
                        this._failedToAnswer(e);
                        return;
                    }
                    this._answered(interval, accelerator);
                });
            });
    }
}
