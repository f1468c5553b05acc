// The options window's one owner.
#include "options_host.h"

#include "creature/creature.h"
#include "main/form1.h"
#include "platform/window/native_window.h"

namespace orbo {

void OptionsHost::ShowOrHide() {
    if (!window_ || window_->Closed()) {
        window_ = std::make_unique<OptionsWindow>(creature_.General(), form1_);
        KeepAboveOwner(*window_, form1_);
    }
    window_->ShowOrHide();
}

} // namespace orbo
