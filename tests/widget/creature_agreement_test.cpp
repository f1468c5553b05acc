// The checker and the program make the creature with the same model: for the same skin, cursor
// and buttons, orbo-skin-check --render shows exactly what the creature window composes.
#include "installed_skin.h"
#include "memory_settings_store.h"
#include "scripted_desktop.h"

#include "creature/creature.h"
#include "main/form1.h"
#include "tools/skin_check.h"

#include <QtCore/QTemporaryDir>

#include <gtest/gtest.h>

namespace orbo {
namespace {

// The frame with everything outside the shape transparent, as the checker renders it: equal
// images mean equal frames and equal shapes.
QImage CutToShape(const QImage& frame, const QRegion& shape) {
    QImage out = frame.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            if (!shape.contains(QPoint(x, y)))
                out.setPixel(x, y, 0);
    return out;
}

// Every sample skin and the built-in one (a folder without Skin.ini), the cursor at the screen's
// corners and over the creature, with and without the left button, the creature at the top-left
// corner or placed elsewhere.
TEST(CreatureAgreement, CheckerRendersWhatTheWindowShows) {
    struct Row {
        QPoint cursor;
        bool left;
        QPoint at;
    };
    const Row rows[] = {{{0, 0}, false, {}},           {{1023, 767}, false, {}},
                        {{40, 700}, true, {}},         {{30, 30}, false, {}},
                        {{30, 30}, false, {300, 200}}, {{900, 20}, true, {500, 32}}};
    const QDir samples(QStringLiteral(ORBO_SOURCE_DIR "/Skins"));
    QStringList names = samples.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_GE(names.size(), 6);
    const QTemporaryDir empty;
    names << QString();
    for (const QString& name : names) {
        const InstalledSkin skin(name.isEmpty() ? empty.path() : samples.filePath(name));
        for (const auto& [cursor, left, at] : rows) {
            SCOPED_TRACE(testing::Message()
                         << (name.isEmpty() ? "built-in" : name.toStdString()) << " at "
                         << cursor.x() << "," << cursor.y() << (left ? " left" : "") << " placed "
                         << at.x() << "," << at.y());
            ScriptedDesktop desk;
            desk.Cursor = cursor;
            desk.Left = left;
            MemorySettingsStore store;
            Creature model(desk,
                           {QCoreApplication::applicationDirPath() + QStringLiteral("/Skins")});
            Form1 form(model, desk, store);
            form.SetBlink(true);
            form.ActivateSkin(skin.Name());
            model.MoveTo(float(at.x() * desk.TwipsPerPixelX()),
                         float(at.y() * desk.TwipsPerPixelY()));
            form.Timer1_Timer();
            ASSERT_EQ(QRect(at, form.size()), form.geometry());
            const QImage rendered = RenderCreature({.Folder = skin.Path(),
                                                    .Screen = desk.Screen,
                                                    .Cursor = cursor,
                                                    .Left = left,
                                                    .At = at});
            EXPECT_TRUE(CutToShape(form.Frame(), form.mask()) == rendered);
        }
    }
}

} // namespace
} // namespace orbo
