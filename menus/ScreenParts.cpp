#include "menus/ScreenParts.h"

#include "engine/MeshSprite.h"

TMeshSprite* CreatePicture(const char* archive, const TPictureSpec& spec) {
  return TMeshSprite::CreateFromArchive(archive, spec.index, spec.textureId, spec.width,
                                        spec.height, spec.left, spec.top, spec.priority, false);
}

TMeshButton* CreateButton(const char* archive, const TButtonSpec& spec, int priority) {
  TMeshButton* button = TMeshButton::Create(archive, spec.litIndex, spec.baseIndex,
                                            spec.litTextureId, spec.baseTextureId, spec.width,
                                            spec.height, spec.left, spec.top, priority, false);
  button->SetMargins(spec.marginX, spec.marginY);
  return button;
}

void FadeButton(TMeshButton* button, bool lit) {
  if (lit) {
    button->Highlight();
  } else {
    button->Unhighlight();
  }
  button->UpdateFade();
}

void Discard(TMeshSprite*& sprite) {
  if (sprite != nullptr) sprite->Discard();
  sprite = nullptr;
}

void Discard(TMeshButton*& button) {
  if (button == nullptr) return;
  Discard(button->Base);
  Discard(button->Lit);
  delete button;
  button = nullptr;
}
