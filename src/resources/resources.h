// The built-in pictures and Orbo's icon, compiled into the program.
#pragma once

#include "runtime/picture.h"

#include <QtCore/QLocale>
#include <QtGui/QIcon>

namespace orbo {

// Makes the built-in pictures and translations reachable under ":/"; any number of calls.
void InitResources();

// A built-in picture (a ":/" name), prepared for its role; empty when there is none.
Picture ResourcePicture(const char* name, PictureRole role);

// Orbo's icon, for the frames, taskbars and window switchers that show one.
QIcon AppIcon();

// Shows the application's texts in the first of the locale's interface languages that Orbo has a
// catalogue for (the system's: on Windows the user's display language), Qt's own with them.
// Call once the application object exists.
void InstallTranslations(const QLocale& locale = QLocale::system());

} // namespace orbo
