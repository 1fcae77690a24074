#pragma once
// The purge of the table grid: drops the rows that cannot be points (both cells blank, one cell
// blank, or a non-blank cell that is not numeric; blank means nothing but blanks) and moves the
// kept rows up to start at row 1, in their order and with their texts unchanged. Every cell of
// the grid goes into `undo` as one step of 10,000 cells. The editor's OK runs it without a word.

class TTableGrid;
class TStringGridStack;

void PurgeGrid(TTableGrid& grid, TStringGridStack& undo, char sep);
