#pragma once
// The screen the program draws for.

// The resolution of a new font: the primary screen's logical dots per inch (96 without one).
int ScreenPixelsPerInch();
