// The program as the framework and the desktop know it.
#pragma once

namespace shell {

// Tells the framework where the program's resources lie, then names the program's desktop entry
// and icon to the desktop. After the runtime's start.
void SetUpProgramIdentity();

} // namespace shell
