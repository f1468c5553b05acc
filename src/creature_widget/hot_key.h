// The key that hides and shows the creature from anywhere.
#pragma once

namespace orbo {

class Desktop;
class CreatureWidget;

// Listens for the key stored as HotKey, which hides and shows the creature as a click on the
// tray's icon does. An empty HotKey asks for none. A key that cannot be had (no key Orbo can
// listen for, or one another program holds) is told once, through the form's Told; a desktop
// that lets no program listen for a key everywhere is noted on standard error only.
void ListenForHotKey(Desktop& desktop, CreatureWidget& form);

} // namespace orbo
