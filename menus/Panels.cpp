#include "menus/Panels.h"

#include "menus/GameStates.h"
#include "menus/Screens.h"
#include "runtime/system.h"

namespace {

template <typename Screen>
void Toggle(TScreens& screens, Screen& screen, std::uint8_t openState) {
  if (screen.Panel.Opened) {
    screen.Close();
    screens.Host.ChangeState(gsMainMenu);
  } else {
    screen.Open();
    screens.Host.ChangeState(openState);
  }
}

template <typename Screen>
void CloseIfOpen(Screen& screen) {
  if (screen.Panel.Opened) screen.Close();
}

}  // namespace

void TogglePanel(TScreens& screens, TPanelKind kind) {
  switch (kind) {
    case TPanelKind::Options:
      Toggle(screens, screens.Options, gsOptions);
      CloseIfOpen(screens.Help);
      CloseIfOpen(screens.RecordsPanel);
      break;
    case TPanelKind::Records:
      Toggle(screens, screens.RecordsPanel, gsRecords);
      CloseIfOpen(screens.Options);
      CloseIfOpen(screens.Help);
      break;
    case TPanelKind::Help:
      Toggle(screens, screens.Help, gsHelp);
      CloseIfOpen(screens.Options);
      CloseIfOpen(screens.RecordsPanel);
      break;
  }
}

void CloseOpenPanels(TScreens& screens) {
  CloseIfOpen(screens.Options);
  CloseIfOpen(screens.Help);
  CloseIfOpen(screens.RecordsPanel);
}

void CloseAllPanels(TScreens& screens) {
  screens.Help.Close();
  screens.Options.Close();
  screens.RecordsPanel.Close();
}

void ReturnToMainMenu(TScreens& screens) {
  screens.Host.ChangeState(gsMainMenu);
}

void OpenLinkFile(TScreens& screens, const std::string& fileOrAddress) {
  screens.Host.MinimizeWindow();
  sys::system().ShellOpen(fileOrAddress);
  CloseOpenPanels(screens);
  // A closed panel takes no more keys or clicks: its screen ends with it.
  if (IsPanelState(screens.Host.State())) screens.Host.ChangeState(gsMainMenu);
}

bool IsPanelState(std::uint8_t state) {
  return state == gsOptions || state == gsOptionsName || state == gsOptionsKey || state == gsHelp ||
         state == gsRecords;
}
