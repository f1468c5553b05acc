// What GNOME Shell says of Orbo's extension, and what the user is told to do about it.
#pragma once

#include <QtCore/QMap>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QVariantMap>

namespace orbo {

// Why the extension does not tell Orbo where the pointer is.
enum class GnomeExtensionStatus {
    Missing,           // the shell does not know it
    OutOfDate,         // installed, but not for this GNOME Shell's version
    Failed,            // the shell caught an error of its
    UserExtensionsOff, // disable-user-extensions: no extension the user turned on runs
    Off,               // installed and never turned on, or turned off
    On,                // the shell runs it, yet it has not made itself known
};

// The status from org.gnome.Shell.Extensions: GetExtensionInfo's answer (empty when the shell
// knows no such extension) and the UserExtensionsEnabled property. GNOME Shell 43 tells "state"
// only (1 enabled, 2 disabled, 3 error, 4 out of date, 6 initialized: never enabled); 45 and later
// also "enabled", whatever the state (1 active, 2 inactive, 7 and 8 between them).
GnomeExtensionStatus ClassifyGnomeExtension(const QVariantMap& info, bool userExtensionsEnabled);

// The forms of the extension shipped with Orbo: each form's folder, and the GNOME versions its
// metadata.json lists ("shell-version"), which are the only ones GNOME Shell loads it in.
using GnomeExtensionForms = QMap<QString, QStringList>;

// The folder of the shipped form whose list names this shell's major version ("48.7": 48);
// empty when none does.
QString GnomeExtensionFormFor(const QString& shellVersion, const GnomeExtensionForms& forms);

// What the user is told: the status in plain words and what to do, with the form to copy where
// one lists this shell. A shell newer than every list (the shipped forms' and the installed
// copy's, GetExtensionInfo's "shell-version") is told so, and how to load it all the same.
QString GnomeExtensionAdvice(GnomeExtensionStatus status, const QVariantMap& info,
                             const QString& shellVersion, const GnomeExtensionForms& forms);

} // namespace orbo
