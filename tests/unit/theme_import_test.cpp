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

struct ConfigRow {
    const char* Name;
    const char* Text;
    qint64 Wall;       // -1: no number
    qint64 Eyes;       // -1: no number
    const char* Eye;   // nullptr: no file name
    const char* Pupil; // nullptr: no file name
};

void PrintTo(const ConfigRow& row, std::ostream* os) {
    *os << row.Name;
}

class ConfigRows : public ::testing::TestWithParam<ConfigRow> {};

TEST_P(ConfigRows, ReadsLinesAsTheAppletsDo) {
    const ConfigRow& row = GetParam();
    const ThemeConfig config = ParseThemeConfig(QByteArray(row.Text));
    EXPECT_EQ(config.WallThickness.value_or(-1), row.Wall);
    EXPECT_EQ(config.NumEyes.value_or(-1), row.Eyes);
    EXPECT_EQ(config.EyePixmap.value_or("(none)"), row.Eye ? row.Eye : "(none)");
    EXPECT_EQ(config.PupilPixmap.value_or("(none)"), row.Pupil ? row.Pupil : "(none)");
}

const ConfigRow kConfigRows[] = {
    {"SpacesAroundEquals",
     "wall-thickness = 5\nnum-eyes = 2\neye-pixmap = \"e.png\"\npupil-pixmap = \"p.png\"\n", 5, 2,
     "e.png", "p.png"},
    {"NoSpaces", "wall-thickness=2\nnum-eyes=3\neye-pixmap=\"e.png\"\npupil-pixmap=\"p.png\"\n", 2,
     3, "e.png", "p.png"},
    {"KeysMatchByPrefix", "wall-thickness-px = 7\nnum-eyes-wide=4\n", 7, 4, nullptr, nullptr},
    {"LastLineWithoutNewline", "num-eyes = 1\npupil-pixmap = \"p.png\"", -1, 1, nullptr, "p.png"},
    {"CrLfLines", "wall-thickness = 6\r\neye-pixmap = \"h.png\"\r\n", 6, -1, "h.png", nullptr},
    {"NegativeReadAsItsDigits", "wall-thickness = -5\nnum-eyes = +2x\n", 5, 2, nullptr, nullptr},
    {"NoDigitsIsNoNumber", "wall-thickness = thick\nnum-eyes =\n", -1, -1, nullptr, nullptr},
    {"FirstPairOfQuotes", "eye-pixmap = \"a b.png\" \"c.png\"\npupil-pixmap = p.png\n", -1, -1,
     "a b.png", nullptr},
    {"OtherLinesAndUnknownKeysIgnored", "# theme\nsize = 9\n\nnum-eyes 3\nnum-eyes = 8\n", -1, 8,
     nullptr, nullptr},
    {"HugeNumberSaturates", "num-eyes = 99999999999999999999\n", -1, kThemeNumberCap, nullptr,
     nullptr},
};

INSTANTIATE_TEST_SUITE_P(Lines, ConfigRows, ::testing::ValuesIn(kConfigRows),
                         [](const auto& info) { return std::string(info.param.Name); });

// A theme of the test's own: an eye picture with see-through corners and a translucent edge,
// and a pupil with see-through corners, as RGBA PNGs.
constexpr QRgb kWhite = 0xFFF0F0F0;
constexpr QRgb kPupil = 0xFF2040C0;

QImage EllipseImage(QSize size, QRgb colour) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgba(colour));
    painter.drawEllipse(QRect(QPoint(0, 0), size));
    return image;
}

struct ThemeShape {
    QSize Eye{40, 30};
    QSize Pupil{10, 8};
    QByteArray Config = "wall-thickness = 6\nnum-eyes = 2\neye-pixmap = \"eye.png\"\n"
                        "pupil-pixmap = \"pupil.png\"\n";
};

class ThemeImport : public ::testing::Test {
protected:
    QString MakeTheme(const ThemeShape& shape = {}) {
        const QString folder = dir_.path() + "/themes/Goggle";
        QDir().mkpath(folder);
        QImage eye = EllipseImage(shape.Eye, kWhite);
        eye.setPixel(shape.Eye.width() / 2, 1, 0xFFFF00FF); // opaque magenta: no hole
        eye.setPixel(shape.Eye.width() / 2, shape.Eye.height() / 2, 0x40FFFFFF); // see-through
        EXPECT_TRUE(eye.save(folder + "/eye.png"));
        EXPECT_TRUE(EllipseImage(shape.Pupil, kPupil).save(folder + "/pupil.png"));
        EXPECT_TRUE(WriteBytes(folder, "config", shape.Config));
        return folder;
    }

    ImportResult Import(const QString& theme, ImportKind kind = ImportKind::Auto,
                        bool force = false) {
        return ImportTheme(ImportRequest{theme,
                                         Into(),
                                         {},
                                         kind,
                                         force,
                                         "2024-05-06",
                                         ThemeOrigin{"Some applet", "From somewhere"}});
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
    EXPECT_EQ(skin_.Name, "Goggle");
    EXPECT_EQ(skin_.Creator, "Some applet");
    EXPECT_EQ(skin_.Email, "");
    EXPECT_EQ(skin_.HomePage, "");
    EXPECT_EQ(skin_.Date, "2024-05-06");
    EXPECT_EQ(skin_.Comment, "From somewhere");

    const QImage back = background_.Image();
    ASSERT_EQ(back.size(), QSize(80, 30));
    EXPECT_EQ(back.pixel(0, 0) & 0xFFFFFF, 0xFF00FFu) << "see-through corner";
    EXPECT_EQ(back.pixel(60, 20) & 0xFFFFFF, kWhite & 0xFFFFFF) << "second eye";
    EXPECT_EQ(back.pixel(20, 15) & 0xFFFFFF, 0xFF00FFu) << "see-through inside the eye";
    EXPECT_NE(back.pixel(20, 1) & 0xFFFFFF, 0xFF00FFu) << "opaque magenta would be a hole";

    ASSERT_EQ(skin_.EyesUBound(), 2);
    for (int i = 1; i <= 2; ++i) {
        const EyeDef& eye = skin_.Eyes[i];
        EXPECT_EQ(ClassifyKind(eye.Kind), EyeKind::Auto);
        const QImage pic = eye.Pic.Image();
        const QImage mask = eye.Mask.Image();
        ASSERT_EQ(pic.size(), QSize(10, 8));
        // Twice the ellipse's radii: eye less both walls less the pupil.
        EXPECT_EQ(eye.Width / 15 - pic.width(), 40 - 6 - 10);
        EXPECT_EQ(eye.Height / 15 - pic.height(), 30 - 6 - 8);
        const float centreX = (eye.X + eye.Width / 2) / 15;
        EXPECT_NEAR(centreX, (i - 1) * 40 + 20, 0.5);
        EXPECT_NEAR((eye.Y + eye.Height / 2) / 15, 15, 0.5);
        EXPECT_EQ(pic.pixel(0, 0) & 0xFFFFFF, 0u);
        EXPECT_EQ(mask.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
        EXPECT_EQ(pic.pixel(5, 4) & 0xFFFFFF, kPupil & 0xFFFFFF);
        EXPECT_EQ(mask.pixel(5, 4) & 0xFFFFFF, 0u);
    }
    EXPECT_EQ(IntoEntries(), QStringList{"Goggle"}) << "no temporary folder left";
}

TEST_F(ThemeImport, FramesPutThePupilAtTheWallInEachFramesDirection) {
    const ImportResult result = Import(MakeTheme(), ImportKind::Frames);
    ASSERT_TRUE(result.Ok) << result.Error.toStdString();
    Read(result.SkinFolder);
    const EyeDef& eye = skin_.Eyes[1];
    EXPECT_EQ(ClassifyKind(eye.Kind), EyeKind::Frames);
    const int n = eye.Frames;
    ASSERT_GE(n, 16);
    const QImage strip = eye.Mask.Image();
    const int fw = strip.width() / n;
    ASSERT_EQ(fw * n, strip.width());
    ASSERT_EQ(fw, 10 + 24);
    ASSERT_EQ(strip.height(), 8 + 16);
    // Frame k (from 1) covers the directions (k-1)*360/n to k*360/n clockwise from straight left.
    struct Direction {
        double Degrees;
        int Left, Top, Right, Bottom; // which walls the pupil must touch (within a pixel)
    };
    // Where the pupil picture's opaque pixels lie in it.
    const QImage source = EllipseImage(QSize(10, 8), kPupil);
    QRect drawn;
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            if (qAlpha(source.pixel(x, y)) >= 128)
                drawn |= QRect(x, y, 1, 1);
    for (const Direction d : {Direction{0, 1, 0, 0, 0}, Direction{90, 0, 1, 0, 0},
                              Direction{180, 0, 0, 1, 0}, Direction{270, 0, 0, 0, 1}}) {
        const int k = static_cast<int>(d.Degrees / 360 * n);
        QRect pupil;
        for (int y = 0; y < strip.height(); ++y)
            for (int x = k * fw; x < (k + 1) * fw; ++x)
                if ((strip.pixel(x, y) & 0xFFFFFF) == 0)
                    pupil |= QRect(x - k * fw, y, 1, 1);
        ASSERT_EQ(pupil.size(), drawn.size()) << d.Degrees;
        // The picture's top-left within its travel of 24 x 16.
        const QPoint at = pupil.topLeft() - drawn.topLeft();
        EXPECT_EQ(at.x() <= 1, bool(d.Left)) << d.Degrees;
        EXPECT_EQ(at.y() <= 1, bool(d.Top)) << d.Degrees;
        EXPECT_EQ(at.x() >= 23, bool(d.Right)) << d.Degrees;
        EXPECT_EQ(at.y() >= 15, bool(d.Bottom)) << d.Degrees;
    }
}

TEST_F(ThemeImport, APupilWithNoRoomToMoveStaysAtRestWithAWarning) {
    ThemeShape shape;
    shape.Pupil = QSize(36, 20); // 40 - 6 - 36 < 0
    const ImportResult result = Import(MakeTheme(shape));
    ASSERT_TRUE(result.Ok) << result.Error.toStdString();
    EXPECT_EQ(result.Warnings.size(), 1);
    Read(result.SkinFolder);
    EXPECT_EQ(skin_.Eyes[1].Width, 36 * 15);
    EXPECT_EQ(skin_.Eyes[1].Height, 20 * 15);
}

TEST_F(ThemeImport, ForceReplacesAnExistingSkinAndOnlyThen) {
    const QString theme = MakeTheme();
    ASSERT_TRUE(WriteBytes(Into(), "Goggle/mine.txt", "keep"));
    const ImportResult refused = Import(theme);
    EXPECT_FALSE(refused.Ok);
    EXPECT_TRUE(refused.Error.contains("already exists")) << refused.Error.toStdString();
    EXPECT_TRUE(QFileInfo::exists(Into() + "/Goggle/mine.txt"));
    EXPECT_FALSE(QFileInfo::exists(Into() + "/Goggle/Skin.ini"));
    const ImportResult forced = Import(theme, ImportKind::Auto, true);
    ASSERT_TRUE(forced.Ok) << forced.Error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(Into() + "/Goggle/mine.txt"));
    EXPECT_TRUE(QFileInfo::exists(Into() + "/Goggle/Skin.ini"));
    EXPECT_EQ(IntoEntries(), QStringList{"Goggle"});
}

struct RefusalRow {
    const char* Name;
    const char* Config; // nullptr: no config file
    const char* Pupil;  // the pupil file's bytes instead of a picture, or nullptr
    const char* Says;
};

void PrintTo(const RefusalRow& row, std::ostream* os) {
    *os << row.Name;
}

class Refusals : public ThemeImport, public ::testing::WithParamInterface<RefusalRow> {};

TEST_P(Refusals, SayWhyAndWriteNothing) {
    const RefusalRow& row = GetParam();
    const QString theme = MakeTheme();
    if (row.Config) {
        ASSERT_TRUE(WriteBytes(theme, "config", row.Config));
    } else {
        ASSERT_TRUE(QFile::remove(theme + "/config"));
    }
    if (row.Pupil) {
        ASSERT_TRUE(WriteBytes(theme, "pupil.png", row.Pupil));
    }
    const ImportResult result = Import(theme);
    EXPECT_FALSE(result.Ok);
    EXPECT_TRUE(result.Error.contains(row.Says)) << result.Error.toStdString();
    EXPECT_TRUE(IntoEntries().isEmpty()) << IntoEntries().join(' ').toStdString();
}

#define PICS "eye-pixmap = \"eye.png\"\npupil-pixmap = \"pupil.png\"\n"
const RefusalRow kRefusalRows[] = {
    {"NotATheme", nullptr, nullptr, "not a theme folder"},
    {"ConfigWithoutKeys", "[Desktop Entry]\nName=x\n", nullptr, "not a theme folder"},
    {"MissingNumber", "wall-thickness = 6\nnum-eyes = two\n" PICS, nullptr,
     "no number for num-eyes"},
    {"NoEyes", "wall-thickness = 6\nnum-eyes = 0\n" PICS, nullptr, "not 1 to 255"},
    {"TooManyEyes", "wall-thickness = 6\nnum-eyes = 256\n" PICS, nullptr, "not 1 to 255"},
    {"MissingPicture",
     "wall-thickness = 6\nnum-eyes = 2\neye-pixmap = \"gone.png\"\n"
     "pupil-pixmap = \"pupil.png\"\n",
     nullptr, "\"gone.png\" is missing"},
    {"PictureOutsideTheTheme",
     "wall-thickness = 6\nnum-eyes = 2\neye-pixmap = \"../eye.png\"\n"
     "pupil-pixmap = \"pupil.png\"\n",
     nullptr, "is missing or cannot be read"},
    {"UnreadablePicture", "wall-thickness = 6\nnum-eyes = 2\n" PICS, "not a png",
     "\"pupil.png\" is missing or cannot be read"},
    {"OverThePictureSizeLimit", "wall-thickness = 6\nnum-eyes = 255\n" PICS, nullptr,
     "wider than 8192"},
};
#undef PICS

INSTANTIATE_TEST_SUITE_P(Themes, Refusals, ::testing::ValuesIn(kRefusalRows),
                         [](const auto& info) { return std::string(info.param.Name); });

struct OriginRow {
    const char* Name;
    const char* Theme;     // below the temporary root
    const char* Copyright; // below the root, nullptr for none
    const char* Package;   // what the package lookup answers
    const char* Creator;
    const char* Licence; // part of the comment
};

void PrintTo(const OriginRow& row, std::ostream* os) {
    *os << row.Name;
}

class Origins : public ::testing::TestWithParam<OriginRow> {};

TEST_P(Origins, CreatorAndLicenceFromThePackageFolder) {
    const OriginRow& row = GetParam();
    QTemporaryDir root;
    ASSERT_TRUE(QDir().mkpath(root.path() + row.Theme));
    if (row.Copyright) {
        ASSERT_TRUE(
            WriteBytes(root.path(), row.Copyright,
                       "Format: https://www.debian.org/doc/packaging-manuals/"
                       "copyright-format/1.0/\n\nFiles: *\nCopyright: 2020 All\n"
                       "License: GPL-3+\n\nFiles: gnome-applets/geyes/*\nCopyright: 1999 Eye "
                       "Maker,\n 2003 Other\nLicense: GPL-2+\n This program is free.\n\n"
                       "Files: gnome-applets/battery/*\nLicense: MIT\n"));
    }
    const ThemeOrigin origin = FindThemeOrigin(
        root.path() + row.Theme, [&](const QString&) { return QString::fromUtf8(row.Package); });
    EXPECT_EQ(origin.Creator, row.Creator);
    EXPECT_TRUE(origin.Comment.startsWith("Imported from " + root.path()))
        << origin.Comment.toStdString();
    EXPECT_TRUE(origin.Comment.contains(row.Licence)) << origin.Comment.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Folders, Origins,
    ::testing::Values(OriginRow{"GnomeFolder", "/usr/share/gnome-applets/geyes/Eye",
                                "usr/share/doc/gnome-applets-data/copyright", "",
                                "GNOME eyes applet",
                                "licence GPL-2+, copyright 1999 Eye Maker and others"},
                      OriginRow{"XfceFolderFallsBackToAll", "/usr/share/xfce4/eyes/themes/Eye",
                                "usr/share/doc/xfce4-eyes-plugin/copyright", "",
                                "Xfce eyes panel plugin", "licence GPL-3+, copyright 2020 All"},
                      OriginRow{"PackageWithoutCopyrightFile", "/usr/share/xfce4/eyes/themes/Eye",
                                nullptr, "", "Xfce eyes panel plugin", "licence unknown"},
                      OriginRow{"ElsewhereAndNobodys", "/home/me/Eye", nullptr, "", "unknown",
                                "licence unknown"}),
    [](const auto& info) { return std::string(info.param.Name); });

} // namespace
} // namespace orbo
