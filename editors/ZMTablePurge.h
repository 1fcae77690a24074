#pragma once
// The purge of the table grid: drops rows and moves the kept rows up to start at row 1, in their
// order and with their texts unchanged. A row with both cells blank is always dropped; with
// Unpaired, a row with one blank cell; with Invalid, a row with a non-blank cell that is not
// numeric (blank means nothing but blanks). Every cell of the grid goes into `undo` as one step
// of 10,000 cells. The editor's OK and Sort run it with both options on, without a word.

class TTableGrid;
class TStringGridStack;

struct TPurgeOptions {
    bool Unpaired = true;  // "Unpaired data (Missing X or Y)"
    bool Invalid = true;   // "Invalid data"
};

void PurgeGrid(TTableGrid& grid, TStringGridStack& undo, char sep, TPurgeOptions options = {});
