#include "options/options_layout.h"

#include "skin/default_skin.h"

#include <gtest/gtest.h>

namespace orbo {
namespace {

struct PageRow {
    float scaleWidth;
    float scaleHeight;
    TwipRect page;
    TwipRect fill; // the control filling a page of that size
};

class PageLayoutTest : public ::testing::TestWithParam<PageRow> {};

TEST_P(PageLayoutTest, PagesAndTheirFillingControl) {
    const PageRow& r = GetParam();
    const TwipRect page = PageRect(r.scaleWidth, r.scaleHeight, 615);
    EXPECT_EQ(page, r.page);
    EXPECT_EQ(PageFillRect(page.Width, page.Height), r.fill);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, PageLayoutTest,
    ::testing::Values(
        // design time: pages 3975 wide at 615, the list 160 smaller at 80, 80
        PageRow{4590, 1545, {615, 0, 3975, 1545}, {80, 80, 3815, 1385}},
        PageRow{6000, 3000, {615, 0, 5385, 3000}, {80, 80, 5225, 2840}},
        // a page smaller than the margins: the filling control shrinks to nothing
        PageRow{700, 100, {615, 0, 85, 100}, {80, 80, 0, 0}},
        // narrower than the menu column, or minimised to nothing: never a negative size
        PageRow{300, 1545, {615, 0, 0, 1545}, {80, 80, 0, 1385}},
        PageRow{0, 0, {615, 0, 0, 0}, {80, 80, 0, 0}},
        PageRow{-45, -30, {615, 0, 0, 0}, {80, 80, 0, 0}}));

SkinDef Info(QString name, QString creator, QString date, QString email, QString home,
             QString comment) {
    SkinDef s;
    s.Name = std::move(name);
    s.Creator = std::move(creator);
    s.Date = std::move(date);
    s.Email = std::move(email);
    s.HomePage = std::move(home);
    s.Comment = std::move(comment);
    return s;
}

struct AboutRow {
    SkinDef skin;
    QString text;
};

class AboutSkinTextTest : public ::testing::TestWithParam<AboutRow> {};

TEST_P(AboutSkinTextTest, FourLinesJoinedByALoneCarriageReturn) {
    EXPECT_EQ(AboutSkinText(GetParam().skin), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Skins, AboutSkinTextTest,
    ::testing::Values(AboutRow{Info("Ally McOrbo", "Quillon", "18/2/0", "a@b.example", "b.example",
                                    ""),
                               "'Ally McOrbo' by Quillon, 18/2/0\ra@b.example\rb.example\r"},
                      AboutRow{Info({}, {}, {}, {}, {}, {}), "'' by , \r\r\r"},
                      // nothing is trimmed, and a line break inside a field stays as it is
                      AboutRow{Info(" Blue ", "Me ", " 1/1/1", " m@x", "x ", "two\r\nlines"),
                               "' Blue ' by Me ,  1/1/1\r m@x\rx \rtwo\r\nlines"}));

TEST(CreditsText, SixLinesNamingTheVersionAndThanks) {
    const QStringList lines = CreditsText(QStringLiteral("1.0.0")).split(u'\r');
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], u"Orbo 1.0.0");
    EXPECT_EQ(lines[1], u"by Quillon");
    EXPECT_EQ(lines[2], kDefaultSkinEmail);
    EXPECT_EQ(lines[3], kDefaultSkinHomePage);
    EXPECT_EQ(lines[4], u"Thanks To:");
    EXPECT_EQ(lines[5], u"Dorel Vant- Tinyclaw");
    EXPECT_FALSE(CreditsText(QStringLiteral("1.0.0")).contains(u'\n'));
}

TEST(LabelText, EveryLineEndBecomesOneBreak) {
    EXPECT_EQ(LabelText(QStringLiteral("a\rb\r\nc\nd\r\re")), u"a\nb\nc\nd\n\ne");
    EXPECT_EQ(LabelText(QStringLiteral("'' by , \r\r\r")), u"'' by , \n\n\n");
}

} // namespace
} // namespace orbo
