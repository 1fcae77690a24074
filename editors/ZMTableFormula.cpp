#include "editors/ZMTableFormula.h"

#include <QString>

#include <optional>

#include "editors/ZMTableGrid.h"
#include "editors/fmAddTableClass.h"
#include "engine/ZMMath.h"
#include "engine/ZMNumber.h"
#include "platform/ZMMessage.h"

namespace {

// Not the double nearest pi: the table formulas have always used this value.
constexpr double kTablePi = 3.1415926;

bool RunFormula(QWidget* parent, TTableGrid& grid, TStringGridStack& undo, const TFormulaOptions& options, char sep,
                bool modify) {
    if (zm::TrimView(options.Formula).empty()) {
        message(parent, MsgKind::Warning, QStringLiteral("Expression cannot be null."));
        return false;
    }
    const std::optional<TRows> rows = CheckRows(parent, options.Rows);
    if (!rows) return false;

    zm::TOperatorLib operators;
    zm::TVarMemory vars;
    zm::TVarMemory consts;
    const int x = vars.AddVar("x", 0);
    const int y = vars.AddVar("y", 0);
    const int n = vars.AddVar("n", 0);
    consts.AddVar("PI", kTablePi);
    zm::TExpCal formula(options.Formula, operators, vars, consts);
    if (!formula.Valid) {
        message(parent, MsgKind::Warning,
                modify ? QStringLiteral("Expression error.") : QStringLiteral("Expression error"));
        return false;
    }

    const int target = options.TargetCol == 2 ? 2 : 1;
    undo.Clear();
    for (int r = rows->From; r <= rows->To; ++r) {
        if (modify || target == 2) vars.SetValueAt(x, CellValue(grid.Cell(1, r), sep, 0));
        if (modify || target == 1) vars.SetValueAt(y, CellValue(grid.Cell(2, r), sep, 0));
        vars.SetValueAt(n, r);
        const double value = formula.Calculate() ? formula.Value : 0;
        undo.Push(target, r, grid.Cell(target, r));
        grid.SetCell(target, r, zm::FloatToStr(value, sep));
    }
    return true;
}

}  // namespace

bool FillCells(QWidget* parent, TTableGrid& grid, TStringGridStack& undo, const TFormulaOptions& options, char sep) {
    return RunFormula(parent, grid, undo, options, sep, false);
}

bool ModifyCells(QWidget* parent, TTableGrid& grid, TStringGridStack& undo, const TFormulaOptions& options, char sep) {
    return RunFormula(parent, grid, undo, options, sep, true);
}
