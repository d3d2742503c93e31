#include "scene/DumpScreens.h"

#include "menus/ExitMenu.h"
#include "menus/HelpMenu.h"
#include "menus/MainMenu.h"
#include "menus/OptMenu.h"
#include "menus/RecordInputMenu.h"
#include "menus/RecordsMenu.h"
#include "scene/Scene.h"

namespace {

rt::Json PanelJson(std::uint8_t selected, const TSlidingPanel& panel) {
  rt::Json json = rt::Json::object();
  json.set("Selected", selected);
  json.set("Opened", panel.Opened);
  json.set("Slide", panel.Slide);
  return json;
}

}  // namespace

rt::Json DumpScreens() {
  rt::Json screens = rt::Json::object();
  // Before the first scene set-up there are no screens yet.
  if (MainMenu == nullptr) return screens;
  rt::Json main = rt::Json::object();
  main.set("Selected", MainMenu->Selected);
  screens.set("main", std::move(main));
  screens.set("options", PanelJson(OptMenu->Selected, OptMenu->Panel));
  screens.set("records", PanelJson(RecordsMenu->Selected, RecordsMenu->Panel));
  rt::Json help = PanelJson(HelpMenu->Selected, HelpMenu->Panel);
  help.set("page", HelpMenu->Page);
  screens.set("help", std::move(help));
  rt::Json dialog = rt::Json::object();
  dialog.set("Selected", ExitMenu->Selected);
  dialog.set("Shown", ExitMenu->Shown());
  screens.set("dialog", std::move(dialog));
  rt::Json entry = rt::Json::object();
  entry.set("Selected", RecordInputMenu->Selected);
  entry.set("Shown", RecordInputMenu->Shown());
  entry.set("name", RecordInputMenu->NameField);
  entry.set("add", RecordInputMenu->SecondField);
  screens.set("entry", std::move(entry));
  return screens;
}
