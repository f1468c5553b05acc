// The notice that the eyes follow the pointer only over X11 windows on this desktop.
#pragma once

class QMessageBox;
class QWidget;

namespace orbo {

class Creature;
class Desktop;
class SettingsStore;
struct Choices;

// Under a Wayland desktop that tells programs nothing of the pointer, the eyes follow it only
// over X11 windows. The user is told so at start, in a window of its own (many such desktops have
// no tray), until they tick "Do not tell me again".
bool ShouldTellWherePointerIsSeen(const Desktop& desktop, const Choices& choices);
// The notice, shown without blocking the creature; it deletes itself when closed, the choice
// never to be told again stored with the creature's. Null when the user need not be told.
QMessageBox* TellWherePointerIsSeen(const Desktop& desktop, Creature& creature,
                                    SettingsStore& store, QWidget* parent = nullptr);

} // namespace orbo
