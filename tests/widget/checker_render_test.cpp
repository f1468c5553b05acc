// orbo-skin-check --render must show exactly what the creature window composes for the same
// skin, cursor and buttons.
#include "installed_skin.h"

#include "main/form1.h"
#include "main/mdl_general.h"
#include "platform/desktop.h"
#include "platform/settings_store.h"
#include "tools/skin_check.h"

#include <gtest/gtest.h>

namespace orbo {
namespace {

QImage CutToShape(const QImage& frame, const QRegion& shape) {
    QImage out = frame.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            if (!shape.contains(QPoint(x, y)))
                out.setPixel(x, y, 0);
    return out;
}

// Every sample skin, the cursor at the screen's corners and over the creature, with and without
// the left button, the creature at the top-left corner or placed elsewhere.
TEST(CheckerRender, EqualsTheCreatureWindowsOwnFrame) {
    struct Row {
        QPoint cursor;
        bool left;
        QPoint at;
    };
    const Row rows[] = {{{0, 0}, false, {}},         {{1023, 767}, false, {}},
                        {{40, 700}, true, {}},       {{900, 20}, true, {}},
                        {{30, 30}, false, {}},       {{30, 30}, false, {300, 200}},
                        {{900, 20}, true, {500, 32}}};
    const QDir samples(QStringLiteral(ORBO_SOURCE_DIR "/Skins"));
    const QStringList names = samples.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_GE(names.size(), 6);
    for (const QString& name : names) {
        const InstalledSkin skin(samples.filePath(name));
        for (const auto& [cursor, left, at] : rows) {
            SCOPED_TRACE(testing::Message()
                         << name.toStdString() << " at " << cursor.x() << "," << cursor.y()
                         << (left ? " left" : "") << " placed " << at.x() << "," << at.y());
            mdlGeneral general;
            general.Blink = true;
            ScriptedDesktop desk;
            desk.Screen = QSize(1024, 768);
            desk.Cursor = cursor;
            desk.Left = left;
            MemorySettingsStore store;
            Form1 form(general, desk, store);
            form.ActivateSkin(skin.Name());
            form.SetLeft(float(at.x() * desk.TwipsPerPixelX()));
            form.SetTop(float(at.y() * desk.TwipsPerPixelY()));
            form.Timer1_Timer();
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
