// The built-in pictures and Orbo's icon, compiled into the program.
#pragma once

#include "runtime/picture.h"

#include <QtGui/QIcon>

namespace orbo {

// Makes the built-in pictures reachable under ":/"; any number of calls.
void InitResources();

// A built-in picture (a ":/" name), prepared for its role; empty when there is none.
Picture ResourcePicture(const char* name, PictureRole role);

// Orbo's icon, for the frames, taskbars and window switchers that show one.
QIcon AppIcon();

} // namespace orbo
