#pragma once
// The table editor's ten operation buttons: each runs its dialog over the editor's grid and
// buffers as one command, then enables what the result allows (Paste after Copy and Cut, Undo
// after a change, the grid's focus after Find found a value).

class QWidget;
class TTableEditor;

// Tool button `picture` (0 Copy .. 14 Info) with `owner` as the dialogs' parent; false for a
// button that runs no operation dialog.
bool RunTableOperation(QWidget* owner, TTableEditor& editor, QWidget* grid, int picture);
