// The session bus, asked for only where one is there.
#pragma once

namespace orbo {

// Whether a session bus is there to ask: asking for one where there is none would start a bus
// daemon that outlives the program.
bool SessionBusReachable();

// Where no session bus is there, tells the bus library so before anything asks for one (Qt's tray
// and accessibility do): its default would start a bus daemon that outlives the program. Call it
// before the application object is made.
void KeepOffAbsentSessionBus();

} // namespace orbo
