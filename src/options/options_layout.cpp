// The options window's page rectangles and the texts of its About pages and labels.
#include "options_layout.h"

#include "creature/default_skin.h"

#include <QtCore/QCoreApplication>

#include <algorithm>

namespace orbo {

namespace {

constexpr QChar kCr = u'\r';

QString Tr(const char* text) {
    return QCoreApplication::translate("orbo::OptionsWindow", text);
}

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
    return Tr(QT_TRANSLATE_NOOP("orbo::OptionsWindow", "'%1' by %2, %3"))
               .arg(skin.Name, skin.Creator, skin.Date) +
           kCr + skin.Email + kCr + skin.HomePage + kCr + skin.Comment;
}

QString CreditsText(const QString& version) {
    return QStringLiteral("Orbo ") + version + kCr +
           Tr(QT_TRANSLATE_NOOP("orbo::OptionsWindow", "by Quillon")) + kCr + kDefaultSkinEmail +
           kCr + kDefaultSkinHomePage + kCr +
           Tr(QT_TRANSLATE_NOOP("orbo::OptionsWindow", "Thanks To:")) + kCr +
           QStringLiteral("Dorel Vant- Tinyclaw");
}

QString LicenceText(const QString& version) {
    // One text, so that a translation breaks its own lines to fit the box.
    return QStringLiteral("Orbo ") + version + kCr +
           Tr(QT_TRANSLATE_NOOP("orbo::OptionsWindow", "Copyright © 2026 Orbo developers\n"
                                                       "ABSOLUTELY NO WARRANTY. Free software\n"
                                                       "under the GNU General Public License,\n"
                                                       "version 3 or later, which is at")) +
           kCr + QStringLiteral("https://www.gnu.org/licenses/gpl-3.0.html");
}

QString LabelText(const QString& caption) {
    QString text = caption;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(kCr, u'\n');
    return text;
}

} // namespace orbo
