// The options window's page rectangles and the texts of its About pages and labels.
#include "options/options_layout.h"

#include "creature/default_skin.h"

#include <gtest/gtest.h>

#include <tuple>

namespace orbo {
namespace {

// Pages sit right of the 615-twip menu column; the control filling one keeps an 80-twip
// margin on every side. Never a negative size.
TEST(PageRect, PagesAndTheirFillingControl) {
    struct Row {
        float scaleWidth, scaleHeight;
        TwipsRect page, fill;
    };
    const Row rows[] = {{4590, 1545, {615, 0, 3975, 1545}, {80, 80, 3815, 1385}},
                        {775, 160, {615, 0, 160, 160}, {80, 80, 0, 0}},
                        {776, 161, {615, 0, 161, 161}, {80, 80, 1, 1}},
                        {300, -30, {615, 0, 0, 0}, {80, 80, 0, 0}}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.scaleWidth);
        const TwipsRect page = PageRect(row.scaleWidth, row.scaleHeight, 615);
        EXPECT_EQ(row.page, page);
        EXPECT_EQ(row.fill, PageFillRect(page.Width, page.Height));
    }
}

SkinDef Info(QString name, QString creator, QString date, QString email, QString home,
             QString comment) {
    SkinDef s;
    std::tie(s.Name, s.Creator, s.Date, s.Email, s.HomePage, s.Comment) =
        std::tie(name, creator, date, email, home, comment);
    return s;
}

// Four lines joined by a lone carriage return; nothing is trimmed, a line break inside a field
// stays as it is.
TEST(AboutSkinText, FourLinesJoinedByALoneCarriageReturn) {
    EXPECT_EQ(
        u"'Ally McOrbo' by Quillon, 18/2/0\ra@b.example\rb.example\r",
        AboutSkinText(Info("Ally McOrbo", "Quillon", "18/2/0", "a@b.example", "b.example", "")));
    EXPECT_EQ(u"' Blue ' by Me ,  1/1/1\r m@x\rx \rtwo\r\nlines",
              AboutSkinText(Info(" Blue ", "Me ", " 1/1/1", " m@x", "x ", "two\r\nlines")));
}

TEST(CreditsText, SixLinesNamingTheVersionAndThanks) {
    EXPECT_EQ(QStringList({"Orbo 1.0.0", "by Quillon", kDefaultSkinEmail, kDefaultSkinHomePage,
                           "Thanks To:", "Dorel Vant- Tinyclaw"})
                  .join(u'\r'),
              CreditsText(QStringLiteral("1.0.0")));
}

TEST(LabelText, EveryLineEndBecomesOneBreak) {
    EXPECT_EQ(u"a\nb\nc\nd\n\ne", LabelText(QStringLiteral("a\rb\r\nc\nd\r\re")));
}

} // namespace
} // namespace orbo
