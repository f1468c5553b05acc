// The options window's page rectangles and the texts of its About pages and labels.
#include "options_layout.h"

#include "creature/default_skin.h"

#include <algorithm>

namespace orbo {

namespace {

constexpr QChar kCr = u'\r';

float NotNegative(float value) {
    return std::max(value, 0.0f);
}

} // namespace

TwipsRect PageRect(float scaleWidth, float scaleHeight, float menuWidth) {
    return {menuWidth, 0, NotNegative(scaleWidth - menuWidth), NotNegative(scaleHeight)};
}

TwipsRect PageFillRect(float pageScaleWidth, float pageScaleHeight) {
    return {kPageMargin, kPageMargin, NotNegative(pageScaleWidth - 2 * kPageMargin),
            NotNegative(pageScaleHeight - 2 * kPageMargin)};
}

QString AboutSkinText(const SkinDef& skin) {
    return QStringLiteral("'") + skin.Name + QStringLiteral("'") + QStringLiteral(" by ") +
           skin.Creator + QStringLiteral(", ") + skin.Date + kCr + skin.Email + kCr +
           skin.HomePage + kCr + skin.Comment;
}

QString CreditsText(const QString& version) {
    return QStringLiteral("Orbo ") + version + kCr + QStringLiteral("by Quillon") + kCr +
           kDefaultSkinEmail + kCr + kDefaultSkinHomePage + kCr + QStringLiteral("Thanks To:") +
           kCr + QStringLiteral("Dorel Vant- Tinyclaw");
}

QString LicenceText(const QString& version) {
    return QStringLiteral("Orbo ") + version + kCr +
           QStringLiteral("Copyright \u00A9 2026 Orbo developers") + kCr +
           QStringLiteral("ABSOLUTELY NO WARRANTY. Free software") + kCr +
           QStringLiteral("under the GNU General Public License,") + kCr +
           QStringLiteral("version 3 or later, which is at") + kCr +
           QStringLiteral("https://www.gnu.org/licenses/gpl-3.0.html");
}

QString LabelText(const QString& caption) {
    QString text = caption;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(kCr, u'\n');
    return text;
}

} // namespace orbo
