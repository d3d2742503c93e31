// The screens between games, made together with the program's state and alive as long: each
// screen reaches the others, the live settings and records, the menu kit and the program around
// it through this object.
#pragma once

#include "menus/ExitMenu.h"
#include "menus/HelpMenu.h"
#include "menus/MainMenu.h"
#include "menus/MenuKit.h"
#include "menus/OptMenu.h"
#include "menus/RecordInputMenu.h"
#include "menus/RecordsMenu.h"
#include "menus/ScreenHost.h"
#include "userdata/Preferences.h"
#include "userdata/Records.h"
#include "userdata/Settings.h"

class TScreens {
 public:
  TScreens(const TScreenHost& host, TSettings& settings, TRecordsTable& records,
           TPreferences& preferences, TLanguage& language)
      : Host(host),
        Settings(settings),
        Records(records),
        Preferences(preferences),
        Language(language),
        Kit(settings, language),
        Main(*this),
        Help(*this),
        Dialog(*this),
        RecordsPanel(*this),
        Options(*this),
        Entry(*this) {}
  TScreens(const TScreens&) = delete;
  TScreens& operator=(const TScreens&) = delete;

  // Each screen's first build and starting values, at the first scene set-up.
  void InitialState();
  // Each screen's pictures again after the engine was reopened; their state is kept.
  void Build();

  const TScreenHost& Host;
  TSettings& Settings;        // the live settings
  TRecordsTable& Records;     // the records table, as in its file
  TPreferences& Preferences;  // the live volumes and language choice, as in their file
  TLanguage& Language;        // the language the game speaks now
  TMenuKit Kit;
  TMainMenu Main;
  THelpMenu Help;
  TExitMenu Dialog;
  TRecordsMenu RecordsPanel;
  TOptMenu Options;
  TRecordInputMenu Entry;
};
