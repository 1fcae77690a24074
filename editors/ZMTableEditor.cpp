#include "editors/ZMTableEditor.h"

#include <algorithm>
#include <utility>

#include "editors/ZMTablePurge.h"
#include "engine/ZMNumber.h"

namespace {

// The style picker has rows for widths 1..5.
constexpr int kWidthRows = 5;

// Sorting type of a "Type of Sorting" row: 0 "None", 1 "On X", 2 otherwise.
std::uint8_t SortingTypeOfRow(int row) { return row == 0 ? 0 : row == 1 ? 1 : 2; }

void ApplyProperties(TTableObj& table, const TTableProperties& p) {
    table.ShowEnabled = p.ShowEnabled;
    table.Description = p.Description;
    table.Smooth = p.Smooth;
    table.SortingType = SortingTypeOfRow(p.SortingRow);
    // A new style: the brush takes its defaults.
    TGraphStyle style;
    style.LineWidth = p.LineWidthRow >= 0 ? p.LineWidthRow + 1 : table.GraphStyle.LineWidth;
    style.LineStyle = p.LineStyle;
    style.LineColor = p.LineColor;
    table.GraphStyle = style;
}

void SortPoints(TTableObj& table) {
    if (table.SortingType == 1)
        table.SortByX();
    else if (table.SortingType == 2)
        table.SortByY();
}

}  // namespace

TTableEditor::TTableEditor() {
    Grid.OnSelect = [this](int col, int row) { Select(col, row); };
    Grid.OnShowWritten = [this] { ShowWritten(); };
}

TTableProperties TTableEditor::Load(const TTableObj& table, char sep) {
    const std::size_t shown = std::min<std::size_t>(table.Count(), TTableGrid::RowCount);
    for (std::size_t i = 0; i < shown; ++i) {
        const int row = static_cast<int>(i) + 1;
        Grid.SetCell(1, row, zm::FloatToStr(table.Points[i].x, sep));
        Grid.SetCell(2, row, zm::FloatToStr(table.Points[i].y, sep));
    }
    PointsPastGrid.assign(table.Points.begin() + static_cast<std::ptrdiff_t>(shown), table.Points.end());

    TTableProperties p;
    const std::int32_t width = table.GraphStyle.LineWidth;
    p.LineWidthRow = width >= 1 && width <= kWidthRows ? width - 1 : -1;
    p.LineStyle = table.GraphStyle.LineStyle;
    p.LineColor = table.GraphStyle.LineColor;
    p.ShowEnabled = table.ShowEnabled;
    p.Description = table.Description;
    p.SortingRow = table.SortingType <= 2 ? table.SortingType : 2;
    p.Smooth = table.Smooth;
    return p;
}

void TTableEditor::Start() {
    ClipboardStack.Clear();
    UndoStack.Clear();
    RedoStack.Clear();
    PasteEnabled = UndoEnabled = RedoEnabled = false;
    CurrentCol = 1;
    CurrentRow = 1;
    const TTableGrid::Range written = Grid.TakeWritten();
    if (!written.Empty() && CellsWritten) CellsWritten(written);
    CurrentText = Grid.Cell(1, 1);
    if (CurrentMoved) CurrentMoved(1, 1);
    NotifyStates();
}

void TTableEditor::CellSelected(int col, int row) {
    if ((col != CurrentCol || row != CurrentRow) && Grid.Cell(CurrentCol, CurrentRow) != CurrentText) {
        UndoStack.Clear();
        UndoStack.Push(CurrentCol, CurrentRow, CurrentText);
        UndoEnabled = true;
        NotifyStates();
    }
    CurrentCol = col;
    CurrentRow = row;
    CurrentText = Grid.Cell(col, row);
}

void TTableEditor::Select(int col, int row) {
    if (!TTableGrid::InGrid(col, row)) return;
    CellSelected(col, row);
    if (CurrentMoved) CurrentMoved(col, row);
}

void TTableEditor::Type(int col, int row, std::string text) {
    Grid.SetCell(col, row, std::move(text));
    const TTableGrid::Range written = Grid.TakeWritten();
    if (!written.Empty() && CellsWritten) CellsWritten(written);
}

bool TTableEditor::Command(const std::function<bool()>& body) {
    shownWrites_ = false;
    const bool enablesUndo = body();
    Finish(enablesUndo);
    return enablesUndo;
}

void TTableEditor::ShowWritten() {
    const TTableGrid::Range written = Grid.TakeWritten();
    if (written.Empty()) return;
    shownWrites_ = true;
    if (CellsWritten) CellsWritten(written);
}

void TTableEditor::Finish(bool enablesUndo) {
    if (enablesUndo) UndoEnabled = true;
    if (UndoStack.Count() == 0) UndoEnabled = false;
    const TTableGrid::Range written = Grid.TakeWritten();
    if (!written.Empty() && CellsWritten) CellsWritten(written);
    if (!written.Empty() || std::exchange(shownWrites_, false)) CurrentText = Grid.Cell(CurrentCol, CurrentRow);
    NotifyStates();
}

void TTableEditor::NotifyStates() const {
    if (StatesChanged) StatesChanged();
}

void TTableEditor::Paste() {
    if (ClipboardStack.Count() == 0) {
        PasteEnabled = false;
        NotifyStates();
        return;
    }
    Command([this] {
        UndoStack.Clear();
        for (const TStringGridElem& e : ClipboardStack) {
            const int target = CurrentRow + e.Row;
            if (target > TTableGrid::RowCount) continue;
            UndoStack.Push(e.Col, target, Grid.Cell(e.Col, target));
            Grid.SetCell(e.Col, target, e.Text);
        }
        return true;
    });
}

void TTableEditor::Delete() {
    Command([this] {
        UndoStack.Clear();
        for (int col = 1; col <= TTableGrid::ColCount; ++col) {
            UndoStack.Push(col, CurrentRow, Grid.Cell(col, CurrentRow));
            Grid.SetCell(col, CurrentRow, {});
        }
        return true;
    });
}

void TTableEditor::Insert() {
    Command([this] {
        UndoStack.Clear();
        for (int r = TTableGrid::RowCount; r >= CurrentRow; --r) {
            for (int col = 1; col <= TTableGrid::ColCount; ++col) {
                UndoStack.Push(col, r, Grid.Cell(col, r));
                if (r < TTableGrid::RowCount) Grid.SetCell(col, r + 1, Grid.Cell(col, r));
                Grid.SetCell(col, r, {});
            }
        }
        return true;
    });
}

void TTableEditor::Undo() {
    if (!UndoEnabled) return;
    Command([this] {
        RedoStack.Clear();
        for (const TStringGridElem& e : UndoStack) {
            RedoStack.Push(e.Col, e.Row, Grid.Cell(e.Col, e.Row));
            e.ApplyToGrid(Grid);
        }
        RedoEnabled = true;
        UndoEnabled = false;
        return false;
    });
}

void TTableEditor::Redo() {
    if (!RedoEnabled) return;
    Command([this] {
        while (RedoStack.Count() > 0) RedoStack.PopToGrid(Grid);
        RedoEnabled = false;
        return true;
    });
}

void TTableEditor::RowMoved(int from, int to) {
    if (!TTableGrid::InGrid(1, from) || !TTableGrid::InGrid(1, to) || from == to) return;
    Command([this, from, to] {
        Grid.MoveRow(from, to);
        const auto map = [from, to](int row) {
            if (row == from) return to;
            if (from < to && row > from && row <= to) return row - 1;
            if (to < from && row >= to && row < from) return row + 1;
            return row;
        };
        UndoStack.MapRows(map);
        RedoStack.MapRows(map);
        return false;
    });
}

void TTableEditor::Import(const TTableObj& table, char sep) {
    Command([this, &table, sep] {
        UndoStack.Clear();
        const std::size_t n = std::min<std::size_t>(table.Count(), TTableGrid::RowCount);
        for (std::size_t i = 0; i < n; ++i) {
            const int row = static_cast<int>(i) + 1;
            UndoStack.Push(1, row, Grid.Cell(1, row));
            UndoStack.Push(2, row, Grid.Cell(2, row));
            Grid.SetCell(1, row, zm::FloatToStr(table.Points[i].x, sep));
            Grid.SetCell(2, row, zm::FloatToStr(table.Points[i].y, sep));
        }
        return true;
    });
}

std::vector<TTableElemObj> TTableEditor::PurgedPoints(char sep) {
    Command([this, sep] {
        PurgeGrid(Grid, UndoStack, sep);
        return true;
    });
    std::vector<TTableElemObj> points;
    for (int r = 1; r <= TTableGrid::RowCount; ++r) {
        TTableElemObj p;
        if (IsNumericCell(Grid.Cell(1, r), sep, &p.x) && IsNumericCell(Grid.Cell(2, r), sep, &p.y))
            points.push_back(p);
    }
    return points;
}

void TTableEditor::AddTableOK(TMemory& memory, const TTableProperties& properties, char sep) {
    TTableObj table;
    ApplyProperties(table, properties);
    table.Points = PurgedPoints(sep);
    SortPoints(table);
    memory.AddTable(table);
}

void TTableEditor::EditTableOK(TTableObj& table, const TTableProperties& properties, char sep) {
    ApplyProperties(table, properties);
    std::vector<TTableElemObj> points = PurgedPoints(sep);
    points.insert(points.end(), PointsPastGrid.begin(), PointsPastGrid.end());
    table.Points = std::move(points);
    SortPoints(table);
}
