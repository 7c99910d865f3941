// Where a window sends a WM_COMMAND it receives, decided from the command id
// alone. Control ids are kept below 20000 so that they never look like menu
// commands.
#pragma once

#include <cstdint>

enum class CommandRoute {
  kHandled,  // ids from 0xE100 up: answered as handled, nothing done
  kMenu,     // ids 20000 to 0xE0FF: menu commands
  kControl,  // anything lower: handed to the control owning the sender
};

CommandRoute RouteCommand(std::uint32_t id);
