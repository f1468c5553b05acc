// The skin record's kind texts, kind names and eye list.
#include "skin_def.h"

#include "runtime/arith.h"

namespace orbo {

void KindText::Assign(QStringView text) {
    for (int i = 0; i < kLength; ++i)
        chars_[i] = i < text.size() ? text[i].unicode() : u' ';
}

QString KindText::ToString() const {
    return QString(reinterpret_cast<const QChar*>(chars_.data()), kLength);
}

EyeKind ClassifyKind(const KindText& kind) {
    const QStringView trimmed = TrimSpaces(QStringView(kind.Chars().data(), KindText::kLength));
    char16_t word[KindText::kLength] = {};
    const qsizetype length = trimmed.size();
    for (qsizetype i = 0; i < length; ++i)
        word[i] = trimmed[i].toLower().unicode();
    const std::u16string_view w(word, static_cast<size_t>(length));
    if (w == u"frames" || w == u"direct")
        return EyeKind::Frames;
    if (w == u"auto")
        return EyeKind::Auto;
    if (w == u"blink")
        return EyeKind::Blink;
    if (w == u"matrix")
        return EyeKind::Matrix;
    if (w == u"rect")
        return EyeKind::Rect;
    if (w == u"distan")
        return EyeKind::Distan;
    return EyeKind::None;
}

void SkinDef::RemakeEyes(int upper) {
    Eyes.clear();
    Eyes.resize(static_cast<size_t>(upper < 0 ? 0 : upper + 1));
}

} // namespace orbo
