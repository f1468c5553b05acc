// What GNOME Shell says of Orbo's extension, and what the user is told to do about it.
#pragma once

#include <QtCore/QString>
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

// The form of the extension a GNOME Shell of this version ("43.9") loads: "43" for 43 and 44,
// "45" for 45 and later.
QString GnomeExtensionForm(const QString& shellVersion);

// What the user is told: the status in plain words and what to do. rightForm is the folder of
// the form this shell loads, shipped with Orbo (empty when there is none).
QString GnomeExtensionAdvice(GnomeExtensionStatus status, const QVariantMap& info,
                             const QString& shellVersion, const QString& rightForm);

} // namespace orbo
