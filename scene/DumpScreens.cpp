#include "scene/DumpScreens.h"

#include "menus/Screens.h"

namespace {

rt::Json PanelJson(std::uint8_t selected, const TSlidingPanel& panel) {
  rt::Json json = rt::Json::object();
  json.set("Selected", selected);
  json.set("Opened", panel.Opened);
  json.set("Slide", panel.Slide);
  return json;
}

}  // namespace

rt::Json DumpScreens(const TScreens& screens) {
  rt::Json json = rt::Json::object();
  rt::Json main = rt::Json::object();
  main.set("Selected", screens.Main.Selected);
  json.set("main", std::move(main));
  json.set("options", PanelJson(screens.Options.Selected, screens.Options.Panel));
  json.set("records", PanelJson(screens.RecordsPanel.Selected, screens.RecordsPanel.Panel));
  rt::Json help = PanelJson(screens.Help.Selected, screens.Help.Panel);
  help.set("page", screens.Help.Page);
  json.set("help", std::move(help));
  rt::Json dialog = rt::Json::object();
  dialog.set("Selected", screens.Dialog.Selected);
  dialog.set("Shown", screens.Dialog.Shown());
  json.set("dialog", std::move(dialog));
  rt::Json entry = rt::Json::object();
  entry.set("Selected", screens.Entry.Selected);
  entry.set("Shown", screens.Entry.Shown());
  entry.set("name", screens.Entry.NameField);
  entry.set("add", screens.Entry.SecondField);
  json.set("entry", std::move(entry));
  return json;
}
