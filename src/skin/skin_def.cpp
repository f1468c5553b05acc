#include "skin_def.h"

namespace orbo {

void KindText::Assign(QStringView text) {
    for (int i = 0; i < kLength; ++i)
        chars_[i] = i < text.size() ? text[i].unicode() : u' ';
}

QString KindText::ToString() const {
    return QString(reinterpret_cast<const QChar*>(chars_.data()), kLength);
}

EyeKind ClassifyKind(const KindText& kind) {
    const auto& c = kind.Chars();
    int first = 0;
    int last = KindText::kLength;
    while (first < last && c[first] == u' ')
        ++first;
    while (last > first && c[last - 1] == u' ')
        --last;
    char16_t word[KindText::kLength] = {};
    const int length = last - first;
    for (int i = 0; i < length; ++i)
        word[i] = QChar(c[first + i]).toLower().unicode();
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

void SkinDef::ReDimEyes(int upper) {
    Eyes.clear();
    Eyes.resize(static_cast<size_t>(upper < 0 ? 0 : upper + 1));
}

} // namespace orbo
