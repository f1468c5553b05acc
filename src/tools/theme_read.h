// Reading an eyes applet theme for import: its "config" and its two pictures, checked.
#pragma once

#include <QtCore/QString>
#include <QtGui/QImage>

#include <optional>

namespace orbo {

// Why a theme is refused, in the user's language; the skin's own files stay in English.
QString ImportText(const char* text);

// A theme's eye and pupil pictures and numbers, checked.
struct Theme {
    QImage Eye;
    QImage Pupil;
    int Eyes = 0;
    qint64 Wall = 0;
};

// Reads the theme's "config" and pictures; what makes it no theme to import, if anything.
std::optional<QString> ReadTheme(const QString& folder, Theme& theme);

} // namespace orbo
