#pragma once
// Where a dialog first appears.

class QWidget;

// Centres `window` on its screen's available area when it is first shown, once its layout has
// given it its final size; later shows leave it where the user put it.
void CentreOnFirstShow(QWidget& window);
