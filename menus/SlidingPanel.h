// The mechanics shared by the options, records and help panels: the panel body enters from the
// right and its title from the left while the panel opens, and both leave the same way when it
// closes. The panel owns its body and title pictures; the pieces of its owner (buttons, pages)
// are registered to slide with the body.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/impact.h"
#include "menus/ScreenParts.h"

class TMeshSprite;
class TMeshButton;

// Slide progress 0..100 moves the body right and the title left by 5 * (100 - Slide) pixels.
constexpr int SlideOffset(std::int32_t slide) {
  return 5 * (100 - slide);
}
// Printed text moves with the body: print units are 25 pixels, so a fifth of the slide left.
constexpr long double SlideTextShift(std::int32_t slide) {
  return (100 - slide) / 5.0L;
}

class TSlidingPanel {
 public:
  TSlidingPanel() = default;
  // Lets the pictures go without engine calls: the engine may already be closed.
  ~TSlidingPanel();
  TSlidingPanel(const TSlidingPanel&) = delete;
  TSlidingPanel& operator=(const TSlidingPanel&) = delete;

  // Creates the body and title from `archive`, shown but off screen, and starts closed. The
  // pictures of a previous build are dropped (their engine died with it).
  void Build(const char* archive, const TPictureSpec& body, const TPictureSpec& title);
  // Registers a piece that slides with the body; its position now is its place when open.
  void AddToBody(const TMeshSprite* sprite);
  void AddToBody(const TMeshButton* button);

  // Starts sliding in from the edges, also when already in place.
  void Open();
  // Starts sliding out; a panel already off screen stays there.
  void Close();
  // One frame: moves 3 steps towards open or closed while on the way.
  void Step();
  // How far the owner's printed text is moved right, in print units.
  long double TextShift() const { return SlideTextShift(Slide); }

  const TMeshSprite* Body() const { return body_; }

  bool Opened = false;
  std::int32_t Slide = 0;  // 0 = off screen, 100 = in place

 private:
  struct Piece {
    iHandle mesh;
    float x, y;  // centre in pixels when in place
    bool title;  // enters from the left
  };
  void Add(const TMeshSprite* sprite, bool title);
  void Place(const Piece& piece) const;

  TMeshSprite* body_ = nullptr;
  TMeshSprite* title_ = nullptr;
  std::vector<Piece> pieces_;
};
