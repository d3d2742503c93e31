#include "menus/RecordInputMenu.h"

// The dialog's pictures, fields and keys come with the records.
void TRecordInputMenu::Build() {}
void TRecordInputMenu::InitialState() {}
void TRecordInputMenu::Keys() {}
void TRecordInputMenu::Hover(long double, long double, int, int) {}
void TRecordInputMenu::Click(long double, long double, int, int) {}
void TRecordInputMenu::FrameUpdate() {}
