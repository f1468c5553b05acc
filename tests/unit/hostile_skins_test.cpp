// Skins from strangers: every bad picture name, file and size gives the answer the reader's
// rules give (the line fails, earlier lines stay, the built-in pictures remain) and never a
// crash, a hang or an unbounded read. The corpus is made here at run time.
#include "platform/desktop.h"
#include "platform/files.h"
#include "skin/activation.h"
#include "skin/skin_reader.h"
#include "skin_test_support.h"

#include <QtCore/QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace orbo {
namespace {

using orbo::testing::SolidImage;
using orbo::testing::WriteBmp;
using orbo::testing::WriteBytes;

// A BMP header that claims width x height pixels at 24 bits, with no pixel data behind it.
QByteArray BmpHeader(int width, int height) {
    QByteArray b;
    auto put32 = [&b](quint32 v) {
        for (int i = 0; i < 4; ++i)
            b.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    auto put16 = [&b](quint16 v) {
        b.append(static_cast<char>(v & 0xFF));
        b.append(static_cast<char>(v >> 8));
    };
    b.append("BM");
    put32(54 + 3u * width * height);
    put32(0);
    put32(54);
    put32(40);
    put32(static_cast<quint32>(width));
    put32(static_cast<quint32>(height));
    put16(1);
    put16(24);
    put32(0);
    put32(0);
    put32(2835);
    put32(2835);
    put32(0);
    put32(0);
    return b;
}

// A GIF logical screen and image descriptor of width x height, with a few bytes of data.
QByteArray GifHeader(int width, int height) {
    QByteArray b("GIF89a");
    auto put16 = [&b](int v) {
        b.append(static_cast<char>(v & 0xFF));
        b.append(static_cast<char>((v >> 8) & 0xFF));
    };
    put16(width);
    put16(height);
    b.append("\x80\x00\x00", 3);             // global colour table of 2 entries
    b.append("\x00\x00\x00\xff\xff\xff", 6); // black, white
    b.append(',');                           // image descriptor
    put16(0);
    put16(0);
    put16(width);
    put16(height);
    b.append('\0');
    b.append("\x02\x02\x44\x01\x00;", 6); // a scrap of LZW data and the trailer
    return b;
}

struct Corpus {
    QTemporaryDir Root;
    QString Skins() const { return Root.path() + QStringLiteral("/Skins"); }
    QString Folder(const QString& skin) const { return Skins() + u'/' + skin; }
};

struct Activation {
    SkinDef Skin;
    QString SkinName;
    FakeCreatureWindow Window;
    ScriptedDesktop Desk;
    DefaultSkinPictures Pictures = DefaultSkinPictures::Load();

    void Run(const QString& appPath, const QString& name) {
        ActivateSkin(SkinContext{Skin, SkinName, Window, Desk, Pictures, SkinsFolders(appPath, {})},
                     name);
    }
};

// One bad picture name, made by setup inside the skin folder (or outside it).
struct BadPicture {
    const char* Label;
    const char* Value;
    std::function<bool(const Corpus&, const QString& folder)> Setup;
};

bool Nothing(const Corpus&, const QString&) {
    return true;
}

const BadPicture kBadPictures[] = {
    {"ParentFolder", "../outside.bmp", Nothing},
    {"ParentFolderBackslash", "..\\outside.bmp", Nothing},
    {"ParentInsideName", "sub/../../outside.bmp",
     [](const Corpus&, const QString& f) { return QDir().mkpath(f + QStringLiteral("/sub")); }},
    {"AbsolutePath", "@ABS@", Nothing},
    {"DevZero", "/dev/zero", Nothing},
    {"DevUrandom", "/dev/urandom", Nothing},
    {"LinkOut", "link.bmp",
     [](const Corpus& c, const QString& f) {
         return QFile::link(c.Skins() + QStringLiteral("/outside.bmp"),
                            f + QStringLiteral("/link.bmp"));
     }},
    {"LinkToDevZero", "zero.bmp",
     [](const Corpus&, const QString& f) {
         return QFile::link(QStringLiteral("/dev/zero"), f + QStringLiteral("/zero.bmp"));
     }},
    {"Fifo", "fifo.bmp",
     [](const Corpus&, const QString& f) {
         return ::mkfifo(QFile::encodeName(f + QStringLiteral("/fifo.bmp")).constData(), 0600) == 0;
     }},
    {"Folder", "dir.bmp",
     [](const Corpus&, const QString& f) { return QDir().mkpath(f + QStringLiteral("/dir.bmp")); }},
    {"BmpBomb", "bomb.bmp",
     [](const Corpus&, const QString& f) {
         return WriteBytes(f, QStringLiteral("bomb.bmp"), BmpHeader(60000, 60000));
     }},
    {"GifBomb", "bomb.gif",
     [](const Corpus&, const QString& f) {
         return WriteBytes(f, QStringLiteral("bomb.gif"), GifHeader(60000, 60000));
     }},
    {"NotAPicture", "notes.bmp",
     [](const Corpus&, const QString& f) {
         return WriteBytes(f, QStringLiteral("notes.bmp"), QByteArray("just some text\n"));
     }},
    {"EmptyFile", "empty.bmp",
     [](const Corpus&, const QString& f) {
         return WriteBytes(f, QStringLiteral("empty.bmp"), {});
     }},
    {"EmptyValue", "", Nothing},
    {"Missing", "missing.bmp", Nothing},
};

enum class PictureKey { Back, Pic, Mask };

struct BadCase {
    BadPicture Bad;
    PictureKey Key;
};

std::string Name(const ::testing::TestParamInfo<BadCase>& info) {
    const char* key[] = {"Back", "Pic", "Mask"};
    return std::string(info.param.Bad.Label) + key[static_cast<int>(info.param.Key)];
}

class HostilePicture : public ::testing::TestWithParam<BadCase> {};

TEST_P(HostilePicture, FailsItsLineAndKeepsThePictureItHad) {
    const BadCase& c = GetParam();
    Corpus corpus;
    const QString folder = corpus.Folder(QStringLiteral("Bad"));
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(WriteBmp(corpus.Skins(), QStringLiteral("outside.bmp"), SolidImage(9, 9, Qt::red)));
    ASSERT_TRUE(c.Bad.Setup(corpus, folder)) << "could not make the case";
    QString value = QString::fromUtf8(c.Bad.Value);
    value.replace(QStringLiteral("@ABS@"), corpus.Skins() + QStringLiteral("/outside.bmp"));
    const QString key = c.Key == PictureKey::Back  ? QStringLiteral("back")
                        : c.Key == PictureKey::Pic ? QStringLiteral("pic")
                                                   : QStringLiteral("mask");
    QString ini = QStringLiteral("[info]\nname=Hostile\n");
    if (c.Key == PictureKey::Back)
        ini += QStringLiteral("[setting]\nback=") + value + u'\n';
    else
        ini += QStringLiteral("[eye1]\n") + key + u'=' + value + u'\n';
    ini += QStringLiteral("[info]\ncomment=after\n");
    ASSERT_TRUE(WriteBytes(folder, QStringLiteral("Skin.ini"), ini.toUtf8()));

    Activation a;
    a.Run(corpus.Root.path(), QStringLiteral("Bad"));
    const SkinDef& skin = a.Skin;
    EXPECT_EQ(a.SkinName, u"Bad");
    EXPECT_EQ(skin.Name, u"Hostile");
    EXPECT_TRUE(skin.Comment.isEmpty()) << "reading went on past the failing line";
    EXPECT_TRUE(a.Window.Background.SameAs(a.Pictures.imgDefSkin[0]));
    ASSERT_EQ(skin.EyesUBound(), 2);
    EXPECT_TRUE(skin.Eyes[1].Pic.SameAs(a.Pictures.imgDefSkin[1]));
    EXPECT_TRUE(skin.Eyes[1].Mask.SameAs(a.Pictures.imgDefSkin[2]));
    EXPECT_EQ(a.Window.Geometry.Pixels().size(), QSize(75, 100));
}

std::vector<BadCase> AllBadCases() {
    std::vector<BadCase> cases;
    for (const BadPicture& bad : kBadPictures)
        for (const PictureKey key : {PictureKey::Back, PictureKey::Pic, PictureKey::Mask})
            cases.push_back({bad, key});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Corpus, HostilePicture, ::testing::ValuesIn(AllBadCases()), Name);

TEST(HostilePicture, ADeviceNodeInsideTheFolderIsNoPicture) {
    Corpus corpus;
    const QString folder = corpus.Folder(QStringLiteral("Dev"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QByteArray node = QFile::encodeName(folder + QStringLiteral("/dev.bmp"));
    if (::mknod(node.constData(), S_IFCHR | 0600, makedev(1, 5)) != 0)
        GTEST_SKIP() << "cannot make device nodes here";
    ASSERT_TRUE(WriteBytes(folder, QStringLiteral("Skin.ini"),
                           "[setting]\nback=dev.bmp\n[info]\nname=after\n"));
    Activation a;
    a.Run(corpus.Root.path(), QStringLiteral("Dev"));
    EXPECT_EQ(a.Skin.Name, u"Ally McOrbo");
    EXPECT_TRUE(a.Window.Background.SameAs(a.Pictures.imgDefSkin[0]));
}

// Broken picture files: whether the decoder takes a damaged file is its own affair, but the
// reader must go on exactly when the picture loaded.
TEST(HostilePicture, TruncatedAndCorruptFilesLoadOrFailConsistently) {
    Corpus corpus;
    const QString folder = corpus.Folder(QStringLiteral("Broken"));
    ASSERT_TRUE(WriteBmp(folder, QStringLiteral("good.bmp"), SolidImage(40, 30, Qt::blue)));
    QFile good(folder + QStringLiteral("/good.bmp"));
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    const QByteArray bytes = good.readAll();
    const std::pair<const char*, QByteArray> files[] = {
        {"half.bmp", bytes.left(bytes.size() / 2)},
        {"header.bmp", bytes.left(54)},
        {"garbled.bmp", bytes.left(54) + QByteArray(bytes.size() - 54, '\xA5')},
        {"short.gif", GifHeader(20, 20).left(20)},
        {"garbled.gif", GifHeader(20, 20).left(19) + QByteArray(200, '\x7F')},
    };
    for (const auto& [name, data] : files) {
        ASSERT_TRUE(WriteBytes(folder, QString::fromLatin1(name), data));
        ASSERT_TRUE(WriteBytes(folder, QStringLiteral("Skin.ini"),
                               "[setting]\nback=" + QByteArray(name) + "\n[info]\nname=after\n"));
        Activation a;
        a.Run(corpus.Root.path(), QStringLiteral("Broken"));
        const bool loaded = !a.Window.Background.SameAs(a.Pictures.imgDefSkin[0]);
        EXPECT_EQ(a.Skin.Name == u"after", loaded) << name;
        if (loaded) {
            EXPECT_LE(a.Window.Background.Image().width(), kMaxPictureSide) << name;
        }
    }
}

struct HostileText {
    const char* Label;
    std::function<bool(const QString& folder)> Make;
    std::function<void(const Activation&)> Check;
};

const HostileText kHostileTexts[] = {
    {"SparseGibibyte",
     [](const QString& f) {
         if (!WriteBytes(f, QStringLiteral("Skin.ini"), "[info]\nname=Sparse\n"))
             return false;
         QFile file(f + QStringLiteral("/Skin.ini"));
         return file.open(QIODevice::ReadWrite) && file.resize(1LL << 30);
     },
     [](const Activation& a) {
         EXPECT_EQ(a.Skin.Name, u"Sparse");
         EXPECT_TRUE(a.Window.Background.SameAs(a.Pictures.imgDefSkin[0]));
     }},
    {"TenMebibyteLine",
     [](const QString& f) {
         return WriteBytes(f, QStringLiteral("Skin.ini"),
                           "[info]\nname=Long\ncomment=" + QByteArray(10 << 20, 'x') +
                               "\ndate=after\n");
     },
     [](const Activation& a) {
         EXPECT_EQ(a.Skin.Name, u"Long");
         EXPECT_TRUE(a.Skin.Comment.isEmpty());
         EXPECT_EQ(a.Skin.Date, u"18/2/0");
     }},
    {"NulBytes",
     [](const QString& f) {
         return WriteBytes(f, QStringLiteral("Skin.ini"),
                           QByteArray("[info]\nname=A\0B\n\0\0\0\ncreator=C\n", 31));
     },
     [](const Activation& a) {
         EXPECT_EQ(a.Skin.Name, QString(QStringLiteral("A") + QChar(0) + u'B'));
         // A line of NULs is a key line without "=" in a used section: reading stops there.
         EXPECT_EQ(a.Skin.Creator, u"Quillon");
     }},
    {"InvalidUtf8",
     [](const QString& f) {
         return WriteBytes(f, QStringLiteral("Skin.ini"), "[info]\nname=caf\xe9 \x80\xff\n");
     },
     [](const Activation& a) {
         EXPECT_EQ(a.Skin.Name, QString::fromUtf8("caf\u00e9 \u20ac\u00ff"));
     }},
    {"ThreeHundredEyes",
     [](const QString& f) {
         QByteArray ini = "[setting]\neyes=300\n";
         for (int i = 1; i <= 300; ++i)
             ini += "[eye" + QByteArray::number(i) + "]\ntype=auto\nxy=" + QByteArray::number(i) +
                    ",1\n";
         return WriteBytes(f, QStringLiteral("Skin.ini"), ini);
     },
     [](const Activation& a) {
         const SkinDef& s = a.Skin;
         ASSERT_EQ(s.EyesUBound(), 255);
         EXPECT_EQ(s.Eyes[255].X, 255 * 15);
         EXPECT_EQ(ClassifyKind(s.Eyes[255].Kind), EyeKind::Auto);
     }},
    {"DeeplyNestedPicture",
     [](const QString& f) {
         QString path;
         for (int i = 0; i < 60; ++i)
             path += QStringLiteral("d%1/").arg(i);
         return WriteBmp(f, path + QStringLiteral("deep.bmp"), SolidImage(8, 6, Qt::green)) &&
                WriteBytes(f, QStringLiteral("Skin.ini"),
                           "[setting]\nback=" + path.toUtf8() + "DEEP.BMP\n");
     },
     [](const Activation& a) {
         EXPECT_EQ(a.Window.Background.Image().size(), QSize(8, 6));
         EXPECT_EQ(a.Window.Geometry.Pixels().size(), QSize(8, 6));
     }},
    {"SkinIniIsAFolder",
     [](const QString& f) { return QDir().mkpath(f + QStringLiteral("/Skin.ini")); },
     [](const Activation& a) { EXPECT_EQ(a.Skin.Name, u"Ally McOrbo"); }},
    {"SkinIniIsAFifo",
     [](const QString& f) {
         return ::mkfifo(QFile::encodeName(f + QStringLiteral("/Skin.ini")).constData(), 0600) == 0;
     },
     [](const Activation& a) { EXPECT_EQ(a.Skin.Name, u"Ally McOrbo"); }},
};

class HostileSkinText : public ::testing::TestWithParam<HostileText> {};

TEST_P(HostileSkinText, ReadsWhatItsRulesAllowAndStops) {
    Corpus corpus;
    const QString folder = corpus.Folder(QStringLiteral("Text"));
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(GetParam().Make(folder));
    Activation a;
    a.Run(corpus.Root.path(), QStringLiteral("Text"));
    EXPECT_EQ(a.SkinName, u"Text");
    GetParam().Check(a);
}

INSTANTIATE_TEST_SUITE_P(Corpus, HostileSkinText, ::testing::ValuesIn(kHostileTexts),
                         [](const ::testing::TestParamInfo<HostileText>& info) {
                             return std::string(info.param.Label);
                         });

TEST(HostileSkinFolder, AFileInPlaceOfTheFolderGivesTheBuiltInSkin) {
    Corpus corpus;
    ASSERT_TRUE(WriteBytes(corpus.Skins(), QStringLiteral("Plain"), "[info]\nname=no\n"));
    Activation a;
    a.Run(corpus.Root.path(), QStringLiteral("Plain"));
    EXPECT_EQ(a.SkinName, u"Plain");
    EXPECT_EQ(a.Skin.Name, u"Ally McOrbo");
}

TEST(HostileSkinFolder, ANameThatLeadsOutOfTheSkinsFolderIsNotFollowed) {
    Corpus corpus;
    ASSERT_TRUE(
        WriteBytes(corpus.Root.path(), QStringLiteral("Skin.ini"), "[info]\nname=outside\n"));
    ASSERT_TRUE(QDir().mkpath(corpus.Skins()));
    Activation a;
    a.Run(corpus.Root.path(), QStringLiteral(".."));
    EXPECT_EQ(a.Skin.Name, u"Ally McOrbo");
    a.Run(corpus.Root.path(), QStringLiteral("../Skins/.."));
    EXPECT_EQ(a.Skin.Name, u"Ally McOrbo");
}

} // namespace
} // namespace orbo
