#include "scene/StateNames.h"

#include "menus/GameStates.h"

// Each name is spelt once, by the constant itself, so a name and its value cannot drift apart.
#define GLINT_STATE(name) \
  { #name, name }

const std::map<std::string, int>& GameStateNames() {
  static const std::map<std::string, int> names{
      GLINT_STATE(gsPlaying),
      GLINT_STATE(gsMainMenu),
      GLINT_STATE(gsOptions),
      GLINT_STATE(gsHelp),
      GLINT_STATE(gsOptionsName),
      GLINT_STATE(gsOptionsKey),
      GLINT_STATE(gsExitConfirm),
      GLINT_STATE(gsRecords),
      GLINT_STATE(gsRecordsResetConfirm),
      GLINT_STATE(gsPaused),
      GLINT_STATE(gsQuitConfirm),
      GLINT_STATE(gsStartLevel),
      GLINT_STATE(gsRecordEntry),
      GLINT_STATE(gsRecordEntryName),
      GLINT_STATE(gsRecordEntryAdd),
      GLINT_STATE(gsSubmitAsk),
      GLINT_STATE(gsSubmitting),
      GLINT_STATE(gsSubmitFailed),
      GLINT_STATE(gsLeaving),
      GLINT_STATE(gsReplayEnd),
  };
  return names;
}

#undef GLINT_STATE
