// Runs every fixture skin under fixtures/skins/. Each Skin.ini states what reading it must give
// in comment lines of the form "; expect: <what> = <value>" (the reader skips them), where
// <what> is an info field, "Background" or "Eyes(N).Pic"/"Mask" (a size WxH, or "empty"),
// "Eyes" (the upper bound), "Eyes(N).<field>" or "FailedLine".

#include "platform/files.h"
#include "skin/activation.h"
#include "skin/default_skin.h"
#include "skin/skin_reader.h"
#include "skin_test_support.h"

#include <QtCore/QDir>
#include <QtCore/QRegularExpression>

#include <gtest/gtest.h>

namespace orbo {
namespace {

const QString kFixtures = QStringLiteral(ORBO_SOURCE_DIR "/tests/unit/fixtures/skins");

QString SizeText(const Picture& p) {
    if (p.IsEmpty())
        return QStringLiteral("empty");
    return QStringLiteral("%1x%2").arg(p.Image().width()).arg(p.Image().height());
}

QString KindText_(const KindText& kind) {
    if (kind == KindText())
        return QStringLiteral("<unset>");
    return kind.ToString().trimmed();
}

// What the fixture's expectation names, as text; nothing when the name is not known.
std::optional<QString> Actual(const QString& what, const SkinDef& skin,
                              const FakeCreatureWindow& window, const SkinReadResult& result) {
    if (what == u"Name")
        return skin.Name;
    if (what == u"Creator")
        return skin.Creator;
    if (what == u"HomePage")
        return skin.HomePage;
    if (what == u"Email")
        return skin.Email;
    if (what == u"Date")
        return skin.Date;
    if (what == u"Comment")
        return skin.Comment;
    if (what == u"Background")
        return SizeText(window.Background);
    if (what == u"Eyes")
        return QString::number(skin.EyesUBound());
    if (what == u"FailedLine")
        return QString::number(result.FailedLine);
    static const QRegularExpression eye(QStringLiteral("^Eyes\\((\\d+)\\)\\.(\\w+)$"));
    const auto match = eye.match(what);
    if (!match.hasMatch())
        return std::nullopt;
    const int index = match.captured(1).toInt();
    if (index > skin.EyesUBound())
        return QStringLiteral("<no such eye>");
    const EyeDef& e = skin.Eyes[static_cast<size_t>(index)];
    const QString field = match.captured(2);
    if (field == u"Kind")
        return KindText_(e.Kind);
    if (field == u"X")
        return QString::number(e.X);
    if (field == u"Y")
        return QString::number(e.Y);
    if (field == u"Width")
        return QString::number(e.Width);
    if (field == u"Height")
        return QString::number(e.Height);
    if (field == u"Frames")
        return QString::number(e.Frames);
    if (field == u"Pic")
        return SizeText(e.Pic);
    if (field == u"Mask")
        return SizeText(e.Mask);
    return std::nullopt;
}

class FixtureSkins : public ::testing::TestWithParam<QString> {};

TEST_P(FixtureSkins, ReadAsTheirCommentsSay) {
    const QString folder = kFixtures + u'/' + GetParam();
    const auto bytes = ReadRegularFile(folder + "/Skin.ini", kMaxSkinFileBytes);
    ASSERT_TRUE(bytes.has_value());

    static const DefaultSkinPictures pictures = DefaultSkinPictures::Load();
    const Units units;
    SkinDef skin;
    FakeCreatureWindow window(units);
    ActivateDefSkin(skin, window, units, pictures);
    const auto result = ReadSkinFolder(folder, skin, window, units);
    ASSERT_TRUE(result.has_value());

    int checked = 0;
    static const QRegularExpression expect(QStringLiteral("^; expect: ([^=]+?) = ?(.*)$"));
    for (const QString& line : SplitLines(*bytes)) {
        const auto match = expect.match(line);
        if (!match.hasMatch())
            continue;
        const QString what = match.captured(1);
        const auto actual = Actual(what, skin, window, *result);
        ASSERT_TRUE(actual.has_value()) << "unknown expectation " << what.toStdString();
        EXPECT_EQ(*actual, match.captured(2)) << what.toStdString();
        ++checked;
    }
    EXPECT_GT(checked, 0) << "a fixture without expectations";
}

QStringList FixtureNames() {
    return QDir(kFixtures).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

INSTANTIATE_TEST_SUITE_P(Folders, FixtureSkins, ::testing::ValuesIn(FixtureNames()),
                         [](const auto& info) { return info.param.toStdString(); });

TEST(FixtureSkinsPresent, EveryEdgeCaseFolderIsThere) {
    EXPECT_GE(FixtureNames().size(), 10);
}

} // namespace
} // namespace orbo
