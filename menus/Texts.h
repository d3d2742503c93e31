// The texts the game prints, in each of its languages: screen-font bytes (the English ones plain
// ASCII), each placed where it stands centred on its panel.
#pragma once

#include <span>
#include <string_view>

#include "menus/PanelText.h"
#include "userdata/Language.h"

struct TTexts {
  // The yes/no dialog's questions.
  std::span<const TPanelLine> leaveQuestion, quitQuestion, resetQuestion, submitQuestion, waitLine,
      retryQuestion;
  // The name entry: the label before the score and where it starts for a score below 10000
  // (about centred on the panel), and the prompts over its two fields.
  std::string_view scoreLabel;
  long double scoreLineLeft;
  TPanelLine namePrompt, secondPrompt;
  // The banners over the game: the level's title (its number follows), the time out and the
  // level complete.
  const char* levelTitle;
  const char* timeOut;
  const char* levelComplete;
  // The language's own name, on the options' language row.
  std::string_view languageName;
};

const TTexts& TextsIn(TLanguage language);
