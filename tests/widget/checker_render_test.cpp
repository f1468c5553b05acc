// orbo-skin-check --render must show exactly what the creature window composes for the same
// skin, cursor and buttons.
#include "main/form1.h"
#include "main/mdl_general.h"
#include "platform/desktop.h"
#include "platform/settings_store.h"
#include "tools/skin_check.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QUuid>

#include <gtest/gtest.h>

namespace orbo {
namespace {

// Copies a skin folder beside the test program, where Form1 looks for skins.
class InstalledSkin {
public:
    explicit InstalledSkin(const QString& source)
        : name_(QStringLiteral("render-") + QUuid::createUuid().toString(QUuid::WithoutBraces)),
          path_(QCoreApplication::applicationDirPath() + QStringLiteral("/Skins/") + name_) {
        QDir().mkpath(path_);
        const QDir from(source);
        for (const QString& f : from.entryList(QDir::Files))
            QFile::copy(from.filePath(f), path_ + u'/' + f);
    }
    ~InstalledSkin() { QDir(path_).removeRecursively(); }
    const QString& Name() const { return name_; }
    const QString& Path() const { return path_; }

private:
    QString name_;
    QString path_;
};

QImage CutToShape(const QImage& frame, const QRegion& shape) {
    QImage out = frame.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            if (!shape.contains(QPoint(x, y)))
                out.setPixel(x, y, 0);
    return out;
}

struct RenderRow {
    QPoint Cursor;
    bool Left;
};

class CheckerRender : public ::testing::TestWithParam<QString> {};

TEST_P(CheckerRender, EqualsTheCreatureWindowsOwnFrame) {
    const QString source = QStringLiteral(ORBO_SOURCE_DIR "/Skins/") + GetParam();
    ASSERT_TRUE(QDir(source).exists()) << source.toStdString();
    InstalledSkin skin(source);
    const RenderRow rows[] = {{{0, 0}, false},
                              {{1023, 767}, false},
                              {{40, 700}, true},
                              {{900, 20}, true},
                              {{30, 30}, false}};
    for (const RenderRow& row : rows) {
        mdlGeneral general;
        general.Blink = true;
        ScriptedDesktop desk;
        desk.Screen = QSize(1024, 768);
        desk.Cursor = row.Cursor;
        desk.Left = row.Left;
        MemorySettingsStore store;
        Form1 form(general, desk, store);
        form.ActivateSkin(skin.Name());
        form.SetLeft(0);
        form.SetTop(0);
        form.Timer1_Timer();
        const QImage expected = CutToShape(form.Frame(), form.mask());

        SkinCheckRequest request;
        request.Folder = skin.Path();
        request.Screen = desk.Screen;
        request.Cursor = row.Cursor;
        request.Left = row.Left;
        const QImage rendered = RenderCreature(request);
        ASSERT_EQ(rendered.size(), expected.size());
        EXPECT_TRUE(rendered == expected)
            << GetParam().toStdString() << " at " << row.Cursor.x() << "," << row.Cursor.y();
    }
}

INSTANTIATE_TEST_SUITE_P(SampleSkins, CheckerRender,
                         ::testing::ValuesIn(QDir(QStringLiteral(ORBO_SOURCE_DIR "/Skins"))
                                                 .entryList(QDir::Dirs | QDir::NoDotAndDotDot)),
                         [](const ::testing::TestParamInfo<QString>& info) {
                             return info.param.toStdString();
                         });

} // namespace
} // namespace orbo
