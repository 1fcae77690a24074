#pragma once
// Recorded grid cells: the table editor's clipboard, undo and redo buffers and the table
// operations' records.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class TTableGrid;

// One recorded cell. Row is a grid row 1..5000, or in the clipboard the row relative to the
// first row copied (0-based).
struct TStringGridElem {
    int Col = 1;
    int Row = 1;
    std::string Text;

    TStringGridElem() = default;
    TStringGridElem(int col, int row, std::string text);

    // Writes Text into cell (Col, Row).
    void ApplyToGrid(TTableGrid& grid) const;
    void Assign(const TStringGridElem& other);
    bool operator==(const TStringGridElem&) const = default;
};

// Elements in push order, oldest first.
class TStringGridStack {
public:
    void Push(int col, int row, std::string text);
    // The newest element, removed; nothing when the stack is empty.
    std::optional<TStringGridElem> Pop();
    // Pops the newest element into its cell; nothing happens when the stack is empty.
    void PopToGrid(TTableGrid& grid);
    void Clear() { items_.clear(); }

    std::size_t Count() const { return items_.size(); }
    // Oldest = 0.
    const TStringGridElem& operator[](std::size_t i) const { return items_[i]; }
    std::vector<TStringGridElem>::const_iterator begin() const { return items_.begin(); }
    std::vector<TStringGridElem>::const_iterator end() const { return items_.end(); }

    // Replaces each element's Row by map(Row).
    template <class F>
    void MapRows(F map) {
        for (TStringGridElem& e : items_) e.Row = map(e.Row);
    }

private:
    std::vector<TStringGridElem> items_;
};
