#pragma once
// Find and Replace of a number in the table grid. A cell matches when the number its text reads
// as (the not-a-number marker when it does not convert) equals the value looked for exactly, so
// "1.0" matches 1 and a blank or non-numeric cell never matches.

#include <string>
#include <vector>

#include "editors/ZMTableOpInput.h"

class QWidget;
class TStringGridStack;
class TTableGrid;

struct TFindOptions {
    std::string Value;  // "Value to find:" as typed
    TColumnChoice Columns = TColumnChoice::XAndY;
    bool Backward = false;  // "Direction"
};

// The state of the Find dialog between presses of "Find Next =>".
class TTableFind {
public:
    explicit TTableFind(int startRow) : CurrentRow(startRow) {}

    // The row the next search starts at; it runs past the grid at either end.
    int CurrentRow;
    // "Find Next =>" can be pressed.
    bool Enabled = true;
    // Some press found the value.
    bool Found = false;
    // "Search Result", one line per found cell, for the dialog's whole life.
    std::vector<std::string> Lines;

    // "Find Next =>": from CurrentRow on, selects each matching cell of the first row that has
    // one (through Grid.Select) and adds its line; CurrentRow moves past that row. A value that
    // is no number gives a warning box and changes nothing; no match gives the cannot-find box
    // and disables the button. Does nothing while disabled.
    void FindNext(QWidget* parent, const TTableGrid& grid, const TFindOptions& options, char sep);
    // A choice of direction: past the end it is heading for, CurrentRow comes back to that end
    // and the button is enabled again.
    void DirectionChosen(bool backward);
};

struct TReplaceOptions {
    std::string Value;  // "Value to find:" as typed
    std::string With;   // "Replace with:" as typed
    TColumnChoice Columns = TColumnChoice::XAndY;
    bool Backward = false;
    bool Prompt = true;       // "Prompt on replace"
    bool ReplaceAll = false;  // "Replace All"
};

// OK's checks: a warning box for the first text that is no number, and false.
bool CheckReplace(QWidget* parent, const TReplaceOptions& options, char sep);
// The run after the dialog closed, from `startRow`: replaces the matching cells of the first
// matching row, or of every matching row with ReplaceAll, asking Yes, No or Cancel for each cell
// when Prompt is on (Cancel ends the run; the grid shows what was replaced before each box).
// Empties `undo` first and records each replaced cell there. Ends with the count box; returns the
// count.
int DoReplace(QWidget* parent, TTableGrid& grid, TStringGridStack& undo, int startRow, const TReplaceOptions& options,
              char sep);
