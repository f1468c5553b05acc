#include "options_host.h"

#include "main/form1.h"
#include "options/frm_options.h"

namespace orbo {

QMenu* OptionsHost::Menu() {
    // Owned by the creature window, so it ends with it.
    if (!window_)
        window_ = new frmOptions(general_, form1_, &form1_);
    return &window_->mnuMain;
}

} // namespace orbo
