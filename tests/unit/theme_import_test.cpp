// Importing eyes applet themes: config lines, pupil travel, frames, refusals and origin.
#include "tools/theme_import.h"

#include "runtime/picture.h"
#include "skin/skin_reader.h"
#include "skin_pictures.h"

#include <QtCore/QDir>
#include <QtCore/QTemporaryDir>
#include <QtGui/QPainter>

#include <gtest/gtest.h>

namespace orbo {
namespace {

using testing::WriteBytes;

// Wall thickness, eye count, eye and pupil picture: "-" where the config gives none.
TEST(ThemeConfig, ReadsLinesAsTheAppletsDo) {
    const std::pair<const char*, const char*> rows[] = {
        {"wall-thickness = 5\r\nnum-eyes = 2\r\neye-pixmap = \"e.png\"\r\n", "5 2 e.png -"},
        {"wall-thickness-px=7\nnum-eyes-wide=4\npupil-pixmap=\"p.png\"", "7 4 - p.png"},
        {"wall-thickness = -5x\nnum-eyes = thick\n", "5 - - -"},
        {"eye-pixmap = \"a b.png\" \"c.png\"\npupil-pixmap = p.png\n", "- - a b.png -"},
        {"# theme\nnum-eyes 3\nnum-eyes = 8\n", "- 8 - -"},
        {"num-eyes = 99999999999999999999\n", "- 999999999 - -"},
    };
    for (const auto& [text, expected] : rows) {
        const ThemeConfig c = ParseThemeConfig(QByteArray(text));
        const auto number = [](std::optional<qint64> n) { return n ? QString::number(*n) : "-"; };
        EXPECT_EQ(expected, QStringList({number(c.WallThickness), number(c.NumEyes),
                                         c.EyePixmap.value_or("-"), c.PupilPixmap.value_or("-")})
                                .join(u' '))
            << text;
    }
}

// A theme of the test's own: two 40 x 30 eyes with walls of 6 pixels, an eye picture with
// see-through corners and alpha around half, and a pupil with see-through corners, as RGBA PNGs.
constexpr QRgb kWhite = 0xFFF0F0F0;
constexpr QRgb kPupil = 0xFF2040C0;
const QByteArray kPics = "eye-pixmap = \"eye.png\"\npupil-pixmap = \"pupil.png\"\n";

QByteArray Config(const char* eyes, const QByteArray& pics = kPics) {
    return "wall-thickness = 6\nnum-eyes = " + QByteArray(eyes) + '\n' + pics;
}

QImage EllipseImage(QSize size, QRgb colour) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgba(colour));
    painter.drawEllipse(QRect(QPoint(0, 0), size));
    return image;
}

class ThemeImport : public ::testing::Test {
protected:
    QString MakeTheme(QSize pupil = {10, 8}) {
        const QString folder = dir_.path() + "/themes/Goggle";
        QDir().mkpath(folder);
        QImage eye = EllipseImage({40, 30}, kWhite);
        eye.setPixel(20, 1, 0xFFFF00FF);  // opaque magenta: no hole
        eye.setPixel(20, 15, 0x7FFFFFFF); // alpha just below half: see-through
        eye.setPixel(21, 15, 0x80FFFFFF); // half: not
        EXPECT_TRUE(eye.save(folder + "/eye.png"));
        EXPECT_TRUE(EllipseImage(pupil, kPupil).save(folder + "/pupil.png"));
        EXPECT_TRUE(WriteBytes(folder, "config", Config("2")));
        return folder;
    }

    // Imports, and reads the skin made as the creature reads it, over a record whose texts
    // are all set beforehand.
    ImportResult Import(const QString& theme, ImportKind kind = ImportKind::Auto,
                        bool force = false, const QString& name = {}) {
        const ThemeOrigin origin{"Some applet", "From somewhere"};
        const ImportResult result =
            ImportTheme({theme, Into(), name, kind, force, "2024-05-06", origin});
        skin_.Name = skin_.Email = skin_.HomePage = skin_.Creator = skin_.Date = skin_.Comment =
            "built in";
        if (result.Ok) {
            const auto read = ReadSkinFile(result.SkinFolder, SkinTarget{skin_, Units{}});
            EXPECT_TRUE(read && !read->Failed()) << "the skin made does not read";
            background_ = read ? read->Background.value_or(Picture()) : Picture();
        }
        return result;
    }

    QString Into() const { return dir_.path() + "/Skins"; }

    QStringList IntoEntries() const {
        return QDir(Into()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QTemporaryDir dir_;
    SkinDef skin_;
    Picture background_;
};

TEST_F(ThemeImport, AutoEyesTravelToTheThemesInnerWall) {
    const ImportResult result = Import(MakeTheme());
    ASSERT_TRUE(result.Ok) << result.Error.toStdString();
    EXPECT_TRUE(result.Warnings.isEmpty());
    EXPECT_EQ("Goggle|Some applet|||2024-05-06|From somewhere",
              QStringList({skin_.Name, skin_.Creator, skin_.Email, skin_.HomePage, skin_.Date,
                           skin_.Comment})
                  .join(u'|'));
    const QImage back = background_.Image();
    ASSERT_EQ(QSize(80, 30), back.size());
    const auto at = [&back](int x, int y) { return back.pixel(x, y) & 0xFFFFFF; };
    EXPECT_EQ(0xFF00FFu, at(0, 0)) << "see-through corner";
    EXPECT_EQ(kWhite & 0xFFFFFF, at(60, 20)) << "second eye";
    EXPECT_EQ(0xFF00FFu, at(20, 15)) << "alpha just below half inside the eye";
    EXPECT_EQ(0xFFFFFFu, at(21, 15)) << "alpha of half";
    EXPECT_NE(0xFF00FFu, at(20, 1)) << "opaque magenta would be a hole";
    // Where the eyes sit and how far the pupils travel the end-to-end import test shows.
    ASSERT_EQ(2, skin_.EyesUBound());
    EXPECT_EQ(EyeKind::Auto, ClassifyKind(skin_.Eyes[2].Kind));
    EXPECT_EQ(QStringList{"Goggle"}, IntoEntries()) << "no temporary folder left";
}

TEST_F(ThemeImport, FramesPutThePupilAtTheWallInEachFramesDirection) {
    ASSERT_TRUE(Import(MakeTheme(), ImportKind::Frames).Ok);
    const EyeDef& eye = skin_.Eyes[1];
    EXPECT_EQ(EyeKind::Frames, ClassifyKind(eye.Kind));
    const int n = eye.Frames;
    ASSERT_GE(n, 16);
    const QImage strip = eye.Mask.Image();
    const int fw = 10 + 24; // the pupil and its travel
    ASSERT_EQ(QSize(fw * n, 8 + 16), strip.size());
    // The pupil's box in the frame of a direction, degrees clockwise from straight left.
    const auto pupilAt = [&](int degrees) {
        const int k = degrees * n / 360;
        QRect pupil;
        for (int y = 0; y < strip.height(); ++y)
            for (int x = k * fw; x < (k + 1) * fw; ++x)
                if ((strip.pixel(x, y) & 0xFFFFFF) == 0)
                    pupil |= QRect(x - k * fw, y, 1, 1);
        return pupil;
    };
    const QRect left = pupilAt(0), up = pupilAt(90), right = pupilAt(180), down = pupilAt(270);
    // From wall to wall across the frame, as far from the one as from the other.
    EXPECT_NEAR(24, right.left() - left.left(), 1);
    EXPECT_NEAR(fw - 1, left.left() + right.right(), 1);
    EXPECT_NEAR(16, down.top() - up.top(), 1);
    EXPECT_NEAR(strip.height() - 1, up.top() + down.bottom(), 1);
}

TEST_F(ThemeImport, APupilWithNoRoomToMoveStaysAtRestWithAWarning) {
    const ImportResult result = Import(MakeTheme({36, 20})); // 40 - 6 - 36 < 0
    ASSERT_TRUE(result.Ok) << result.Error.toStdString();
    EXPECT_EQ(1, result.Warnings.size());
    EXPECT_EQ(QSizeF(36 * 15, 20 * 15), QSizeF(skin_.Eyes[1].Width, skin_.Eyes[1].Height));
}

TEST_F(ThemeImport, ForceReplacesAnExistingSkinAndOnlyThen) {
    const QString theme = MakeTheme();
    ASSERT_TRUE(WriteBytes(Into(), "Goggle/mine.txt", "keep"));
    const ImportResult refused = Import(theme);
    EXPECT_TRUE(refused.Error.contains("already exists")) << refused.Error.toStdString();
    EXPECT_TRUE(QFileInfo::exists(Into() + "/Goggle/mine.txt"));
    ASSERT_TRUE(Import(theme, ImportKind::Auto, true).Ok);
    EXPECT_FALSE(QFileInfo::exists(Into() + "/Goggle/mine.txt"));
    EXPECT_EQ(QStringList{"Goggle"}, IntoEntries());
#ifdef Q_OS_UNIX
    // A skin that is a link to the user's own folder, and a link inside one: neither is followed.
    const QString mine = dir_.path() + "/work";
    ASSERT_TRUE(WriteBytes(mine, "sub/mine.txt", "keep") && WriteBytes(mine, "top.txt", "keep"));
    ASSERT_TRUE(QFile::link(mine, Into() + "/Mine") && QFile::link(mine, Into() + "/Goggle/in"));
    ASSERT_TRUE(Import(theme, ImportKind::Auto, true, "Mine").Ok);
    EXPECT_EQ("Mine", skin_.Name) << "a given name names the folder and the skin";
    ASSERT_TRUE(Import(theme, ImportKind::Auto, true).Ok);
    EXPECT_TRUE(QFileInfo::exists(mine + "/sub/mine.txt") && QFileInfo::exists(mine + "/top.txt"));
    EXPECT_TRUE(QFileInfo(Into() + "/Mine/Skin.ini").isFile() &&
                !QFileInfo(Into() + "/Mine").isSymLink());
    EXPECT_EQ(QStringList({"Goggle", "Mine"}), IntoEntries());
#endif
}

TEST_F(ThemeImport, RefusalsSayWhyAndWriteNothing) {
    const struct {
        const char* Name;
        QByteArray Config;
        const char* Says;
    } rows[] = {
        {"NotATheme", "[Desktop Entry]\nName=x\n", "not a theme folder"},
        {"MissingNumber", Config("two"), "no number for num-eyes"},
        {"NoEyes", Config("0"), "not 1 to 255"},
        {"TooManyEyes", Config("256"), "not 1 to 255"},
        {"PictureOutsideTheTheme", Config("2", "eye-pixmap = \"../eye.png\"\n"), "is missing"},
        {"UnreadablePicture", Config("2", "eye-pixmap = \"eye.png\"\npupil-pixmap = \"config\"\n"),
         "\"config\" is missing or cannot be read"},
        {"OverThePictureSizeLimit", Config("255"), "wider than 8192"},
    };
    // A picture beside the theme, for a name that would leave its folder.
    ASSERT_TRUE(QFile::copy(MakeTheme() + "/eye.png", dir_.path() + "/themes/eye.png"));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const QString theme = MakeTheme();
        ASSERT_TRUE(WriteBytes(theme, "config", row.Config));
        const ImportResult result = Import(theme);
        EXPECT_FALSE(result.Ok);
        EXPECT_TRUE(result.Error.contains(row.Says)) << result.Error.toStdString();
        EXPECT_EQ(QStringList(), IntoEntries());
    }
}

} // namespace
} // namespace orbo
