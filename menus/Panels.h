// The three panels that slide in beside the main menu (options, records, help) as a set: at
// most one of them is open at a time.
#pragma once

#include <cstdint>

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
// The screens that belong to a panel (options with its name and key entry, help, records).
bool IsPanelState(std::uint8_t state);
