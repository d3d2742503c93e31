#include "menus/SlidingPanel.h"

#include <algorithm>

#include "engine/MeshSprite.h"

TSlidingPanel::~TSlidingPanel() {
  Discard(body_);
  Discard(title_);
}

void TSlidingPanel::Build(const char* archive, const TPictureSpec& body,
                          const TPictureSpec& title) {
  Discard(body_);
  Discard(title_);
  pieces_.clear();
  Opened = false;
  Slide = 0;
  body_ = CreatePicture(archive, body);
  title_ = CreatePicture(archive, title);
  body_->Show();
  title_->Show();
  Add(body_, false);
  Add(title_, true);
}

void TSlidingPanel::AddToBody(const TMeshSprite* sprite) {
  Add(sprite, false);
}

void TSlidingPanel::AddToBody(const TMeshButton* button) {
  Add(button->Base, false);
  Add(button->Lit, false);
}

void TSlidingPanel::Add(const TMeshSprite* sprite, bool title) {
  pieces_.push_back({sprite->Mesh, sprite->ScreenX(), sprite->ScreenY(), title});
  Place(pieces_.back());
}

void TSlidingPanel::Open() {
  Opened = true;
  Slide = 1;
}

void TSlidingPanel::Close() {
  Opened = false;
  if (Slide == 100) Slide = 99;
}

void TSlidingPanel::Step() {
  if (Slide <= 0 || Slide >= 100) return;
  Slide = std::clamp(Slide + (Opened ? 3 : -3), 0, 100);
  for (const Piece& piece : pieces_) Place(piece);
}

void TSlidingPanel::Place(const Piece& piece) const {
  const auto offset = static_cast<float>(SlideOffset(Slide));
  SetScreenPos(piece.mesh, piece.title ? piece.x - offset : piece.x + offset, piece.y);
}
