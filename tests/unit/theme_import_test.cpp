#include "tools/theme_import.h"

#include "platform/picture.h"
#include "skin/skin_reader.h"
#include "skin_test_support.h"

#include <QtCore/QDir>
#include <QtCore/QTemporaryDir>
#include <QtGui/QPainter>

#include <gtest/gtest.h>

namespace orbo {
namespace {

using testing::WriteBytes;

TEST(ThemeConfig, ReadsLinesAsTheAppletsDo) {
    const struct {
        const char* Name;
        const char* Text;
        qint64 Wall;       // -1: no number
        qint64 Eyes;       // -1: no number
        const char* Eye;   // "": no file name
        const char* Pupil; // "": no file name
    } rows[] = {
        {"SpacesAroundEquals", "wall-thickness = 5\nnum-eyes = 2\neye-pixmap = \"e.png\"\n", 5, 2,
         "e.png", ""},
        {"NoSpaces", "wall-thickness=2\nnum-eyes=3\npupil-pixmap=\"p.png\"\n", 2, 3, "", "p.png"},
        {"KeysMatchByPrefix", "wall-thickness-px = 7\nnum-eyes-wide=4\n", 7, 4, "", ""},
        {"LastLineWithoutNewline", "num-eyes = 1\npupil-pixmap = \"p.png\"", -1, 1, "", "p.png"},
        {"CrLfLines", "wall-thickness = 6\r\neye-pixmap = \"h.png\"\r\n", 6, -1, "h.png", ""},
        {"NegativeReadAsItsDigits", "wall-thickness = -5\nnum-eyes = +2x\n", 5, 2, "", ""},
        {"NoDigitsIsNoNumber", "wall-thickness = thick\nnum-eyes =\n", -1, -1, "", ""},
        {"FirstPairOfQuotes", "eye-pixmap = \"a b.png\" \"c.png\"\npupil-pixmap = p.png\n", -1, -1,
         "a b.png", ""},
        {"OtherLinesIgnored", "# theme\nsize = 9\n\nnum-eyes 3\nnum-eyes = 8\n", -1, 8, "", ""},
        {"HugeNumberSaturates", "num-eyes = 99999999999999999999\n", -1, kThemeNumberCap, "", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const ThemeConfig config = ParseThemeConfig(QByteArray(row.Text));
        EXPECT_EQ(row.Wall, config.WallThickness.value_or(-1));
        EXPECT_EQ(row.Eyes, config.NumEyes.value_or(-1));
        EXPECT_EQ(row.Eye, config.EyePixmap.value_or(""));
        EXPECT_EQ(row.Pupil, config.PupilPixmap.value_or(""));
    }
}

// A theme of the test's own: an eye picture with see-through corners and a translucent edge,
// and a pupil with see-through corners, as RGBA PNGs.
constexpr QRgb kWhite = 0xFFF0F0F0;
constexpr QRgb kPupil = 0xFF2040C0;
const QByteArray kPics = "eye-pixmap = \"eye.png\"\npupil-pixmap = \"pupil.png\"\n";

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
    // Two 40 x 30 eyes with walls of 6 pixels.
    QString MakeTheme(QSize pupil = {10, 8}) {
        const QString folder = dir_.path() + "/themes/Goggle";
        QDir().mkpath(folder);
        QImage eye = EllipseImage({40, 30}, kWhite);
        eye.setPixel(20, 1, 0xFFFF00FF);  // opaque magenta: no hole
        eye.setPixel(20, 15, 0x7FFFFFFF); // alpha just below half: see-through
        eye.setPixel(21, 15, 0x80FFFFFF); // half: not
        EXPECT_TRUE(eye.save(folder + "/eye.png"));
        EXPECT_TRUE(EllipseImage(pupil, kPupil).save(folder + "/pupil.png"));
        EXPECT_TRUE(WriteBytes(folder, "config", kPics + "wall-thickness = 6\nnum-eyes = 2\n"));
        return folder;
    }

    ImportResult Import(const QString& theme, ImportKind kind = ImportKind::Auto,
                        bool force = false) {
        const ThemeOrigin origin{"Some applet", "From somewhere"};
        return ImportTheme({theme, Into(), {}, kind, force, "2024-05-06", origin});
    }

    QString Into() const { return dir_.path() + "/Skins"; }

    // The skin as the creature reads it, over a record whose texts are all set beforehand.
    void Read(const QString& folder) {
        skin_.Name = skin_.Email = skin_.HomePage = skin_.Creator = skin_.Date = skin_.Comment =
            "built in";
        const auto read = ReadSkinFile(folder, SkinTarget{skin_, Units{}});
        ASSERT_TRUE(read.has_value());
        ASSERT_FALSE(read->Failed()) << read->FailedLine;
        background_ = read->Background.value_or(Picture());
    }

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
    Read(result.SkinFolder);
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

    ASSERT_EQ(2, skin_.EyesUBound());
    for (int i = 1; i <= 2; ++i) {
        SCOPED_TRACE(i);
        const EyeDef& eye = skin_.Eyes[i];
        EXPECT_EQ(EyeKind::Auto, ClassifyKind(eye.Kind));
        const QImage pic = eye.Pic.Image();
        const QImage mask = eye.Mask.Image();
        ASSERT_EQ(QSize(10, 8), pic.size());
        // Twice the ellipse's radii: eye less both walls less the pupil.
        EXPECT_EQ(40 - 6 - 10, eye.Width / 15 - pic.width());
        EXPECT_EQ(30 - 6 - 8, eye.Height / 15 - pic.height());
        EXPECT_NEAR((i - 1) * 40 + 20, (eye.X + eye.Width / 2) / 15, 0.5);
        EXPECT_NEAR(15, (eye.Y + eye.Height / 2) / 15, 0.5);
        EXPECT_EQ(0u, pic.pixel(0, 0) & 0xFFFFFF);
        EXPECT_EQ(0xFFFFFFu, mask.pixel(0, 0) & 0xFFFFFF);
        EXPECT_EQ(kPupil & 0xFFFFFF, pic.pixel(5, 4) & 0xFFFFFF);
        EXPECT_EQ(0u, mask.pixel(5, 4) & 0xFFFFFF);
    }
    EXPECT_EQ(QStringList{"Goggle"}, IntoEntries()) << "no temporary folder left";
}

TEST_F(ThemeImport, FramesPutThePupilAtTheWallInEachFramesDirection) {
    const ImportResult result = Import(MakeTheme(), ImportKind::Frames);
    ASSERT_TRUE(result.Ok) << result.Error.toStdString();
    Read(result.SkinFolder);
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
    ASSERT_FALSE(left.isEmpty());
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
    Read(result.SkinFolder);
    EXPECT_EQ(36 * 15, skin_.Eyes[1].Width);
    EXPECT_EQ(20 * 15, skin_.Eyes[1].Height);
}

TEST_F(ThemeImport, ForceReplacesAnExistingSkinAndOnlyThen) {
    const QString theme = MakeTheme();
    ASSERT_TRUE(WriteBytes(Into(), "Goggle/mine.txt", "keep"));
    const ImportResult refused = Import(theme);
    EXPECT_FALSE(refused.Ok);
    EXPECT_TRUE(refused.Error.contains("already exists")) << refused.Error.toStdString();
    EXPECT_TRUE(QFileInfo::exists(Into() + "/Goggle/mine.txt"));
    const ImportResult forced = Import(theme, ImportKind::Auto, true);
    ASSERT_TRUE(forced.Ok) << forced.Error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(Into() + "/Goggle/mine.txt"));
    EXPECT_TRUE(QFileInfo::exists(Into() + "/Goggle/Skin.ini"));
    EXPECT_EQ(QStringList{"Goggle"}, IntoEntries());
}

TEST_F(ThemeImport, RefusalsSayWhyAndWriteNothing) {
    const struct {
        const char* Name;
        QByteArray Config; // empty: no config file
        const char* Pupil; // the pupil file's bytes instead of a picture, or nullptr
        const char* Says;
    } rows[] = {
        {"NotATheme", "", nullptr, "not a theme folder"},
        {"ConfigWithoutKeys", "[Desktop Entry]\nName=x\n", nullptr, "not a theme folder"},
        {"MissingNumber", "wall-thickness = 6\nnum-eyes = two\n" + kPics, nullptr,
         "no number for num-eyes"},
        {"NoEyes", "wall-thickness = 6\nnum-eyes = 0\n" + kPics, nullptr, "not 1 to 255"},
        {"TooManyEyes", "wall-thickness = 6\nnum-eyes = 256\n" + kPics, nullptr, "not 1 to 255"},
        {"MissingPicture",
         "wall-thickness = 6\nnum-eyes = 2\neye-pixmap = \"gone.png\"\npupil-pixmap = "
         "\"pupil.png\"\n",
         nullptr, "\"gone.png\" is missing"},
        {"PictureOutsideTheTheme",
         "wall-thickness = 6\nnum-eyes = 2\neye-pixmap = \"../eye.png\"\npupil-pixmap = "
         "\"pupil.png\"\n",
         nullptr, "is missing or cannot be read"},
        {"UnreadablePicture", "wall-thickness = 6\nnum-eyes = 2\n" + kPics, "not a png",
         "\"pupil.png\" is missing or cannot be read"},
        {"OverThePictureSizeLimit", "wall-thickness = 6\nnum-eyes = 255\n" + kPics, nullptr,
         "wider than 8192"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const QString theme = MakeTheme();
        ASSERT_TRUE(!row.Config.isEmpty() ? WriteBytes(theme, "config", row.Config)
                                          : QFile::remove(theme + "/config"));
        if (row.Pupil) {
            ASSERT_TRUE(WriteBytes(theme, "pupil.png", row.Pupil));
        }
        const ImportResult result = Import(theme);
        EXPECT_FALSE(result.Ok);
        EXPECT_TRUE(result.Error.contains(row.Says)) << result.Error.toStdString();
        EXPECT_EQ(QStringList(), IntoEntries());
    }
}

TEST(ThemeOrigin, CreatorAndLicenceFromThePackageFolder) {
    const char* const gnome = "usr/share/doc/gnome-applets-data/copyright";
    const char* const xfce = "usr/share/doc/xfce4-eyes-plugin/copyright";
    const struct {
        const char* Theme;     // below the temporary root
        const char* Copyright; // below the root, nullptr for none
        const char* Creator;
        const char* Licence; // part of the comment
    } rows[] = {
        {"/usr/share/gnome-applets/geyes/Eye", gnome, "GNOME eyes applet",
         "licence GPL-2+, copyright 1999 Eye Maker and others"},
        {"/usr/share/xfce4/eyes/themes/Eye", xfce, "Xfce eyes panel plugin",
         "licence GPL-3+, copyright 2020 All"},
        {"/usr/share/xfce4/eyes/themes/Eye", nullptr, "Xfce eyes panel plugin", "licence unknown"},
        {"/home/me/Eye", nullptr, "unknown", "licence unknown"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.Theme) + (row.Copyright ? " with copyright" : ""));
        QTemporaryDir root;
        ASSERT_TRUE(QDir().mkpath(root.path() + row.Theme));
        if (row.Copyright) {
            ASSERT_TRUE(WriteBytes(
                root.path(), row.Copyright,
                "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n\n"
                "Files: *\nCopyright: 2020 All\nLicense: GPL-3+\n\n"
                "Files: gnome-applets/geyes/*\nCopyright: 1999 Eye Maker,\n 2003 Other\n"
                "License: GPL-2+\n This program is free.\n\n"
                "Files: gnome-applets/battery/*\nLicense: MIT\n"));
        }
        const ThemeOrigin origin =
            FindThemeOrigin(root.path() + row.Theme, [](const QString&) { return QString(); });
        EXPECT_EQ(row.Creator, origin.Creator);
        EXPECT_TRUE(origin.Comment.startsWith("Imported from " + root.path()))
            << origin.Comment.toStdString();
        EXPECT_TRUE(origin.Comment.contains(row.Licence)) << origin.Comment.toStdString();
    }
}

} // namespace
} // namespace orbo
