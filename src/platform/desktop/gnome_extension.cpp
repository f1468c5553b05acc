// What GNOME Shell says of Orbo's extension, and what the user is told to do about it.
#include "gnome_extension.h"

#include <QtCore/QCoreApplication>

#include <algorithm>

namespace orbo {

namespace {

using namespace Qt::StringLiterals;

const QString kUuid = u"orbo-pointer@orbo.example"_s;

// GNOME Shell's ExtensionState values, the same in 43 and later.
enum State { kActive = 1, kError = 3, kOutOfDate = 4, kUninstalled = 99 };

QString Major(const QString& shellVersion) {
    return shellVersion.section(u'.', 0, 0);
}

// The newest major version any list names; 0 when none names one.
int NewestListed(const QVariantMap& info, const GnomeExtensionForms& forms) {
    QList<QStringList> lists = forms.values();
    lists << info.value(u"shell-version"_s).toStringList();
    int newest = 0;
    for (const QStringList& list : lists)
        for (const QString& version : list)
            newest = std::max(newest, Major(version).toInt());
    return newest;
}

QString Install(const QString& shellVersion, const QString& rightForm, int newest) {
    if (!rightForm.isEmpty())
        return QCoreApplication::translate(
                   "orbo::GnomeExtension",
                   "To install the form made for GNOME %1 for yourself, run:\n\n"
                   "    mkdir -p ~/.local/share/gnome-shell/extensions\n"
                   "    cp -r %2 ~/.local/share/gnome-shell/extensions/\n\n"
                   "then log out and in again, and run:\n\n    gnome-extensions enable %3")
            .arg(Major(shellVersion), rightForm, kUuid);
    // A shell newer than every form loads none, whatever is copied where.
    if (newest > 0 && Major(shellVersion).toInt() > newest)
        return QCoreApplication::translate(
                   "orbo::GnomeExtension",
                   "This Orbo's extension was made for GNOME up to %1, and this is GNOME %2. To "
                   "have GNOME load it all the same, run:\n\n"
                   "    gsettings set org.gnome.shell disable-extension-version-validation true\n\n"
                   "then log out and in again. GNOME then loads every extension, whatever version "
                   "it was made for: one that does not fit this GNOME may fail or misbehave, "
                   "Orbo's among them. A newer Orbo may bring a form made for GNOME %2.")
            .arg(QString::number(newest), Major(shellVersion));
    return QCoreApplication::translate("orbo::GnomeExtension",
                                       "No form of it for GNOME %1 came with this Orbo.")
        .arg(Major(shellVersion));
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

QString GnomeExtensionFormFor(const QString& shellVersion, const GnomeExtensionForms& forms) {
    for (auto form = forms.begin(); form != forms.end(); ++form)
        for (const QString& listed : form.value())
            if (Major(listed) == Major(shellVersion))
                return form.key();
    return {};
}

QString GnomeExtensionAdvice(GnomeExtensionStatus status, const QVariantMap& info,
                             const QString& shellVersion, const GnomeExtensionForms& forms) {
    const QString install = Install(shellVersion, GnomeExtensionFormFor(shellVersion, forms),
                                    NewestListed(info, forms));
    const QString shell = QCoreApplication::translate("orbo::GnomeExtension", "GNOME Shell %1")
                              .arg(Major(shellVersion));
    switch (status) {
    case GnomeExtensionStatus::Missing:
        return QCoreApplication::translate(
                   "orbo::GnomeExtension",
                   "Orbo's GNOME Shell extension makes the eyes follow the pointer everywhere, but "
                   "%1 does not know it. If Orbo was installed during this session, log out and in "
                   "again: GNOME Shell looks for new extensions only when it starts.\n\n%2")
            .arg(shell, install);
    case GnomeExtensionStatus::OutOfDate:
        return QCoreApplication::translate(
                   "orbo::GnomeExtension",
                   "%1 does not load Orbo's extension in %2: that copy is made for another version "
                   "of GNOME.\n\n%3")
            .arg(shell, info.value(u"path"_s).toString(), install);
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
