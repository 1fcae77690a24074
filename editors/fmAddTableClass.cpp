#include "editors/fmAddTableClass.h"

#include <utility>

#include "editors/ZMTableGrid.h"

TStringGridElem::TStringGridElem(int col, int row, std::string text) : Col(col), Row(row), Text(std::move(text)) {}

void TStringGridElem::ApplyToGrid(TTableGrid& grid) const { grid.SetCell(Col, Row, Text); }

void TStringGridElem::Assign(const TStringGridElem& other) { *this = other; }

void TStringGridStack::Push(int col, int row, std::string text) { items_.emplace_back(col, row, std::move(text)); }

std::optional<TStringGridElem> TStringGridStack::Pop() {
    if (items_.empty()) return std::nullopt;
    std::optional<TStringGridElem> top(std::move(items_.back()));
    items_.pop_back();
    return top;
}

void TStringGridStack::PopToGrid(TTableGrid& grid) {
    if (items_.empty()) return;
    TStringGridElem& top = items_.back();
    grid.SetCell(top.Col, top.Row, std::move(top.Text));
    items_.pop_back();
}
