#pragma once

namespace shell {

// Brings up the main window with the sign-in window over it.
void startProgram();

}  // namespace shell
