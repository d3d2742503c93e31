// The three panels that slide in beside the main menu (options, records, help) as a set: at
// most one of them is open at a time.
#pragma once

#include <cstdint>
#include <string>

enum class TPanelKind { Options, Records, Help };

// Closes an open panel (back to the main menu) or opens a closed one (its screen becomes
// current); either way the other two close if they are open.
void TogglePanel(TPanelKind kind);
// Closes the panels that are open.
void CloseOpenPanels();
// Closes all three; the options close applies and saves the settings even when it was not open.
void CloseAllPanels();
// The main menu's buttons shown and its screen current, as after leaving a panel.
void ReturnToMainMenu();
// The ended game hidden and reset, the main menu's background and buttons back up; the caller
// chooses the screen and the music (resetting the game stops it).
void LeaveEndedGame();
// Opens a link file or an address with the desktop's program while the game steps aside; the
// panels close and their screen ends with them.
void OpenLinkFile(const std::string& fileOrAddress);
// The screens that belong to a panel (options with its name and key entry, help, records).
bool IsPanelState(std::uint8_t state);
