// What GNOME Shell 43 and 48 say of Orbo's extension, and what the user is told.
#include "platform/desktop/gnome_extension.h"

#include <QtCore/QFile>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>

#include <gtest/gtest.h>

#include <optional>

namespace orbo {
namespace {

using namespace Qt::StringLiterals;
using Status = GnomeExtensionStatus;

// GetExtensionInfo's answer: "state" a double; 45 and later add "enabled".
QVariantMap Info(double state, std::optional<bool> enabled = std::nullopt) {
    QVariantMap info{{u"uuid"_s, u"orbo-pointer@orbo.example"_s},
                     {u"state"_s, state},
                     {u"type"_s, 1.0},
                     {u"path"_s, u"/usr/share/gnome-shell/extensions/x"_s},
                     {u"error"_s, u"boom"_s}};
    if (enabled)
        info.insert(u"enabled"_s, *enabled);
    return info;
}

TEST(GnomeExtension, StatusFromTheShellsAnswer) {
    struct Row {
        const char* name;
        QVariantMap info;
        bool userExtensions;
        Status expected;
    };
    const Row rows[] = {
        {"unknown", {}, true, Status::Missing},
        {"43 uninstalled", Info(99), true, Status::Missing},
        {"43 enabled", Info(1), true, Status::On},
        {"43 disabled", Info(2), true, Status::Off},
        {"43 never enabled", Info(6), true, Status::Off},
        {"43 error", Info(3), true, Status::Failed},
        {"43 out of date", Info(4), true, Status::OutOfDate},
        {"43 user extensions off", Info(6), false, Status::UserExtensionsOff},
        {"48 active", Info(1, true), true, Status::On},
        {"48 enabling", Info(8, true), true, Status::On},
        {"48 inactive", Info(2, false), true, Status::Off},
        {"48 out of date though enabled", Info(4, true), true, Status::OutOfDate},
        {"48 error", Info(3, true), true, Status::Failed},
        {"48 user extensions off", Info(2, false), false, Status::UserExtensionsOff},
        {"48 out of date, user extensions off", Info(4, false), false, Status::OutOfDate},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ClassifyGnomeExtension(row.info, row.userExtensions), row.expected) << row.name;
}

TEST(GnomeExtension, AdviceNamesTheShellTheFormAndTheError) {
    EXPECT_EQ(GnomeExtensionForm(u"43.9"_s), u"43"_s);
    EXPECT_EQ(GnomeExtensionForm(u"44.1"_s), u"43"_s);
    EXPECT_EQ(GnomeExtensionForm(u"48.7"_s), u"45"_s);
    const QString outOfDate = GnomeExtensionAdvice(Status::OutOfDate, Info(4), u"48.7"_s,
                                                   u"/usr/share/orbo/gnome-shell-45/u"_s);
    EXPECT_TRUE(outOfDate.startsWith(
        u"GNOME Shell 48 does not load Orbo's extension in /usr/share/gnome-shell/extensions/x"_s))
        << outOfDate.toStdString();
    EXPECT_TRUE(outOfDate.contains(u"cp -r /usr/share/orbo/gnome-shell-45/u ~/.local/"_s));
    EXPECT_TRUE(GnomeExtensionAdvice(Status::Failed, Info(3), u"43.9"_s, {})
                    .contains(u"failed in GNOME Shell 43, which says: \"boom\""_s));
}

#ifdef ORBO_GNOME_FORMS_DIR
// The forms the build made name every GNOME from the first to the newest once, each in the form
// that GNOME is told to install.
TEST(GnomeExtension, FormsNameEveryVersionOnce) {
    QList<int> versions;
    for (const QString& form : {u"43"_s, u"45"_s}) {
        QFile file(QStringLiteral(ORBO_GNOME_FORMS_DIR "/gnome-shell-") + form +
                   u"/orbo-pointer@orbo.example/metadata.json"_s);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        for (const QJsonValue v :
             QJsonDocument::fromJson(file.readAll())["shell-version"].toArray()) {
            EXPECT_EQ(GnomeExtensionForm(v.toString() + u".1"_s), form)
                << v.toString().toStdString();
            versions << v.toString().toInt();
        }
    }
    ASSERT_FALSE(versions.isEmpty());
    for (qsizetype i = 1; i < versions.size(); ++i)
        EXPECT_EQ(versions[i - 1] + 1, versions[i]);
}
#endif

} // namespace
} // namespace orbo
