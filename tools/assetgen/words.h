// The languages the pictures with words are drawn in: Russian, the game's own, under data/, and
// English under data/en/.
#pragma once

namespace assetgen {

enum class Lang { Russian, English };

// The words in the picture's language.
inline const char* say(Lang lang, const char* russian, const char* english) {
  return lang == Lang::English ? english : russian;
}

}  // namespace assetgen
