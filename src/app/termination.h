#pragma once

#include <functional>

namespace trelvo {

// Turns SIGTERM, SIGHUP and SIGINT (log-out, shutdown, a closed terminal, Ctrl+C) into a call of
// `action` from the event loop, where the screens can still save. Without it the program would
// die at once and lose the practice it holds in memory.
void on_termination_signal(std::function<void()> action);

// Whether such a signal has come. The event loop forgets a request to end that came before it
// started (during the start-up notice), so start-up asks here before it runs the loop.
bool termination_requested();

// What the program does then: every open screen writes what it holds, then `quit` ends it.
void end_on_termination(const std::function<void()>& quit);

}  // namespace trelvo
