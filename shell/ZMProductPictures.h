#pragma once
// The pictures of the Options banner, the tips panel and the about box, drawn in code (no image
// files).

#include <QPixmap>

// A strip with a small plot and the product name, as wide as `width`.
QPixmap OptionsBanner(int width);

// A light bulb for the tips panel.
QPixmap TipsPicture();

// The about box's backdrop: a pale plane with a grid, axes and two curves. The box stretches it,
// so it carries no text of its own.
QPixmap AboutPicture();
