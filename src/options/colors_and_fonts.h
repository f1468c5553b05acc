// The options window's colours and fonts: colours as the forms designer writes them, and setting
// them on a control.
#pragma once

#include <QtGui/QColor>
#include <QtGui/QFont>
#include <QtGui/QPalette>

#include <cstdint>

class QWidget;

namespace orbo {

// Colours as the forms designer writes them: &H00BBGGRR, or a system colour with the top bit set.
inline constexpr std::uint32_t kPageColor = 0x0000FFBF;
inline constexpr std::uint32_t kSelectedBack = 0x0000FFC7;
inline constexpr std::uint32_t kSelectedFore = 0x00B100FD;
inline constexpr std::uint32_t kButtonFace = 0x8000000F;
inline constexpr std::uint32_t kButtonText = 0x80000012;
inline constexpr std::uint32_t kPanelGrey = 0x00C0C0C0;
inline constexpr std::uint32_t kDarkGrey = 0x00404040;
inline constexpr std::uint32_t kMagentaBox = 0x00FF00FF;

// The colour a designer's value stands for: a system colour from the palette, any other as it is.
QColor OleColor(std::uint32_t value, const QPalette& palette);

QFont Font(const char* family, double points, bool bold = false);

// Into the roles the control paints with: a label fills with Window, a check box with Button.
void SetColors(QWidget& control, const QColor& back, const QColor& fore);
void SetTextColor(QWidget& control, const QColor& fore);
void SetBold(QWidget& control, bool bold);

} // namespace orbo
