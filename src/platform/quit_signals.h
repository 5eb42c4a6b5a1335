#pragma once

namespace olvane::platform
{

/// SIGTERM (a desktop logout, `kill`) and SIGINT (Ctrl+C in a terminal) end the program at once
/// and cleanly, without the box Alt+F4 shows: from installing until restoring, either signal only
/// marks the program asked to end, and the event loop ends it.
void InstallQuitSignals();

/// Gives both signals back to whoever handled them before.
void RestoreQuitSignals();

/// True once either signal came since installing.
bool QuitSignalled();

} // namespace olvane::platform
