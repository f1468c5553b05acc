// Skins from strangers, beyond bad names and kinds of file (those are files_test's): pictures
// and texts far over any size, broken bytes. Each gives what the reader's rules give (the line
// fails, earlier lines stay, the built-in pictures remain) and never a crash, a hang or an
// unbounded read.
#include "creature/activation.h"
#include "platform/desktop/desktop.h"
#include "platform/system/files.h"
#include "scripted_desktop.h"
#include "skin_pictures.h"

#include <QtCore/QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace orbo {
namespace {

using orbo::testing::WriteBytes;

// A GIF logical screen and image descriptor of width x height, with a scrap of data.
QByteArray GifHeader(int width, int height) {
    const auto le16 = [](int v) { return QByteArray(1, char(v & 0xFF)) + char((v >> 8) & 0xFF); };
    return "GIF89a" + le16(width) + le16(height) + QByteArray("\x80\0\0\0\0\0\xff\xff\xff,", 10) +
           le16(0) + le16(0) + le16(width) + le16(height) + QByteArray("\0\x02\x02\x44\x01\0;", 7);
}

const DefaultSkinPictures& BuiltIn() {
    static const DefaultSkinPictures pictures = DefaultSkinPictures::Load();
    return pictures;
}

// Activates the skin "Bad" of a fresh Skins folder that make filled; tells the info name and
// creator, and whether the built-in background stayed.
QString Activate(const std::function<bool(const QString& folder)>& make) {
    QTemporaryDir app;
    const QString folder = app.path() + "/Skins/Bad";
    if (!QDir().mkpath(app.path() + "/Skins") || !make(folder))
        return QStringLiteral("could not make the case");
    SkinDef skin;
    QString name;
    CreatureWindow window;
    ScriptedDesktop desk;
    ActivateSkin(SkinContext{skin, name, window, desk, BuiltIn(), SkinsFolders(app.path(), {})},
                 QStringLiteral("Bad"));
    const bool builtIn = window.Background.SameAs(BuiltIn().imgDefSkin[0]);
    return skin.Name + u'|' + skin.Creator + (builtIn ? "|built-in" : "|own");
}

// A Skin.ini whose background is name, between lines before and after it.
bool SkinWithBack(const QString& folder, const QByteArray& name) {
    return WriteBytes(folder, "Skin.ini",
                      "[info]\nname=A\n[setting]\nback=" + name + "\n[info]\ncreator=after\n");
}

struct HostileRow {
    const char* Name;
    std::function<bool(const QString& folder)> Make;
    QString Expected;
};

const HostileRow kHostileRows[] = {
    {"GifClaimingHugeSize",
     [](const QString& f) {
         return WriteBytes(f, "p.gif", GifHeader(60000, 60000)) && SkinWithBack(f, "p.gif");
     },
     "A|Quillon|built-in"},
    {"SparseGibibyteSkinIni",
     [](const QString& f) {
         QFile file(f + "/Skin.ini");
         return SkinWithBack(f, "gone.bmp") && file.open(QIODevice::ReadWrite) &&
                file.resize(1LL << 30);
     },
     "A|Quillon|built-in"},
    {"NulBytes",
     [](const QString& f) {
         static const char text[] = "[info]\nname=A\0B\n\0\0\ncreator=C\n";
         return WriteBytes(f, "Skin.ini", QByteArray(text, sizeof text - 1));
     },
     QStringLiteral("A") + QChar(0) + "B|Quillon|built-in"},
};

TEST(HostileSkins, ReadWhatTheRulesAllowAndStop) {
    for (const HostileRow& row : kHostileRows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(row.Expected, Activate(row.Make));
    }
}

} // namespace
} // namespace orbo
