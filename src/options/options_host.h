// The owner of the options window, made when the popup menu is first needed.
#pragma once

#include "options/frm_options.h"

#include <memory>

class QMenu;

namespace orbo {

class Creature;
class CreatureMenu;
class Form1;

// Makes the options window, hidden, the first time its popup menu is needed, and again after
// the user closed it: a new one is filled from the settings as they are then. The window lives
// until then, or until the host ends. The popup menu's own two commands come first, then the
// rest of the creature's menu.
class OptionsHost {
public:
    OptionsHost(const Creature& creature, Form1& form1) : creature_(creature), form1_(form1) {}

    // The rest of the popup menu, from a window made after this.
    void SetCreatureMenu(CreatureMenu* more) { more_ = more; }
    QMenu* Menu();
    frmOptions* Window() const { return window_.get(); }

private:
    const Creature& creature_;
    Form1& form1_;
    CreatureMenu* more_ = nullptr;
    std::unique_ptr<frmOptions> window_;
};

} // namespace orbo
