// The program's own look, whatever the desktop's style, colours and fonts.
#pragma once

class QFont;

namespace fw::look {

// Run before the toolkit is constructed: the desktop's settings are not to reach the program.
void ignoreDesktopSettings();
// Run once the toolkit runs: the program's own style, light palette and font.
void applyLook();
// The font "System" at size 0 stands for, chosen once on first use (after the program's own
// fonts are registered); from then on also the application's font, for menus and dialogs.
const QFont& systemFont();

} // namespace fw::look
