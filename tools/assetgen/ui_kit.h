// The menu look: glass panels with glowing trims, pill buttons in a base and a lit state, and
// the label styles of both.
#pragma once

#include <cairo.h>

#include <string>
#include <vector>

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/typeface.h"

namespace assetgen {

// Label looks: cool white on the dark buttons, warm gold when lit, big titles.
LabelStyle baseLabel();
LabelStyle litLabel();
LabelStyle titleLabel();
LabelStyle captionLabel();  // row names on the panels

// A dark glass panel filling the canvas (minus `inset`) with a glowing cyan frame.
void drawPanel(Canvas& canvas, double inset);

// A recessed input field: dark glass with a thin lit border.
void drawField(cairo_t* cr, double x, double y, double w, double h);

// A pill button in the rectangle; lit buttons glow amber. `lines` are centred in the pill.
void drawPillButton(Canvas& canvas, double x, double y, double w, double h, bool lit,
                    const std::vector<std::string>& lines, double maxText);

// A pill button carrying an arrow (dir -1 left, +1 right) instead of text.
void drawArrowButton(Canvas& canvas, double x, double y, double w, double h, bool lit, double dir);

}  // namespace assetgen
