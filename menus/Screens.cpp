#include "menus/Screens.h"

void TScreens::InitialState() {
  Main.InitialState();
  Help.InitialState();
  RecordsPanel.InitialState();
  Options.InitialState();
  Entry.InitialState();
  Dialog.InitialState();
}

void TScreens::Build() {
  Main.Build();
  RecordsPanel.Build();
  Entry.Build();
  Options.Build();
  Help.Build();
  Dialog.Build();
}
