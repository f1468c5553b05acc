// Whether the window system the program will use can be reached, before Qt tries.
#pragma once

#include <QtCore/QString>

#include <optional>

namespace orbo {

// The display the program will use, looked at before the QApplication is made (Qt aborts when its
// platform does not start): the platform and display Qt takes from the command line (-platform,
// -display, also with two dashes) or from QT_QPA_PLATFORM and DISPLAY. The connection it opens is
// held until Release: a server started without -noreset resets when its last client leaves, which
// would pull the display from under the connection Qt is about to make.
class DisplayCheck {
public:
    DisplayCheck(int argc, char* argv[]);
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck&) = delete;
    DisplayCheck& operator=(const DisplayCheck&) = delete;

    // Why the display cannot be reached, in one line in the user's language; nothing when it
    // can be, or when Qt was told to use a platform that needs no display (such as offscreen).
    std::optional<QString> Problem() const;
    // Lets the held connection go, once the application has its own.
    void Release();

private:
    enum class Trouble { Nothing, NoDisplay, NoXWayland, Unanswered };
    Trouble trouble_ = Trouble::Nothing;
    QString name_;
    void* connection_ = nullptr;
};

} // namespace orbo
