#pragma once
// Centres a top-level window on the desktop: its frame on the available area of its screen.
// Call it once the window's size is final (in the first showEvent).

class QWidget;

void CentreOnDesktop(QWidget& window);
