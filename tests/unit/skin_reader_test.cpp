#include "skin/skin_reader.h"

#include "skin/default_skin.h"
#include "skin_test_support.h"

#include <QtCore/QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace orbo {
namespace {

using testing::SolidImage;
using testing::WriteBmp;
using testing::WriteBytes;

class ReaderFixture {
public:
    ReaderFixture() {
        root_ = dir_.path() + QStringLiteral("/Skins/test");
        WriteBmp(root_, "back.bmp", SolidImage(40, 30, Qt::blue));
        WriteBmp(root_, "eye.bmp", SolidImage(9, 8, Qt::green));
        WriteBmp(root_, "mask.bmp", SolidImage(9, 8, Qt::white));
        WriteBmp(root_, "sub/Pic.BMP", SolidImage(5, 4, Qt::red));
        WriteBytes(root_, "junk.bmp", "BM not really a bitmap");
        WriteBmp(root_, "wide.bmp", SolidImage(kMaxPictureSide + 1, 1, Qt::red));
        WriteBmp(dir_.path(), "outside.bmp", SolidImage(3, 3, Qt::red));
        QDir().mkpath(root_ + "/folder.bmp");
#ifdef Q_OS_UNIX
        QFile::link(dir_.path() + "/outside.bmp", root_ + "/link.bmp");
        ::mkfifo(QFile::encodeName(root_ + "/fifo.bmp").constData(), 0600);
#endif
        ActivateDefSkin(skin_, window_, units_, Pictures());
    }

    static const DefaultSkinPictures& Pictures() {
        static const DefaultSkinPictures pictures = DefaultSkinPictures::Load();
        return pictures;
    }

    SkinReadResult Read(const QByteArray& text, bool observe = false) {
        SkinLineObserver observer;
        if (observe)
            observer = [this](const SkinLineOutcome& o) { outcomes_.push_back(o); };
        return ReadSkinBytes(text, root_, SkinTarget{skin_, units_}, observer);
    }

    QTemporaryDir dir_;
    QString root_;
    Units units_;
    SkinDef skin_;
    FakeCreatureWindow window_{units_};
    std::vector<SkinLineOutcome> outcomes_;
};

QSize SizeOf(const Picture& p) {
    return p.Image().size();
}

// The background a reading hands back: none when no "back" line loaded one.
QSize BackgroundSize(const SkinReadResult& r) {
    return r.Background ? SizeOf(*r.Background) : QSize();
}

struct ReaderRow {
    const char* Name;
    QByteArray Text;
    int FailedLine; // 0: read to the end
    std::function<void(const SkinDef&, const SkinReadResult&)> Check;
};

class ReaderRules : public ReaderFixture, public ::testing::TestWithParam<ReaderRow> {};

TEST_P(ReaderRules, AppliesTheLinesAndStopsAtTheFirstFailure) {
    const ReaderRow& row = GetParam();
    const SkinReadResult result = Read(row.Text);
    EXPECT_EQ(result.FailedLine, row.FailedLine);
    EXPECT_EQ(result.Failed(), row.FailedLine != 0);
    row.Check(skin_, result);
}

const ReaderRow kReaderRows[] = {
    // Sections and their letter case.
    {"SectionNameIgnoresCase", "[Info]\nname=Blue\n[SETTING]\neyes=1", 0,
     [](const SkinDef& s, auto&) {
         EXPECT_EQ(s.Name, "Blue");
         EXPECT_EQ(s.EyesUBound(), 1);
     }},
    {"SectionNameIsNotTrimmed", "[ info ]\nname=Blue", 0,
     [](const SkinDef& s, auto&) { EXPECT_EQ(s.Name, "Ally McOrbo"); }},
    {"KeysBeforeAnySectionAreSkipped", "name=Blue\nno equals here\n[info]\ncreator=B", 0,
     [](const SkinDef& s, auto&) {
         EXPECT_EQ(s.Name, "Ally McOrbo");
         EXPECT_EQ(s.Creator, "B");
     }},
    {"OtherSectionIsSkippedWholly", "[other]\nname=X\nno equals\n[info]\ndate=D", 0,
     [](const SkinDef& s, auto&) {
         EXPECT_EQ(s.Name, "Ally McOrbo");
         EXPECT_EQ(s.Date, "D");
     }},
    {"EmptySectionIsNotUsed", "[]\nname=X\nno equals\n[info]\ncreator=B", 0,
     [](const SkinDef& s, auto&) {
         EXPECT_EQ(s.Name, "Ally McOrbo");
         EXPECT_EQ(s.Creator, "B");
     }},
    {"HeaderWithoutBracketLosesLastCharacter", "[infoX\nname=Cut\n[info\ncreator=No", 0,
     [](const SkinDef& s, auto&) {
         EXPECT_EQ(s.Name, "Cut");
         EXPECT_EQ(s.Creator, "Quillon");
     }},
    {"CommentAfterHeader", "[info] ; texts\nname=A", 0,
     [](const SkinDef& s, auto&) { EXPECT_EQ(s.Name, "A"); }},
    {"LoneBracketFailsAndStops", "[info]\n[\nname=A", 2,
     [](const SkinDef& s, auto&) { EXPECT_EQ(s.Name, "Ally McOrbo"); }},
    // Key lines and values.
    {"EveryInfoKey",
     "[info]\nname=N\ncreator=C\nhomepage=H\nemail=E\ndate=D\ncomment=K\nNAME=Upper", 0,
     [](const SkinDef& s, auto&) {
         EXPECT_EQ(s.Name, "Upper");
         EXPECT_EQ(s.Creator, "C");
         EXPECT_EQ(s.HomePage, "H");
         EXPECT_EQ(s.Email, "E");
         EXPECT_EQ(s.Date, "D");
         EXPECT_EQ(s.Comment, "K");
     }},
    {"SemicolonCutsTheValue", "[info]\ncomment=a;b\nname = x;y", 0,
     [](const SkinDef& s, auto&) {
         EXPECT_EQ(s.Comment, "a");
         EXPECT_EQ(s.Name, "Ally McOrbo");
     }},
    {"FurtherEqualsSignsStayInTheValue", "[info]\ncomment=a=b=c", 0,
     [](const SkinDef& s, auto&) { EXPECT_EQ(s.Comment, "a=b=c"); }},
    {"BlankBeforeEqualsMakesAnUnknownKey", "[info]\nname =Blue\ncreator=B", 0,
     [](const SkinDef& s, auto&) {
         EXPECT_EQ(s.Name, "Ally McOrbo");
         EXPECT_EQ(s.Creator, "B");
     }},
    {"OnlySpacesAreTrimmed", "[info]\nname=   Blue  \ncreator=\tTab", 0,
     [](const SkinDef& s, auto&) {
         EXPECT_EQ(s.Name, "Blue");
         EXPECT_EQ(s.Creator, "\tTab");
     }},
    {"EmptyValueIsStored", "[info]\ncomment=\nname=", 0,
     [](const SkinDef& s, auto&) { EXPECT_EQ(s.Name, ""); }},
    {"KeyOfAnotherSectionIsSkipped", "[info]\neyes=0\nback=none.bmp\n[eye1]\nname=X", 0,
     [](const SkinDef& s, auto&) {
         EXPECT_EQ(s.EyesUBound(), 2);
         EXPECT_EQ(s.Name, "Ally McOrbo");
     }},
    {"NoEqualsInUsedSectionFails", "[info]\nname=A\njunk\ncreator=B", 3,
     [](const SkinDef& s, auto&) {
         EXPECT_EQ(s.Name, "A");
         EXPECT_EQ(s.Creator, "Quillon");
     }},
    {"TrailingBlankAndCommentLines", "[info]\nname=A\n\n     \n; end\n;", 0,
     [](const SkinDef& s, auto&) { EXPECT_EQ(s.Name, "A"); }},
    // Line ends and text encodings.
    {"EveryLineEnd", "[info]\rname=A\r\ncreator=B\ndate=C\r\rcomment=D", 0,
     [](const SkinDef& s, auto&) {
         EXPECT_EQ(s.Name, "A");
         EXPECT_EQ(s.Creator, "B");
         EXPECT_EQ(s.Date, "C");
         EXPECT_EQ(s.Comment, "D");
     }},
    {"Windows1252Bytes", "[info]\nname=Caf\xe9 \x80", 0,
     [](const SkinDef& s, auto&) {
         EXPECT_EQ(s.Name, QString::fromUtf8("Caf\xc3\xa9 \xe2\x82\xac"));
     }},
    {"Utf8Bytes", "\xef\xbb\xbf[info]\nname=Caf\xc3\xa9", 0,
     [](const SkinDef& s, auto&) { EXPECT_EQ(s.Name, QString::fromUtf8("Caf\xc3\xa9")); }},
    {"OverlongLineFails", "[info]\nname=" + QByteArray(kMaxSkinLineLength, 'x') + "\ncreator=B", 2,
     [](const SkinDef& s, auto&) {
         EXPECT_EQ(s.Name, "Ally McOrbo");
         EXPECT_EQ(s.Creator, "Quillon");
     }},
    {"LineAtTheLengthLimitIsRead",
     "[info]\nname=" + QByteArray(kMaxSkinLineLength - 5, 'x') + "\ncreator=B", 0,
     [](const SkinDef& s, auto&) {
         EXPECT_EQ(s.Name.size(), kMaxSkinLineLength - 5);
         EXPECT_EQ(s.Creator, "B");
     }},
    // The eye count.
    {"EyesMakesEmptyElements", "[setting]\neyes=1", 0,
     [](const SkinDef& s, auto&) {
         ASSERT_EQ(s.EyesUBound(), 1);
         EXPECT_EQ(s.Eyes[1].Kind, KindText());
         EXPECT_TRUE(s.Eyes[1].Pic.IsEmpty());
         EXPECT_EQ(s.Eyes[1].X, 0.0f);
     }},
    {"EyesNegativeIsZero", "[setting]\neyes=-3", 0,
     [](const SkinDef& s, auto&) { EXPECT_EQ(s.EyesUBound(), 0); }},
    {"EyesAbove255Is255", "[setting]\neyes=300", 0,
     [](const SkinDef& s, auto&) { EXPECT_EQ(s.EyesUBound(), 255); }},
    {"EyesHalfRoundsDown", "[setting]\neyes=2.5", 0,
     [](const SkinDef& s, auto&) { EXPECT_EQ(s.EyesUBound(), 2); }},
    {"EyesHalfRoundsUp", "[setting]\neyes=3.5", 0,
     [](const SkinDef& s, auto&) { EXPECT_EQ(s.EyesUBound(), 4); }},
    {"EyesWithoutNumberIsZero", "[setting]\neyes=abc", 0,
     [](const SkinDef& s, auto&) { EXPECT_EQ(s.EyesUBound(), 0); }},
    {"EyesDiscardsEarlierEyeSections", "[eye1]\ntype=rect\n[setting]\neyes=2\n[eye2]\ntype=x", 0,
     [](const SkinDef& s, auto&) {
         ASSERT_EQ(s.EyesUBound(), 2);
         EXPECT_EQ(s.Eyes[1].Kind, KindText());
         EXPECT_EQ(s.Eyes[2].Kind, KindText(u"x"));
     }},
    // Eye sections and their index.
    {"BuiltInEyesCanBeMoved", "[eye1]\nxy=5,6\nsize=2 , 3", 0,
     [](const SkinDef& s, auto&) {
         EXPECT_EQ(s.Eyes[1].X, 75.0f);
         EXPECT_EQ(s.Eyes[1].Y, 90.0f);
         EXPECT_EQ(s.Eyes[1].Width, 30.0f);
         EXPECT_EQ(s.Eyes[1].Height, 45.0f);
         EXPECT_FALSE(s.Eyes[1].Pic.IsEmpty());
     }},
    {"EyeIndexAfterBlank", "[Eye 2]\nxy=1px,2px", 0,
     [](const SkinDef& s, auto&) {
         EXPECT_EQ(s.Eyes[2].X, 15.0f);
         EXPECT_EQ(s.Eyes[2].Y, 30.0f);
     }},
    {"EyeWithoutNumberIsElementZero", "[eye]\nframes=4\n[eyes]\nonbutton=5\ntype=auto", 0,
     [](const SkinDef& s, auto&) {
         EXPECT_EQ(s.Eyes[0].Frames, 5);
         EXPECT_EQ(s.Eyes[0].Kind, KindText(u"auto"));
     }},
    {"EyeAboveUpperBoundIsSkipped", "[setting]\neyes=1\n[eye2]\nno equals\ntype=auto", 0,
     [](const SkinDef& s, auto&) { EXPECT_EQ(s.EyesUBound(), 1); }},
    {"NegativeEyeIndexIsSkipped", "[eye-1]\nno equals\ntype=auto", 0,
     [](const SkinDef& s, auto&) { EXPECT_EQ(s.Eyes[0].Kind, KindText()); }},
    {"FractionalEyeIndexRoundsHalfToEven", "[eye1.5]\nframes=7\n[eye0.5]\nframes=8", 0,
     [](const SkinDef& s, auto&) {
         EXPECT_EQ(s.Eyes[2].Frames, 7);
         EXPECT_EQ(s.Eyes[0].Frames, 8);
         EXPECT_EQ(s.Eyes[1].Frames, 0);
     }},
    {"IndexJustAboveUpperBoundIsSkipped", "[eye2.5]\nframes=7", 0,
     [](const SkinDef& s, auto&) { EXPECT_EQ(s.Eyes[2].Frames, 0); }},
    {"UnknownEyeKeyIsSkipped", "[eye1]\ncolour=red\nframes=2", 0,
     [](const SkinDef& s, auto&) { EXPECT_EQ(s.Eyes[1].Frames, 2); }},
    // Frames and onbutton share one byte.
    {"FramesAndOnbuttonShareTheByte", "[eye1]\nframes=3\nonbutton=5", 0,
     [](const SkinDef& s, auto&) { EXPECT_EQ(s.Eyes[1].Frames, 5); }},
    {"OnbuttonThenFrames", "[eye1]\nonbutton=7\nframes=2.5", 0,
     [](const SkinDef& s, auto&) { EXPECT_EQ(s.Eyes[1].Frames, 2); }},
    {"FramesAbove255Fails", "[eye1]\nframes=9\nframes=255.5\nframes=1", 3,
     [](const SkinDef& s, auto&) { EXPECT_EQ(s.Eyes[1].Frames, 9); }},
    {"FramesBelowZeroFails", "[eye1]\nonbutton=-1", 2,
     [](const SkinDef& s, auto&) { EXPECT_EQ(s.Eyes[1].Frames, 0); }},
    {"FramesJustBelowZeroRoundsToZero", "[eye1]\nframes=3\nframes=-0.5", 0,
     [](const SkinDef& s, auto&) { EXPECT_EQ(s.Eyes[1].Frames, 0); }},
    // Kind.
    {"LongKindIsCut", "[eye1]\ntype=Distance", 0,
     [](const SkinDef& s, auto&) {
         EXPECT_EQ(s.Eyes[1].Kind.ToString(), "Distan");
         EXPECT_EQ(ClassifyKind(s.Eyes[1].Kind), EyeKind::Distan);
     }},
    {"ShortKindIsPadded", "[eye2]\ntype=  Direct", 0,
     [](const SkinDef& s, auto&) {
         EXPECT_EQ(s.Eyes[2].Kind.ToString(), "Direct");
         EXPECT_EQ(ClassifyKind(s.Eyes[2].Kind), EyeKind::Frames);
     }},
    // Pairs.
    {"PairWithoutCommaStoresNothing", "[eye1]\nxy=99\nframes=3", 2,
     [](const SkinDef& s, auto&) {
         EXPECT_EQ(s.Eyes[1].X, 150.0f);
         EXPECT_EQ(s.Eyes[1].Y, 795.0f);
         EXPECT_EQ(s.Eyes[1].Frames, 0);
     }},
    {"PairTakesTextAfterFirstComma", "[eye1]\nsize=4,5,6", 0,
     [](const SkinDef& s, auto&) {
         EXPECT_EQ(s.Eyes[1].Width, 60.0f);
         EXPECT_EQ(s.Eyes[1].Height, 75.0f);
     }},
    // Pictures.
    {"BackgroundLoads", "[setting]\nback=back.bmp", 0,
     [](auto&, const SkinReadResult& r) { EXPECT_EQ(BackgroundSize(r), QSize(40, 30)); }},
    {"PictureNamesIgnoreCaseAndTakeBackslashes",
     "[setting]\nback=BACK.Bmp\n[eye1]\npic=SUB\\pic.bmp\nmask=Sub/PIC.bmp", 0,
     [](const SkinDef& s, const SkinReadResult& r) {
         EXPECT_EQ(BackgroundSize(r), QSize(40, 30));
         EXPECT_EQ(SizeOf(s.Eyes[1].Pic), QSize(5, 4));
         EXPECT_EQ(SizeOf(s.Eyes[1].Mask), QSize(5, 4));
     }},
    {"MissingPictureFailsMidway",
     "[info]\nname=A\n[eye1]\npic=eye.bmp\nmask=gone.bmp\n[info]\ncreator=B", 5,
     [](const SkinDef& s, auto&) {
         EXPECT_EQ(s.Name, "A");
         EXPECT_EQ(s.Creator, "Quillon");
         EXPECT_EQ(SizeOf(s.Eyes[1].Pic), QSize(9, 8));
         EXPECT_EQ(SizeOf(s.Eyes[1].Mask), QSize(17, 16));
     }},
    {"FailedBackgroundKeepsThePreviousOne", "[setting]\nback=back.bmp\nback=junk.bmp", 3,
     [](auto&, const SkinReadResult& r) { EXPECT_EQ(BackgroundSize(r), QSize(40, 30)); }},
    {"EmptyPictureNameFails", "[setting]\nback=", 2,
     [](auto&, const SkinReadResult& r) { EXPECT_FALSE(r.Background); }},
    {"UndecodablePictureFails", "[eye2]\npic=junk.bmp", 2,
     [](const SkinDef& s, auto&) { EXPECT_EQ(SizeOf(s.Eyes[2].Pic), QSize(7, 7)); }},
    {"OversizedPictureFails", "[setting]\nback=wide.bmp", 2,
     [](auto&, const SkinReadResult& r) { EXPECT_FALSE(r.Background); }},
    {"FolderAsPictureFails", "[setting]\nback=folder.bmp", 2,
     [](auto&, const SkinReadResult& r) { EXPECT_FALSE(r.Background); }},
    {"PathOutOfTheFolderFails", "[setting]\nback=..\\outside.bmp", 2,
     [](auto&, const SkinReadResult& r) { EXPECT_FALSE(r.Background); }},
    {"SubfolderAndBackOutFails", "[setting]\nback=sub/../back.bmp", 2,
     [](auto&, const SkinReadResult& r) { EXPECT_FALSE(r.Background); }},
#ifdef Q_OS_UNIX
    {"LinkOutOfTheFolderFails", "[setting]\nback=link.bmp", 2,
     [](auto&, const SkinReadResult& r) { EXPECT_FALSE(r.Background); }},
    {"FifoFailsWithoutBlocking", "[setting]\nback=fifo.bmp", 2,
     [](auto&, const SkinReadResult& r) { EXPECT_FALSE(r.Background); }},
#endif
};

INSTANTIATE_TEST_SUITE_P(Lines, ReaderRules, ::testing::ValuesIn(kReaderRows),
                         [](const auto& info) { return std::string(info.param.Name); });

class ReaderTest : public ReaderFixture, public ::testing::Test {};

TEST_F(ReaderTest, AbsolutePictureNameFails) {
    const QByteArray line = "[setting]\nback=" + QFile::encodeName(dir_.path()) + "/outside.bmp";
    const SkinReadResult result = Read(line);
    EXPECT_EQ(result.FailedLine, 2);
    EXPECT_FALSE(result.Background);
}

TEST_F(ReaderTest, PicturesTakeTheirRolesSeeThroughColour) {
    QImage clear(4, 4, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    ASSERT_TRUE(clear.save(root_ + "/clear.png", "PNG"));
    const SkinReadResult result =
        Read("[setting]\nback=clear.png\n[eye1]\npic=clear.png\nmask=clear.png");
    ASSERT_FALSE(result.Failed());
    ASSERT_TRUE(result.Background);
    EXPECT_EQ(result.Background->Image().pixel(0, 0), qRgb(255, 0, 255));
    EXPECT_EQ(skin_.Eyes[1].Pic.Image().pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(skin_.Eyes[1].Mask.Image().pixel(0, 0), qRgb(255, 255, 255));
}

TEST_F(ReaderTest, ReportsEveryLinesOutcome) {
    const SkinReadResult result =
        Read("; c\n[other]\nname=B\n[Info]\nname=A\nsize=1\n[Eye9]\nxy=1,2\n[SETTING]\neyes=2.5\n"
             "[eye1]\nxy=1,2\ntype=Distance\nback=x\npic=sub\\nothere.bmp\nframes=300",
             true);
    EXPECT_EQ(result.LinesRead, 15);
    EXPECT_EQ(result.FailedLine, 15);
    EXPECT_EQ(result.Failure, SkinLineStatus::PictureNotLoaded);
    using S = SkinLineStatus;
    using K = SkinSectionKind;
    const std::vector<std::pair<S, K>> lines{
        {S::Blank, K::None},      {S::Section, K::Other},     {S::UnusedSection, K::Other},
        {S::Section, K::Info},    {S::Applied, K::Info},      {S::UnknownKey, K::Info},
        {S::Section, K::Eye},     {S::EyeOutOfRange, K::Eye}, {S::Section, K::Setting},
        {S::Applied, K::Setting}, {S::Section, K::Eye},       {S::Applied, K::Eye},
        {S::Applied, K::Eye},     {S::UnknownKey, K::Eye},    {S::PictureNotLoaded, K::Eye}};
    ASSERT_EQ(outcomes_.size(), lines.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(outcomes_[i].Status, lines[i].first) << "line " << i + 1;
        EXPECT_EQ(outcomes_[i].SectionKind, lines[i].second) << "line " << i + 1;
        EXPECT_EQ(outcomes_[i].Line, static_cast<int>(i) + 1);
    }
    EXPECT_EQ(outcomes_[2].Key, "name");
    EXPECT_EQ(outcomes_[4].Field, "Name");
    EXPECT_EQ(outcomes_[4].Value, "A");
    EXPECT_EQ(outcomes_[6].Section, "Eye9");
    EXPECT_EQ(outcomes_[7].Key, "xy");
    EXPECT_EQ(outcomes_[9].Field, "Eyes");
    EXPECT_EQ(outcomes_[9].Value, "2.5");
    EXPECT_EQ(outcomes_[9].Stored, "2");
    EXPECT_EQ(outcomes_[11].Field, "Eyes(1).X,Y");
    EXPECT_EQ(outcomes_[11].Value, "1,2");
    EXPECT_EQ(outcomes_[11].Stored, "15,30");
    EXPECT_EQ(outcomes_[12].Stored, "Distan");
    // The file tried: the name as written, under the folder, with "/" between folder names.
    EXPECT_EQ(outcomes_[14].Path, root_ + "/sub/nothere.bmp");
    EXPECT_FALSE(SkinLineStatusText(S::FramesOutOfRange).isEmpty());
}

TEST_F(ReaderTest, LoneBracketKeepsTheCurrentSection) {
    Read("[info]\n[", true);
    ASSERT_EQ(outcomes_.size(), 2u);
    EXPECT_EQ(outcomes_[1].Status, SkinLineStatus::LoneBracket);
    EXPECT_EQ(outcomes_[1].Section, "info");
}

TEST_F(ReaderTest, FileIsFoundInAnyLetterCase) {
    ASSERT_TRUE(WriteBytes(root_, "SKIN.INI", "[info]\nname=Upper"));
    const auto result = ReadSkinFile(root_, SkinTarget{skin_, units_});
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(skin_.Name, "Upper");
}

TEST_F(ReaderTest, MissingFileReadsNothing) {
    EXPECT_FALSE(ReadSkinFile(root_, SkinTarget{skin_, units_}).has_value());
    EXPECT_EQ(skin_.Name, "Ally McOrbo");
}

TEST_F(ReaderTest, FolderNamedSkinIniReadsNothing) {
    QDir().mkpath(root_ + "/Skin.ini");
    EXPECT_FALSE(ReadSkinFile(root_, SkinTarget{skin_, units_}).has_value());
}

TEST_F(ReaderTest, LongFileIsReadUpToTheLastWholeLineOfItsFirstMebibyte) {
    // "name=" lines up to just short of the limit, then one whose UTF-8 "é" straddles it.
    QByteArray text = "[info]\n";
    while (text.size() < kMaxSkinFileBytes - 100)
        text += "name=" + QByteArray(80, 'a') + "\n";
    text += "creator=" + QByteArray(kMaxSkinFileBytes - text.size() - 9, 'b') +
            "\xc3\xa9 cut\ndate=never";
    ASSERT_TRUE(WriteBytes(root_, "Skin.ini", text));
    const auto result = ReadSkinFile(root_, SkinTarget{skin_, units_});
    ASSERT_TRUE(result.has_value());
    EXPECT_FALSE(result->Failed());
    EXPECT_EQ(skin_.Name, QString(80, u'a'));
    EXPECT_EQ(skin_.Creator, "Quillon"); // the cut line is not read
    EXPECT_EQ(skin_.Date, "18/2/0");
}

} // namespace
} // namespace orbo
