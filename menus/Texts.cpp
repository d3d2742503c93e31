#include "menus/Texts.h"

namespace {

constexpr iColor4 kRose = {1, 0.2f, 0.2f, 1};
constexpr iColor4 kRed = {1, 0, 0, 1};

namespace russian {

// "Выйти из игры?"
constexpr TPanelLine kLeave[] = {
    {"\x82\xBB\xA9\xB2\xA8\x20\xA8\xA7\x20\xA8\xA3\xB0\xBB\x3F", -5.7f, 2.0f, 0.7f, kRose}};
// "Выйти в меню?"
constexpr TPanelLine kQuit[] = {
    {"\x82\xBB\xA9\xB2\xA8\x20\xA2\x20\xAC\xA5\xAD\xBF\x3F", -5.2f, 2.0f, 0.7f, kRose}};
// "Очистить рекорды?"
constexpr TPanelLine kReset[] = {
    {"\x8E\xB7\xA8\xB1\xB2\xA8\xB2\xBD\x20\xB0\xA5\xAA\xAE\xB0\xA4\xBB\x3F", -6.7f, 1.8f, 0.7f,
     kRose}};
// "Отправить результат / на страницу рекордов?"
constexpr TPanelLine kSubmit[] = {
    {"\x8E\xB2\xAF\xB0\xA0\xA2\xA8\xB2\xBD\x20\xB0\xA5\xA7\xB3\xAB\xBD\xB2\xA0\xB2", -6.7f, 2.5f,
     0.6f, kRose},
    {"\xAD\xA0\x20\xB1\xB2\xB0\xA0\xAD\xA8\xB6\xB3\x20\xB0\xA5\xAA\xAE\xB0\xA4\xAE\xA2\x3F", -7.3f,
     1.0f, 0.6f, kRose}};
// "Пожалуйста подождите..."
constexpr TPanelLine kWait[] = {
    {"\x8F\xAE\xA6\xA0\xAB\xB3\xA9\xB1\xB2\xA0\x20\xAF\xAE\xA4\xAE\xA6\xA4\xA8\xB2\xA5\x2E\x2E\x2E",
     -7.6f, 2.0f, 0.55f, kRed}};
// "Невозможно подключиться / к серверу. Продолжить?"
constexpr TPanelLine kRetry[] = {
    {"\x8D\xA5\xA2\xAE\xA7\xAC\xAE\xA6\xAD\xAE\x20\xAF\xAE\xA4\xAA\xAB\xBF\xB7\xA8\xB2\xBD\xB1\xC0",
     -7.8f, 2.5f, 0.55f, kRed},
    {"\xAA\x20\xB1\xA5\xB0\xA2\xA5\xB0\xB3\x2E\x20\x8F\xB0\xAE\xA4\xAE\xAB\xA6\xA8\xB2\xBD\x3F",
     -7.3f, 1.0f, 0.55f, kRed}};

constexpr TTexts kTexts = {
    kLeave,
    kQuit,
    kReset,
    kSubmit,
    kWait,
    kRetry,
    // "Ваш результат "
    "\x82\xA0\xB8\x20\xB0\xA5\xA7\xB3\xAB\xBD\xB2\xA0\xB2\x20",
    -6.1L,
    // "Введите свое имя:", "Ваша страна:"
    {"\x82\xA2\xA5\xA4\xA8\xB2\xA5\x20\xB1\xA2\xAE\xA5\x20\xA8\xAC\xC0\x3A",
     -6.0f,
     1.5f,
     0.6f,
     {1, 0.2f, 0.2f, 1}},
    {"\x82\xA0\xB8\xA0\x20\xB1\xB2\xB0\xA0\xAD\xA0\x3A", -3.8f, -2.0f, 0.6f, {1, 0.2f, 0.2f, 1}},
    // "Уровень", "Время вышло!", "Уровень пройден!"
    "\x93\xB0\xAE\xA2\xA5\xAD\xBD",
    "\x82\xB0\xA5\xAC\xC0 \xA2\xBB\xB8\xAB\xAE!",
    "\x93\xB0\xAE\xA2\xA5\xAD\xBD \xAF\xB0\xAE\xA9\xA4\xA5\xAD!",
    // "Русский"
    "\x90\xB3\xB1\xB1\xAA\xA8\xA9",
};

}  // namespace russian

namespace english {

// Centred where the Russian lines stand, about half a unit left of the panel's middle.
constexpr TPanelLine kLeave[] = {{"Leave the game?", -6.0f, 2.0f, 0.7f, kRose}};
constexpr TPanelLine kQuit[] = {{"Quit to the menu?", -6.3f, 2.0f, 0.7f, kRose}};
constexpr TPanelLine kReset[] = {{"Clear the records?", -6.4f, 1.8f, 0.7f, kRose}};
constexpr TPanelLine kSubmit[] = {{"Send your result", -5.1f, 2.5f, 0.6f, kRose},
                                  {"to the records page?", -6.3f, 1.0f, 0.6f, kRose}};
constexpr TPanelLine kWait[] = {{"Please wait...", -4.0f, 2.0f, 0.55f, kRed}};
constexpr TPanelLine kRetry[] = {{"Cannot reach the server.", -6.8f, 2.5f, 0.55f, kRed},
                                 {"Try again?", -3.2f, 1.0f, 0.55f, kRed}};

constexpr TTexts kTexts = {
    kLeave,
    kQuit,
    kReset,
    kSubmit,
    kWait,
    kRetry,
    "Your score ",
    -4.75L,
    {"Enter your name:", -5.5f, 1.5f, 0.6f, {1, 0.2f, 0.2f, 1}},
    {"Your country:", -3.7f, -2.0f, 0.6f, {1, 0.2f, 0.2f, 1}},
    "Level",
    "Time's up!",
    "Level complete!",
    "English",
};

}  // namespace english

}  // namespace

const TTexts& TextsIn(TLanguage language) {
  return language == TLanguage::English ? english::kTexts : russian::kTexts;
}
