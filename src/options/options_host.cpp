// The options window's one owner.
#include "options_host.h"

#include "creature/creature.h"
#include "creature_widget/creature_widget.h"
#include "platform/window/native_window.h"

namespace orbo {

void OptionsHost::ShowOrHide() {
    if (!window_ || window_->Closed()) {
        window_ = std::make_unique<OptionsWindow>(creature_, creatureWidget_);
        KeepAboveOwner(*window_, creatureWidget_);
    }
    window_->ShowOrHide();
}

} // namespace orbo
