// The skin record: SkinDef, its eyes, and the eye kinds.
#pragma once

#include "runtime/picture.h"

#include <QtCore/QString>

#include <array>
#include <cstdint>
#include <vector>

namespace orbo {

// A fixed-length text of exactly six UTF-16 characters: shorter texts are padded with spaces,
// longer ones cut. A kind never set holds six NULs.
class KindText {
public:
    static constexpr int kLength = 6;

    KindText() { chars_.fill(u'\0'); }
    explicit KindText(QStringView text) { Assign(text); }
    void Assign(QStringView text);

    QString ToString() const;
    const std::array<char16_t, kLength>& Chars() const { return chars_; }
    bool operator==(const KindText&) const = default;

private:
    std::array<char16_t, kLength> chars_{};
};

// The kinds of eye the animation knows, as the trimmed, lower-cased kind text names them.
enum class EyeKind { None, Frames, Auto, Blink, Matrix, Rect, Distan };

// Trims spaces, lower-cases and matches in the animation's order ("frames" and "direct" are one
// kind). Allocates nothing.
EyeKind ClassifyKind(const KindText& kind);

struct EyeDef {
    KindText Kind;
    float Y = 0;             // twips, top of the box within the background
    float X = 0;             // twips, left of the box
    float Width = 0;         // twips; for "matrix" the columns, stored like a width
    float Height = 0;        // twips; for "matrix" the rows
    std::uint8_t Frames = 0; // frames of a strip; for "blink" the button code
    Picture Pic;
    Picture Mask;

    // A "matrix" eye keeps its grid where other kinds keep their box's size, and a "blink" eye
    // the buttons that show it where others keep their frame count.
    float Columns() const { return Width; }
    float Rows() const { return Height; }
    std::uint8_t ButtonCode() const { return Frames; }
};

// The eye count is an unsigned byte: a skin has at most this many eyes.
inline constexpr int kMaxEyes = 255;

struct SkinDef {
    QString Name;
    QString Email;
    QString HomePage;
    QString Creator;
    QString Date;
    QString Comment;
    // Lower bound 0; element 0 is never drawn. Empty before the first activation.
    std::vector<EyeDef> Eyes;

    // The upper bound of Eyes, -1 while it holds nothing.
    int LastEyeIndex() const { return static_cast<int>(Eyes.size()) - 1; }
    // Throws every element away and makes elements 0 to upper anew, all empty.
    void RemakeEyes(int upper);
};

} // namespace orbo
