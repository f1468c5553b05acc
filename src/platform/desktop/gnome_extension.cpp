// What GNOME Shell says of Orbo's extension, and what the user is told to do about it.
#include "gnome_extension.h"

#include <QtCore/QCoreApplication>

namespace orbo {

namespace {

using namespace Qt::StringLiterals;

const QString kUuid = u"orbo-pointer@orbo.example"_s;

// GNOME Shell's ExtensionState values, the same in 43 and later.
enum State { kActive = 1, kError = 3, kOutOfDate = 4, kUninstalled = 99 };

QString Major(const QString& shellVersion) {
    return shellVersion.section(u'.', 0, 0);
}

QString Install(const QString& shellVersion, const QString& rightForm) {
    if (rightForm.isEmpty())
        return QCoreApplication::translate("orbo::GnomeExtension",
                                           "No form of it for GNOME %1 came with this Orbo.")
            .arg(Major(shellVersion));
    return QCoreApplication::translate(
               "orbo::GnomeExtension",
               "To install the form made for GNOME %1 for yourself, run:\n\n"
               "    mkdir -p ~/.local/share/gnome-shell/extensions\n"
               "    cp -r %2 ~/.local/share/gnome-shell/extensions/\n\n"
               "then log out and in again, and run:\n\n    gnome-extensions enable %3")
        .arg(Major(shellVersion), rightForm, kUuid);
}

} // namespace

GnomeExtensionStatus ClassifyGnomeExtension(const QVariantMap& info, bool userExtensionsEnabled) {
    const int state = info.value(u"state"_s).toInt();
    if (info.isEmpty() || state == kUninstalled)
        return GnomeExtensionStatus::Missing;
    if (state == kOutOfDate)
        return GnomeExtensionStatus::OutOfDate;
    if (state == kError)
        return GnomeExtensionStatus::Failed;
    if (!userExtensionsEnabled)
        return GnomeExtensionStatus::UserExtensionsOff;
    const bool on =
        info.contains(u"enabled"_s) ? info.value(u"enabled"_s).toBool() : state == kActive;
    return on ? GnomeExtensionStatus::On : GnomeExtensionStatus::Off;
}

QString GnomeExtensionForm(const QString& shellVersion) {
    return Major(shellVersion).toInt() >= 45 ? u"45"_s : u"43"_s;
}

QString GnomeExtensionAdvice(GnomeExtensionStatus status, const QVariantMap& info,
                             const QString& shellVersion, const QString& rightForm) {
    const QString shell = QCoreApplication::translate("orbo::GnomeExtension", "GNOME Shell %1")
                              .arg(Major(shellVersion));
    switch (status) {
    case GnomeExtensionStatus::Missing:
        return QCoreApplication::translate(
                   "orbo::GnomeExtension",
                   "Orbo's GNOME Shell extension makes the eyes follow the pointer everywhere, but "
                   "%1 does not know it. If Orbo was installed during this session, log out and in "
                   "again: GNOME Shell looks for new extensions only when it starts.\n\n%2")
            .arg(shell, Install(shellVersion, rightForm));
    case GnomeExtensionStatus::OutOfDate:
        return QCoreApplication::translate(
                   "orbo::GnomeExtension",
                   "%1 does not load Orbo's extension in %2: that copy is made for another version "
                   "of GNOME.\n\n%3")
            .arg(shell, info.value(u"path"_s).toString(), Install(shellVersion, rightForm));
    case GnomeExtensionStatus::Failed:
        return QCoreApplication::translate("orbo::GnomeExtension",
                                           "Orbo's GNOME Shell extension failed in %1, which says: "
                                           "\"%2\". Reinstalling Orbo "
                                           "and logging out and in again may mend it.")
            .arg(shell, info.value(u"error"_s).toString());
    case GnomeExtensionStatus::UserExtensionsOff:
        return QCoreApplication::translate(
                   "orbo::GnomeExtension",
                   "Extensions are switched off in GNOME (the setting disable-user-extensions), "
                   "Orbo's "
                   "among them. To switch them on, and Orbo's, run:\n\n"
                   "    gsettings set org.gnome.shell disable-user-extensions false\n"
                   "    gnome-extensions enable %1")
            .arg(kUuid);
    case GnomeExtensionStatus::Off:
        return QCoreApplication::translate(
                   "orbo::GnomeExtension",
                   "Orbo's GNOME Shell extension, which makes the eyes follow the pointer "
                   "everywhere, "
                   "is switched off. To switch it on, run:\n\n    gnome-extensions enable %1\n\nor "
                   "switch on \"Orbo pointer\" in the Extensions application.")
            .arg(kUuid);
    case GnomeExtensionStatus::On:
        break;
    }
    return QCoreApplication::translate(
               "orbo::GnomeExtension",
               "%1 runs Orbo's extension, but the extension has not made itself known to Orbo. "
               "Switching it off and on again may help:\n\n    gnome-extensions disable %2\n"
               "    gnome-extensions enable %2")
        .arg(shell, kUuid);
}

} // namespace orbo
