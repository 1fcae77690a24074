#include "editors/ZMTableSearch.h"

#include <QString>

#include "editors/ZMTableGrid.h"
#include "editors/fmAddTableClass.h"
#include "platform/ZMMessage.h"

namespace {

bool Matches(const std::string& text, double value, char sep) {
    return CellValue(text, sep, kNotANumberMarker) == value;
}

bool InRows(int row) { return row >= 1 && row <= TTableGrid::RowCount; }

// "[X," or "[Y," followed by the row and "]".
std::string Place(int col, int row) {
    return std::string(col == 1 ? "[X," : "[Y,") + std::to_string(row) + "]";
}

}  // namespace

void TTableFind::FindNext(QWidget* parent, const TTableGrid& grid, const TFindOptions& options, char sep) {
    if (!Enabled) return;
    double value = 0;
    if (!IsNumericCell(options.Value, sep, &value)) {  // a blank text is no number
        message(parent, MsgKind::Warning, QStringLiteral("The value to find must be a number"));
        return;
    }
    const int step = options.Backward ? -1 : 1;
    const TColumnSpan cols = ColumnsOf(options.Columns);
    while (InRows(CurrentRow)) {
        bool hit = false;
        for (int c = cols.First; c <= cols.Last; ++c) {
            if (!Matches(grid.Cell(c, CurrentRow), value, sep)) continue;
            grid.Select(c, CurrentRow);
            Lines.push_back("Value '" + options.Value + "' is located at " + Place(c, CurrentRow));
            hit = true;
        }
        CurrentRow += step;
        if (hit) {
            Found = true;
            return;
        }
    }
    message(parent, MsgKind::Warning, QStringLiteral("Cannot find '%1'").arg(QString::fromStdString(options.Value)));
    Enabled = false;
}

void TTableFind::DirectionChosen(bool backward) {
    if (backward && CurrentRow > TTableGrid::RowCount) {
        CurrentRow = TTableGrid::RowCount;
        Enabled = true;
    } else if (!backward && CurrentRow < 1) {
        CurrentRow = 1;
        Enabled = true;
    }
}

bool CheckReplace(QWidget* parent, const TReplaceOptions& options, char sep) {
    if (!IsNumericCell(options.Value, sep)) {
        message(parent, MsgKind::Warning, QStringLiteral("The value to find  must be a number"));
        return false;
    }
    if (!IsNumericCell(options.With, sep)) {
        message(parent, MsgKind::Warning, QStringLiteral("The value to replace  must be a number"));
        return false;
    }
    return true;
}

int DoReplace(QWidget* parent, TTableGrid& grid, TStringGridStack& undo, int startRow, const TReplaceOptions& options,
              char sep) {
    double value = 0;
    IsNumericCell(options.Value, sep, &value);
    int replaced = 0;
    const int step = options.Backward ? -1 : 1;
    const TColumnSpan cols = ColumnsOf(options.Columns);
    undo.Clear();
    bool cancelled = false;
    for (int row = startRow; InRows(row) && !cancelled; row += step) {
        bool hit = false;
        for (int c = cols.First; c <= cols.Last && !cancelled; ++c) {
            const std::string& text = grid.Cell(c, row);
            if (!Matches(text, value, sep)) continue;
            hit = true;
            if (options.Prompt) {
                grid.ShowWritten();
                const QString question = QStringLiteral("Replace the value '%1'which is located at %2 ?")
                                             .arg(QString::fromStdString(options.Value),
                                                  QString::fromStdString(Place(c, row)));
                const MsgResult answer = message(parent, MsgKind::Confirmation, question, MsgButtons::YesNoCancel);
                if (answer == MsgResult::Cancel) cancelled = true;
                if (answer != MsgResult::Yes) continue;
            }
            ++replaced;
            undo.Push(c, row, text);
            grid.SetCell(c, row, options.With);
        }
        if (hit && !options.ReplaceAll) break;
    }
    grid.ShowWritten();
    message(parent, MsgKind::Information, QStringLiteral("%1 items have been replaced.").arg(replaced));
    return replaced;
}
