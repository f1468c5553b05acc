// The owner of the options window, made when the user chooses "&Options".
#pragma once

#include "options/options_window.h"

#include <memory>

namespace orbo {

class Creature;
class Form1;

// Makes the options window when "&Options" is chosen, and again after the user closed it: a new
// one is filled from the settings as they are then. The window lives until then, or until the
// host ends.
class OptionsHost {
public:
    OptionsHost(const Creature& creature, Form1& form1) : creature_(creature), form1_(form1) {}

    // "&Options": shows the window beside the creature, or hides it when it shows.
    void ShowOrHide();
    OptionsWindow* Window() const { return window_.get(); }

private:
    const Creature& creature_;
    Form1& form1_;
    std::unique_ptr<OptionsWindow> window_;
};

} // namespace orbo
