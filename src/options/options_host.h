// The owner of the options window, made when the user chooses "&Options".
#pragma once

#include "options/options_window.h"

#include <memory>

namespace orbo {

class Creature;
class CreatureWidget;

// Makes the options window when "&Options" is chosen, and again after the user closed it: a new
// one is filled from the settings as they are then. The window lives until then, or until the
// host ends.
class OptionsHost {
public:
    OptionsHost(Creature& creature, CreatureWidget& creatureWidget)
        : creature_(creature), creatureWidget_(creatureWidget) {}

    // "&Options": shows the window beside the creature, or hides it when it shows.
    void ShowOrHide();
    OptionsWindow* Window() const { return window_.get(); }

private:
    Creature& creature_;
    CreatureWidget& creatureWidget_;
    std::unique_ptr<OptionsWindow> window_;
};

} // namespace orbo
