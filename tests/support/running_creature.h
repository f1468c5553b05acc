// The creature window as the program makes it, on a scripted desktop with settings in memory.
#pragma once

#include "creature/creature.h"
#include "creature_widget/creature_widget.h"
#include "memory_settings_store.h"
#include "scripted_desktop.h"

namespace orbo::testing {

struct RunningCreature {
    ScriptedDesktop Desk;
    MemorySettingsStore Store;
    Creature Model{Desk, {}};
    CreatureWidget Form{Model, Desk, Store};
};

} // namespace orbo::testing
