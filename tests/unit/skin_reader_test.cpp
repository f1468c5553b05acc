// How names written in a skin find files (the path rules for every picture key and for Skin.ini,
// which the reader's tests do not repeat); the Skin.ini reader: what each line does, where
// reading stops, pictures and file size; importing eyes applet themes: config lines, pupil
// travel, frames, refusals and origin.
#include "platform/system/files.h"
#include "runtime/picture.h"
#include "skin/skin_reader.h"
#include "skin_pictures.h"
#include "tools/theme_import.h"

#include <QtCore/QDir>
#include <QtCore/QTemporaryDir>
#include <QtGui/QPainter>

#include <gtest/gtest.h>

#include <functional>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace orbo {
namespace {

using testing::WriteBytes;

struct ResolveRow {
    const char* Name;
    const char* Relative;
    const char* Expected; // path below the skin folder, or "" for no result
};
const ResolveRow kResolveRows[] = {
    {"Exact", "Back.bmp", "Back.bmp"},
    {"OtherCase", "BACK.BMP", "Back.bmp"},
    {"Backslash", "pics\\eye.bmp", "Pics/Eye.BMP"},
    {"DoubledSeparator", "Pics\\\\Eye.BMP", "Pics/Eye.BMP"},
    {"Missing", "gone.bmp", ""},
    {"Empty", "", ""},
    {"OnlySeparators", "\\/", ""},
    {"DotDot", "..\\secret.bmp", ""},
    {"DotDotInside", "Pics/../Back.bmp", ""},
    {"Dot", "./Back.bmp", ""},
    {"Absolute", "/etc/passwd", ""},
    {"AbsoluteBackslash", "\\etc\\passwd", ""},
    {"DriveLetter", "C:\\Windows\\win.ini", ""},
#ifdef Q_OS_WIN
    // Windows' own hazards, one of each way in; which names are hazards is the next test's.
    {"DeviceInFolder", "Pics\\com1.bmp", ""},
    {"Unc", "\\\\server\\share\\Back.bmp", ""},
    {"DevicePath", "\\\\?\\C:\\Back.bmp", ""},
#endif
#ifdef Q_OS_UNIX
    {"LinkInside", "in.bmp", "in.bmp"},
    {"LinkOut", "out.bmp", ""},
    {"LinkedFolderOut", "up/secret.bmp", ""},
#endif
};

TEST(ResolveInFolder, FindsNamesInsideTheFolderOnly) {
    QTemporaryDir dir;
    const QString root = dir.path() + "/skin";
    ASSERT_TRUE(WriteBytes(root, "Back.bmp", "x"));
    ASSERT_TRUE(WriteBytes(root, "Pics/Eye.BMP", "x"));
    ASSERT_TRUE(WriteBytes(dir.path(), "secret.bmp", "x"));
#ifdef Q_OS_UNIX
    ASSERT_TRUE(QFile::link(dir.path() + "/secret.bmp", root + "/out.bmp"));
    ASSERT_TRUE(QFile::link(root + "/Back.bmp", root + "/in.bmp"));
    ASSERT_TRUE(QFile::link(dir.path(), root + "/up"));
#endif
    for (const ResolveRow& row : kResolveRows) {
        SCOPED_TRACE(row.Name);
        const QString expected = *row.Expected ? root + u'/' + row.Expected : QString();
        EXPECT_EQ(expected, ResolveInFolder(root, QString::fromUtf8(row.Relative)).value_or(""));
    }
}

TEST(FindEntry, ExactNameWinsOverOtherCase) {
    QTemporaryDir dir;
    ASSERT_TRUE(WriteBytes(dir.path(), "skin", "a"));
    ASSERT_TRUE(WriteBytes(dir.path(), "Skin", "b"));
    EXPECT_EQ(dir.path() + "/Skin", FindEntry(dir.path(), "Skin"));
    EXPECT_EQ(dir.path() + "/skin", FindEntry(dir.path(), "skin"));
    EXPECT_FALSE(FindEntry(dir.path(), "a/b").has_value());
    EXPECT_FALSE(FindEntry(dir.path(), "..").has_value());
    // Qt warns about a NUL in a file name: such a name is refused before it gets there.
    static int warnings = 0;
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString&) { ++warnings; });
    EXPECT_FALSE(FindEntry(dir.path(), QStringLiteral("Skin") + QChar(0)).has_value());
    qInstallMessageHandler(previous);
    EXPECT_EQ(0, warnings);
}

TEST(IsWindowsSpecialName, DevicesDrivesStreamsAndTrimmedNames) {
    const std::pair<const char*, bool> rows[] = {
        {"CON", true},       {"Nul.bmp", true},      {"AUX.tar.gz", true},     {"CON .txt", true},
        {"COM1", true},      {"lpt9.ini", true},     {"COM\u00B9", true},      {"CONIN$", true},
        {"C:", true},        {"pic.bmp:x", true},    {"pic.bmp.", true},       {"pic.bmp ", true},
        {"COM0", false},     {"COM10", false},       {"LPT", false},           {"CONSOLE", false},
        {"icon.bmp", false}, {"nul_eye.bmp", false}, {"AUXILIARY.bmp", false},
    };
    for (const auto& [name, special] : rows)
        EXPECT_EQ(special, IsWindowsSpecialName(QString::fromUtf8(name))) << name;
}

TEST(ReadRegularFile, ReadsAtMostTheLimitAndOnlyRegularFiles) {
    QTemporaryDir dir;
    ASSERT_TRUE(WriteBytes(dir.path(), "f", "0123456789"));
    EXPECT_EQ(QByteArray("012345678"), ReadRegularFile(dir.path() + "/f", 9));
    EXPECT_EQ(QByteArray("0123456789"), ReadRegularFile(dir.path() + "/f", 10));
    EXPECT_FALSE(ReadRegularFile(dir.path() + "/missing", 100).has_value());
    EXPECT_FALSE(ReadRegularFile(dir.path(), 100).has_value());
#ifdef Q_OS_UNIX
    const QString fifo = dir.path() + "/fifo";
    ASSERT_EQ(0, ::mkfifo(QFile::encodeName(fifo).constData(), 0600));
    EXPECT_FALSE(ReadRegularFile(fifo, 100).has_value()); // returns, no writer needed
#endif
#ifdef Q_OS_WIN
    for (const char* device : {"NUL", "\\\\.\\NUL", "CONIN$"})
        EXPECT_FALSE(ReadRegularFile(QString::fromUtf8(device), 100).has_value()) << device;
#endif
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
TEST(UserSkinsFolder, XdgDataHomeOrTheDefaultBelowHome) {
    const QByteArray home = qgetenv("HOME");
    const std::optional<QByteArray> data = qEnvironmentVariableIsSet("XDG_DATA_HOME")
                                               ? std::optional(qgetenv("XDG_DATA_HOME"))
                                               : std::nullopt;
    qputenv("HOME", "/home/someone");
    const QString fallback = "/home/someone/.local/share/orbo/Skins";
    const std::pair<const char*, QString> rows[] = {
        {"/data/", "/data/orbo/Skins"}, {nullptr, fallback}, {"", fallback}, {"data", fallback}};
    for (const auto& [set, expected] : rows) {
        SCOPED_TRACE(set ? set : "unset");
        set ? qputenv("XDG_DATA_HOME", set) : qunsetenv("XDG_DATA_HOME");
        EXPECT_EQ(expected, UserSkinsFolder());
    }
    EXPECT_EQ(QStringList({"/u", "/opt/orbo/Skins"}), SkinsFolders("/opt/orbo/", "/u"));
    qputenv("HOME", home);
    data ? qputenv("XDG_DATA_HOME", *data) : qunsetenv("XDG_DATA_HOME");
}
#endif

using testing::SolidImage;
using testing::WriteBmp;

// A skin folder with a few pictures, and the built-in skin in the record.
class ReaderFixture {
public:
    ReaderFixture() {
        root_ = dir_.path() + QStringLiteral("/test");
        WriteBmp(root_, "back.bmp", SolidImage(40, 30, Qt::blue));
        WriteBmp(root_, "eye.bmp", SolidImage(9, 8, Qt::green));
        WriteBmp(root_, "sub/Pic.BMP", SolidImage(5, 4, Qt::red));
        WriteBytes(root_, "junk.bmp", "BM not really a bitmap");
        ActivateDefSkin(skin_, window_, units_, testing::BuiltInPictures());
    }

    QTemporaryDir dir_;
    QString root_;
    Units units_;
    SkinDef skin_;
    CreatureWindow window_{units_};
};

QString SizeText(const Picture& p) {
    return p.IsEmpty() ? QStringLiteral("none")
                       : QStringLiteral("%1x%2").arg(p.Image().width()).arg(p.Image().height());
}

// One eye as "x,y wxh f<frames> '<kind>' <pic size>" (twips).
QString EyeText(const SkinDef& s, int index) {
    if (index > s.LastEyeIndex())
        return QStringLiteral("no such eye");
    const EyeDef& e = s.Eyes[static_cast<size_t>(index)];
    const QString kind = e.Kind == KindText() ? QString() : e.Kind.ToString();
    return QStringLiteral("%1,%2 %3x%4 f%5 '%6' %7")
        .arg(e.X)
        .arg(e.Y)
        .arg(e.Width)
        .arg(e.Height)
        .arg(e.Frames)
        .arg(kind, SizeText(e.Pic));
}

using Seen = std::function<QString(const SkinDef&, const SkinReadResult&)>;
const Seen Info = [](const SkinDef& s, auto&) { return s.Name + u'|' + s.Creator; };
const Seen Eyes = [](const SkinDef& s, auto&) { return QString::number(s.LastEyeIndex()); };
const Seen Eye0 = [](const SkinDef& s, auto&) { return EyeText(s, 0); };
const Seen Eye1 = [](const SkinDef& s, auto&) { return EyeText(s, 1); };
const Seen Eye2 = [](const SkinDef& s, auto&) { return EyeText(s, 2); };
const Seen Eye255 = [](const SkinDef& s, auto&) { return EyeText(s, 255); };
// Background, then eye 1's picture and mask.
const Seen Pics = [](const SkinDef& s, const SkinReadResult& r) {
    return SizeText(r.Background.value_or(Picture())) + u' ' + SizeText(s.Eyes[1].Pic) + u' ' +
           SizeText(s.Eyes[1].Mask);
};

const QByteArray kLong(kMaxSkinLineLength - 8, 'x'); // "comment=" and this: a line at the limit
// A NUL byte is a character like any other: kept in a value, no line end.
const char kNuls[] = "[info]\nname=A\0B\n\0\0\ncreator=C";
const QString kBuiltIn = QStringLiteral("Ally McOrbo|Quillon");
const QString kEye1 = QStringLiteral("150,795 480x510 f0 'auto  ' 17x16");

const struct ReaderRow {
    const char* Name;
    QByteArray Text;
    int FailedLine; // 0: read to the end
    Seen What;
    QString Expected;
} kReaderRows[] = {
    // Sections.
    {"SectionCase", "[INFO]\nname=A", 0, Info, "A|Quillon"},
    {"SectionNotTrimmed", "[ info ]\nname=A", 0, Info, kBuiltIn},
    {"BeforeAnySection", "name=A\nno equals\n[info]\ncreator=B", 0, Info, "Ally McOrbo|B"},
    {"HeaderWithoutBracket", "[infoX\nname=A\n[info\ncreator=B", 0, Info, "A|Quillon"},
    {"CommentAfterHeader", "[info] ; x\nname=A", 0, Info, "A|Quillon"},
    {"LoneBracket", "[info]\n[\nname=A", 2, Info, kBuiltIn},
    // Comments, keys and values (line ends and text encodings are SplitLines' and DecodeText's).
    {"CommentLine", "[info]\n; x\n;\nname=A", 0, Info, "A|Quillon"},
    {"HashIsNoComment", "[info]\n# x\nname=A", 2, Info, kBuiltIn},
    {"CommentCutsValue", "[info]\nname=A ;B", 0, Info, "A|Quillon"},
    {"FurtherEquals", "[info]\nname=a=b", 0, Info, "a=b|Quillon"},
    {"KeyLowerCased", "[info]\nNAME=A", 0, Info, "A|Quillon"},
    {"BlankBeforeEquals", "[info]\nname =A\ncreator=B", 0, Info, "Ally McOrbo|B"},
    {"OnlySpacesTrimmed", "[info]\nname=  A  \ncreator=\tB", 0, Info, "A|\tB"},
    {"EmptyValue", "[info]\nname=", 0, Info, "|Quillon"},
    {"NulBytes", QByteArray(kNuls, sizeof kNuls - 1), 3, Info,
     QStringLiteral("A") + QChar(0) + "B|Quillon"},
    {"KeyOfAnotherSection", "[info]\neyes=0\nback=gone.bmp", 0, Info, kBuiltIn},
    {"NoEquals", "[info]\nname=A\njunk\ncreator=B", 3, Info, "A|Quillon"},
    // The line length, counted after trimming; a comment line of any length is blank.
    {"LineAtLimit", "[info]\ncomment=" + kLong + "   \ncreator=B", 0, Info, "Ally McOrbo|B"},
    {"LinePastLimit", "[info]\ncomment=" + kLong + "x\ncreator=B", 2, Info, kBuiltIn},
    {"LongComment", "[info]\n;" + kLong + kLong + "\ncreator=B", 0, Info, "Ally McOrbo|B"},
    // The eye count.
    {"Eyes256", "[setting]\neyes=256", 0, Eyes, "255"},
    {"EyesHalfUp", "[setting]\neyes=3.5", 0, Eyes, "4"},
    {"EyesNoNumber", "[setting]\neyes=abc", 0, Eyes, "0"},
    {"EyesDropEarlierSections", "[eye1]\ntype=rect\n[setting]\neyes=1", 0, Eye1,
     "0,0 0x0 f0 '' none"},
    // Eye sections and their index.
    {"BuiltInEyeMoved", "[eye1]\nxy=5,6\nsize=2 , 3", 0, Eye1, "75,90 30x45 f0 'auto  ' 17x16"},
    {"IndexAfterBlank", "[Eye 2]\ntype=rect", 0, Eye2, "645,930 330x330 f0 'rect  ' 7x7"},
    {"EyeIsElementZero", "[eye]\nframes=4\n[eyes]\ntype=auto", 0, Eye0, "0,0 0x0 f4 'auto  ' none"},
    {"LastIndexUsed", "[setting]\neyes=255\n[eye255]\nframes=7", 0, Eye255, "0,0 0x0 f7 '' none"},
    {"IndexPastLastSkipped", "[eye3]\nno equals", 0, Eye2, "645,930 330x330 f0 'auto  ' 7x7"},
    {"NegativeIndexSkipped", "[eye-1]\nno equals", 0, Eye0, "0,0 0x0 f0 '' none"},
    {"IndexHalfToEven", "[eye1.5]\nframes=7", 0, Eye2, "645,930 330x330 f7 'auto  ' 7x7"},
    {"IndexJustPastLastSkipped", "[eye2.5]\nframes=7", 0, Eye2, "645,930 330x330 f0 'auto  ' 7x7"},
    // Frames and onbutton share one byte (its range and rounding are runtime_test's).
    {"OnbuttonIsFrames", "[eye1]\nframes=3\nonbutton=5", 0, Eye1,
     "150,795 480x510 f5 'auto  ' 17x16"},
    {"Frames256Fails", "[eye1]\nframes=9\nframes=255.5", 3, Eye1,
     "150,795 480x510 f9 'auto  ' 17x16"},
    // The kind is cut or padded to six characters.
    {"KindCut", "[eye1]\ntype=Distance", 0, Eye1, "150,795 480x510 f0 'Distan' 17x16"},
    {"KindPadded", "[eye1]\ntype=  rect", 0, Eye1, "150,795 480x510 f0 'rect  ' 17x16"},
    // Pairs.
    {"PairWithoutComma", "[eye1]\nxy=99\nframes=3", 2, Eye1, kEye1},
    {"PairAfterFirstComma", "[eye1]\nsize=4,5,6", 0, Eye1, "150,795 60x75 f0 'auto  ' 17x16"},
    // Pictures: the field keeps the picture it had when one fails.
    {"PictureNames", "[setting]\nback=BACK.Bmp\n[eye1]\npic=SUB\\pic.bmp\nmask=Sub/PIC.bmp", 0,
     Pics, "40x30 5x4 5x4"},
    {"MissingPicture", "[eye1]\npic=eye.bmp\nmask=gone.bmp\nframes=3", 3, Pics, "none 9x8 17x16"},
    {"UndecodablePicture", "[setting]\nback=back.bmp\nback=junk.bmp", 3, Pics, "40x30 17x16 17x16"},
};

TEST(SkinReader, AppliesLinesAndStopsAtTheFirstFailure) {
    for (const ReaderRow& row : kReaderRows) {
        SCOPED_TRACE(row.Name);
        ReaderFixture f;
        const SkinReadResult result = ReadSkinBytes(row.Text, f.root_, {f.skin_, f.units_});
        EXPECT_EQ(row.FailedLine, result.FailedLine);
        EXPECT_EQ(row.Expected, row.What(f.skin_, result));
    }
}

TEST(SkinReader, PicturesTakeTheirRolesSeeThroughColour) {
    ReaderFixture f;
    QImage clear(4, 4, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    ASSERT_TRUE(clear.save(f.root_ + "/clear.png", "PNG"));
    const SkinReadResult result =
        ReadSkinBytes("[setting]\nback=clear.png\n[eye1]\npic=clear.png\nmask=clear.png", f.root_,
                      {f.skin_, f.units_});
    ASSERT_TRUE(result.Background);
    EXPECT_EQ(qRgb(255, 0, 255), result.Background->Image().pixel(0, 0));
    EXPECT_EQ(qRgb(0, 0, 0), f.skin_.Eyes[1].Pic.Image().pixel(0, 0));
    EXPECT_EQ(qRgb(255, 255, 255), f.skin_.Eyes[1].Mask.Image().pixel(0, 0));
}

// One file is decoded once per role and shared; the pictures, with the window's copies of the
// background (40x30: 5 x 1200 pixels at scale 1, 3 x 1200 + 2 x 4800 at 2), keep to the budget.
TEST(SkinReader, PicturesAreSharedWithinTheBudget) {
    const QByteArray eyes = "[setting]\neyes=2\n[eye1]\npic=eye.bmp\nmask=eye.bmp\n[eye2]\n"
                            "pic=EYE.BMP\nmask=sub/pic.bmp";
    const struct {
        QByteArray Text;
        qreal Scale;
        qint64 Budget;
        int FailedLine;
        QString Expected; // background, eye 2's picture and mask, whether eye 1's are shared
    } rows[] = {
        {eyes, 1, 2 * 72 + 20, 0, "none 9x8 5x4 shared"},
        {eyes, 1, 2 * 72 + 19, 8, "none 9x8 none shared"},
        {"[setting]\nback=back.bmp", 1, 6000, 0, "40x30 7x7 7x7"},
        {"[setting]\nback=back.bmp", 1, 5999, 2, "none 7x7 7x7"},
        {"[setting]\nback=back.bmp", 2, 13199, 2, "none 7x7 7x7"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE((row.Text + ' ' + QByteArray::number(row.Budget)).constData());
        ReaderFixture f;
        const SkinReadResult result =
            ReadSkinBytes(row.Text, f.root_, {f.skin_, f.units_, row.Scale, row.Budget});
        EXPECT_EQ(row.FailedLine, result.FailedLine);
        EXPECT_EQ(row.FailedLine ? SkinLineStatus::OverBudget : SkinLineStatus::Blank,
                  result.Failure);
        const EyeDef &e1 = f.skin_.Eyes[1], &e2 = f.skin_.Eyes[2];
        const bool shared = e1.Pic.SameAs(e2.Pic) && !e1.Pic.SameAs(e1.Mask);
        EXPECT_EQ(row.Expected, SizeText(result.Background.value_or(Picture())) + u' ' +
                                    SizeText(e2.Pic) + u' ' + SizeText(e2.Mask) +
                                    (shared ? " shared" : ""));
    }
}

// Of a file over the size limit only the lines that end within the limit are read: a line
// cut there, even inside a UTF-8 character, is dropped and the rest still reads as UTF-8.
TEST(SkinReader, FileIsReadUpToTheLastWholeLineWithinTheLimit) {
    for (const int over : {0, 1}) {
        SCOPED_TRACE(over ? "one byte past the limit" : "exactly at the limit");
        ReaderFixture f;
        QByteArray text = "[info]\nname=\xc3\xa9\n";
        const QByteArray tail = "creator=B\xc3\xa9";
        while (text.size() < kMaxSkinFileBytes - tail.size() - 2000)
            text += ';' + QByteArray(998, 'a') + '\n';
        text += ';' + QByteArray(kMaxSkinFileBytes - text.size() - tail.size() - 2 + over, 'a') +
                '\n' + tail;
        ASSERT_TRUE(WriteBytes(f.root_, "SKIN.INI", text));
        const auto result = ReadSkinFile(f.root_, {f.skin_, f.units_});
        ASSERT_TRUE(result.has_value());
        EXPECT_EQ(0, result->FailedLine);
        EXPECT_EQ(QString::fromUtf8(over ? "\xc3\xa9|Quillon" : "\xc3\xa9|B\xc3\xa9"),
                  f.skin_.Name + u'|' + f.skin_.Creator);
    }
}

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
    ASSERT_EQ(2, skin_.LastEyeIndex());
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
