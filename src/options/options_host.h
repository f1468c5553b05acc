#pragma once

#include "options/frm_options.h"

#include <QtCore/QPointer>

class QMenu;

namespace orbo {

class Form1;
struct mdlGeneral;

// Makes the options window, hidden, the first time its popup menu is needed, and again after
// the user closed (and so destroyed) it: a new one is filled from the settings as they are then.
class OptionsHost {
public:
    OptionsHost(mdlGeneral& general, Form1& form1) : general_(general), form1_(form1) {}

    QMenu* Menu();
    frmOptions* Window() const { return window_; }

private:
    mdlGeneral& general_;
    Form1& form1_;
    QPointer<frmOptions> window_;
};

} // namespace orbo
