// The hidden owner window: an invisible tool window that owns the windows
// kept off the task bar and receives exit requests from other threads.
#pragma once

// Creates it (its class registered once); null when that fails, which the
// program survives.
void* CreateHiddenOwnerWindow();
