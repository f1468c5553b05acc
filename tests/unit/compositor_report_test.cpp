// What a compositor's cursor report is taken for (anyone in the session can send one), and what
// GNOME Shell 43 and 48 say of Orbo's extension, and what the user is told.
#include "platform/desktop/compositor_cursor.h"
#include "platform/desktop/gnome_extension.h"

#include <QtCore/QFile>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>

#include <gtest/gtest.h>

#include <limits>
#include <optional>

namespace orbo {
namespace {

#if defined(ORBO_HAVE_COMPOSITOR_LINKS)
QVariantList Args(std::initializer_list<QVariant> values) {
    return QVariantList(values);
}

TEST(CompositorReport, TakesOnlySixPlausibleNumbers) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct ParseRow {
        const char* name;
        QVariantList arguments;
        bool taken;
    } rows[] = {
        {"integers, as Plasma 5 sends", Args({100, 150, 0, 0, 1200, 900}), true},
        {"doubles, as Plasma 6 sends", Args({100.5, 150.25, 0.0, 0.0, 1200.0, 900.0}), true},
        {"64-bit integers", Args({qlonglong(5), qlonglong(6), 0, 0, 10, 10}), true},
        {"the far edge of the output", Args({1200, 900, 0, 0, 1200, 900}), true},
        {"a second output", Args({1300, 20, 1200, 0, 1200, 900}), true},
        {"five numbers", Args({100, 150, 0, 0, 1200}), false},
        {"seven numbers", Args({100, 150, 0, 0, 1200, 900, 1}), false},
        {"a string", Args({QStringLiteral("100"), 150, 0, 0, 1200, 900}), false},
        {"not a number", Args({nan, 150.0, 0, 0, 1200, 900}), false},
        {"at the magnitude limit", Args({1e6, 150.0, 1e6 - 1200, 0, 1200, 900}), true},
        {"just past the magnitude limit", Args({1e6 + 0.5, 150.0, 1e6 - 1199.5, 0, 1200, 900}),
         false},
        {"a negative place just past the limit", Args({-1e6 - 1, 0, -1e6 - 1, 0, 1200, 900}),
         false},
        {"an empty output", Args({0, 0, 0, 0, 0, 900}), false},
        {"left of its output", Args({1199, 20, 1200, 0, 1200, 900}), false},
        {"below its output", Args({100, 901, 0, 0, 1200, 900}), false},
        {"a pixel right of its output", Args({1201, 20, 0, 0, 1200, 900}), false},
        {"a pixel above its output", Args({100, -1, 0, 0, 1200, 900}), false},
    };
    for (const ParseRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ParseCompositorReport(row.arguments).has_value(), row.taken);
    }
    const auto report = ParseCompositorReport(Args({1300.5, 150, 1200, 0, 1200, 900}));
    ASSERT_TRUE(report);
    EXPECT_EQ(report->Cursor, QPointF(1300.5, 150));
    EXPECT_EQ(report->Output, QRectF(1200, 0, 1200, 900));
}

// GNOME Shell's extension sends a report and the buttons held; the report is taken as KWin's is.
TEST(CompositorPointer, TakesAReportAndTheButtonsHeld) {
    const struct PointerRow {
        const char* name;
        QVariantList arguments;
        std::optional<int> buttons; // nothing: refused
    } rows[] = {
        {"no button", Args({100, 150, 0, 0, 1200, 900, 0}), 0},
        {"all three", Args({100, 150, 0, 0, 1200, 900, 7}), 7},
        {"the buttons as an unsigned integer", Args({100, 150, 0, 0, 1200, 900, 2u}), 2},
        {"the buttons as a whole double", Args({100, 150, 0, 0, 1200, 900, 4.0}), 4},
        {"a button beyond the three", Args({100, 150, 0, 0, 1200, 900, 8}), std::nullopt},
        {"negative buttons", Args({100, 150, 0, 0, 1200, 900, -1}), std::nullopt},
        {"half a button", Args({100, 150, 0, 0, 1200, 900, 1.5}), std::nullopt},
        {"buttons as a boolean", Args({100, 150, 0, 0, 1200, 900, true}), std::nullopt},
        {"no buttons at all, as KWin sends", Args({100, 150, 0, 0, 1200, 900}), std::nullopt},
        {"a bad report", Args({100, 901, 0, 0, 1200, 900, 1}), std::nullopt},
    };
    for (const PointerRow& row : rows) {
        SCOPED_TRACE(row.name);
        const auto pointer = ParseCompositorPointer(row.arguments);
        ASSERT_EQ(pointer.has_value(), row.buttons.has_value());
        if (!pointer)
            continue;
        EXPECT_EQ(pointer->Buttons, *row.buttons);
        EXPECT_EQ(pointer->Report, (CompositorReport{{100, 150}, {0, 0, 1200, 900}}));
    }
}

TEST(CompositorReport, PlacedOnTheMonitorTheOutputShowsAs) {
    const Monitors one{{QRect(0, 0, 1200, 900), 1}};
    const Monitors two{{QRect(0, 0, 1200, 900), 1}, {QRect(1200, 0, 1200, 900), 1}};
    // XWayland scaling X11 windows itself: Qt keeps a monitor's origin in device pixels and
    // divides its size by the ratio; or the compositor scales them (a logical XWayland screen).
    const Monitors twoScaled{{QRect(0, 0, 1200, 900), 2}, {QRect(2400, 0, 1200, 900), 2}};
    const Monitors half{{QRect(0, 0, 600, 450), 1}};
    const Monitors halfScaled{{QRect(0, 0, 600, 450), 2}};
    const QRectF small(0, 0, 600, 450);
    const struct MapRow {
        const char* name;
        Monitors monitors;
        QPointF cursor;
        QRectF output;
        std::optional<QPoint> pixels;
    } rows[] = {
        {"a fraction of a pixel", one, {100.75, 150.5}, {0, 0, 1200, 900}, QPoint(100, 150)},
        {"the far edge", one, {1200, 900}, {0, 0, 1200, 900}, QPoint(1199, 899)},
        {"scale 2, X11 scaled by the compositor", half, {300, 200}, small, QPoint(300, 200)},
        {"scale 2, X11 scaled by itself", halfScaled, {300, 200}, small, QPoint(300, 200)},
        {"the second of two outputs", two, {1300, 50}, {1200, 0, 1200, 900}, QPoint(1300, 50)},
        {"the second of two scaled", twoScaled, {1300, 50}, {1200, 0, 1200, 900}, QPoint(2500, 50)},
        {"an output no monitor shows as", one, {100, 150}, {0, 0, 1920, 1080}, std::nullopt},
        {"an output where no monitor is", one, {1300, 50}, {1200, 0, 1200, 900}, std::nullopt},
        {"an output stretched on one axis", one, {100, 100}, {0, 0, 1200, 450}, std::nullopt},
        {"no monitors", {}, {100, 150}, {0, 0, 1200, 900}, std::nullopt},
    };
    for (const MapRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(PixelsFromCompositor({row.cursor, row.output}, row.monitors), row.pixels);
    }
}
#endif

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
    const struct Row {
        const char* name;
        QVariantMap info;
        bool userExtensions;
        Status expected;
    } rows[] = {
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
