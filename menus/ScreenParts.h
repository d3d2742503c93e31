// The pictures and buttons the screens are made of, described as table rows in screen pixels
// (top-left corner, height x width) and cut from a picture archive.
#pragma once

#include <cstdint>

class TMeshSprite;
class TMeshButton;

struct TPictureSpec {
  std::uint16_t index;
  int textureId;
  float top, left, height, width;
  int priority;
};

// Buttons draw their highlight one priority step above the base picture.
struct TButtonSpec {
  std::uint16_t baseIndex, litIndex;
  int baseTextureId, litTextureId;
  float top, left, height, width;
  float marginX, marginY;  // hit margins on each side; negative widens the hit area
};

// Placed by its top-left corner, not shown.
TMeshSprite* CreatePicture(const char* archive, const TPictureSpec& spec);
// Placed by its top-left corner with its hit margins, not shown.
TMeshButton* CreateButton(const char* archive, const TButtonSpec& spec, int priority);

// One fade step of the button towards lit or dark.
void FadeButton(TMeshButton* button, bool lit);

// Drops an object whose engine handles died with the previous engine (a scene rebuild); null
// stays null.
void Discard(TMeshSprite*& sprite);
void Discard(TMeshButton*& button);
