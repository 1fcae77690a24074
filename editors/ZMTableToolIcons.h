#pragma once
// The pictures of the table editor's fifteen tool buttons, drawn in code: 0 Copy, 1 Cut,
// 2 Paste, 3 Find, 4 Replace, 5 Delete, 6 Insert, 7 Swap, 8 Undo, 9 Redo, 10 Purge, 11 Fill,
// 12 Modify, 13 Sort, 14 Info.

#include <QIcon>

inline constexpr int kTableToolIconSize = 24;

// A null icon outside 0..14.
QIcon TableToolIcon(int picture);
