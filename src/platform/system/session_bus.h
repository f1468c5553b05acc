// The session bus, asked for only where one is there.
#pragma once

namespace orbo {

// Whether a session bus is there to ask: asking for one where there is none would start a bus
// daemon that outlives the program.
bool SessionBusReachable();

} // namespace orbo
