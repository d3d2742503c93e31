// The three panels that slide in beside the main menu (options, records, help) as a set: at
// most one of them is open at a time. Also the ways back to the main menu and out to a link.
#pragma once

#include <cstdint>
#include <string>

class TScreens;

enum class TPanelKind { Options, Records, Help };

// Closes an open panel (back to the main menu) or opens a closed one (its screen becomes
// current); either way the other two close if they are open.
void TogglePanel(TScreens& screens, TPanelKind kind);
// Closes the panels that are open.
void CloseOpenPanels(TScreens& screens);
// Closes all three; the options close applies and saves the settings even when it was not open.
void CloseAllPanels(TScreens& screens);
// The main menu current again, as after leaving a panel.
void ReturnToMainMenu(TScreens& screens);
// Opens a link file or an address with the desktop's program while the game steps aside; the
// panels close and their screen ends with them.
void OpenLinkFile(TScreens& screens, const std::string& fileOrAddress);
// The screens that belong to a panel (options with its name and key entry, help, records).
bool IsPanelState(std::uint8_t state);
