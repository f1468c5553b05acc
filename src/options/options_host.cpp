// The options window's one owner.
#include "options_host.h"

#include "creature/creature.h"
#include "main/creature_menu.h"
#include "main/form1.h"
#include "platform/window/native_window.h"

namespace orbo {

QMenu* OptionsHost::Menu() {
    if (!window_ || window_->Closed()) {
        window_ = std::make_unique<frmOptions>(creature_.General(), form1_);
        KeepAboveOwner(*window_, form1_);
        if (more_)
            more_->Fill(window_->mnuMain, window_->mnuOptions, window_->mnuExit);
    }
    return &window_->mnuMain;
}

} // namespace orbo
