#pragma once
// The main window's tool-bar and menu icons, drawn in code (no image files).

#include <QIcon>
#include <QString>

// The icon for a command's action name ("ActionFileNew", "ActionCoordMoveLeft", ...); a null
// icon for a name that has none.
QIcon MainWindowIcon(const QString& actionName);
