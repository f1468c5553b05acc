// GNOME Shell 43 and 44 load this form: legacy imports, and init() returning the extension.
/* exported init */
'use strict';

const {Clutter, Gio, GLib, Meta, Shell} = imports.gi;
const Main = imports.ui.main;

