#include "menus/BossKeyText.h"

#include "menus/KeyNames.h"

TModifiers BoundModifiers(const TSettings& settings) {
  return {settings.BossShift != 0, settings.BossAlt != 0, settings.BossCtrl != 0};
}

bool BindsAsBossKey(int code) {
  return (code >= 2 && code <= 27) || (code >= 30 && code <= 38) || (code >= 44 && code <= 50) ||
         (code >= 59 && code <= 69) || (code >= 87 && code <= 88);
}

std::string BossKeyText(const std::string& keyName, TModifiers modifiers) {
  std::string text;
  if (modifiers.shift) text = "SHIFT+" + text;
  if (modifiers.alt) text = "ALT+" + text;
  if (modifiers.ctrl) text = "CTRL+" + text;
  return text + keyName;
}

std::string BossKeyText(const TSettings& settings, TLanguage language) {
  return BossKeyText(ScanCodeName(settings.BossKey, "", language), BoundModifiers(settings));
}
