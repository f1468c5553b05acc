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

// The advice names the shell, the error, and the form to copy only where one lists the shell; a
// shell newer than every list is told so, and how to load the extension all the same.
TEST(GnomeExtension, AdviceNamesTheShellTheFormAndTheError) {
    const QString form43 = u"/usr/share/orbo/gnome-shell-43/u"_s;
    const QString form45 = u"/usr/share/orbo/gnome-shell-45/u"_s;
    const GnomeExtensionForms shipped{{form43, {u"43"_s, u"44"_s}},
                                      {form45, {u"45"_s, u"48"_s, u"51"_s}}};
    const QString newer = u"made for GNOME up to 51, and this is GNOME 52"_s;
    const struct {
        Status Told;
        QVariantMap Answer;
        const char* Shell;
        QStringList Says;
        bool Copy; // whether it says to copy a form
    } rows[] = {
        {Status::OutOfDate,
         Info(4),
         "48.7",
         {u"GNOME Shell 48 does not load Orbo's extension in /usr/share/gnome-shell/extensions/x"_s,
          u"cp -r "_s + form45 + u" ~/.local/"_s},
         true},
        {Status::Missing, {}, "44.1", {u"cp -r "_s + form43}, true},
        {Status::OutOfDate,
         Info(4),
         "52.0",
         {newer, u"disable-extension-version-validation true"_s},
         false},
        {Status::Missing, {}, "52.beta", {newer}, false},
        {Status::Missing, {}, "42.1", {u"No form of it for GNOME 42"_s}, false},
        {Status::Failed,
         Info(3),
         "43.9",
         {u"failed in GNOME Shell 43, which says: \"boom\""_s},
         false}};
    for (const auto& row : rows) {
        const QString advice =
            GnomeExtensionAdvice(row.Told, row.Answer, QString::fromLatin1(row.Shell), shipped);
        SCOPED_TRACE(advice.toStdString());
        for (const QString& said : row.Says)
            EXPECT_TRUE(advice.contains(said)) << said.toStdString();
        EXPECT_EQ(row.Copy, advice.contains(u"cp -r"_s));
    }
}

#ifdef ORBO_GNOME_FORMS_DIR
// The forms the build made name every GNOME from the first to the newest once, each in the form
// that GNOME is told to install.
TEST(GnomeExtension, FormsNameEveryVersionOnce) {
    QList<int> versions;
    GnomeExtensionForms forms;
    for (const QString& form : {u"43"_s, u"45"_s}) {
        QFile file(QStringLiteral(ORBO_GNOME_FORMS_DIR "/gnome-shell-") + form +
                   u"/orbo-pointer@orbo.example/metadata.json"_s);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        for (const QJsonValue v :
             QJsonDocument::fromJson(file.readAll())["shell-version"].toArray()) {
            forms[form] << v.toString();
            versions << v.toString().toInt();
        }
    }
    ASSERT_FALSE(versions.isEmpty());
    for (qsizetype i = 1; i < versions.size(); ++i)
        EXPECT_EQ(versions[i - 1] + 1, versions[i]);
    for (const int v : versions)
        EXPECT_EQ(GnomeExtensionFormFor(u"%1.1"_s.arg(v), forms), v < 45 ? u"43"_s : u"45"_s) << v;
    // September 2026's GNOME, which the 45 form was tried with.
    EXPECT_GE(versions.back(), 51);
}
#endif

} // namespace
} // namespace orbo
