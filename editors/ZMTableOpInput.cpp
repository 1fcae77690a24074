#include "editors/ZMTableOpInput.h"

#include <QString>

#include "editors/ZMTableGrid.h"
#include "engine/ZMNumber.h"
#include "platform/ZMMessage.h"

std::optional<TRows> CheckRows(QWidget* parent, const TRowInterval& interval) {
    if (interval.All) return TRows{1, TTableGrid::RowCount};
    std::int32_t from = -1;
    std::int32_t to = 9999;
    if (!zm::TryStrToInt(interval.From, from)) from = -1;
    if (!zm::TryStrToInt(interval.UpTo, to)) to = 9999;
    if (from >= 1 && to <= TTableGrid::RowCount && from <= to) return TRows{from, to};
    if (from < 1) message(parent, MsgKind::Warning, QStringLiteral("Lower limit must be a natural number up to 5000"));
    if (to > TTableGrid::RowCount)
        message(parent, MsgKind::Warning, QStringLiteral("Upper limit must be a natural number up to 5000"));
    if (from > to) message(parent, MsgKind::Warning, QStringLiteral("Lower limit can not exceed upper limit"));
    return std::nullopt;
}

TColumnSpan ColumnsOf(TColumnChoice choice) {
    switch (choice) {
        case TColumnChoice::X: return {1, 1};
        case TColumnChoice::Y: return {2, 2};
        case TColumnChoice::XAndY: break;
    }
    return {1, 2};
}

double CellValue(std::string_view text, char sep, double failed) {
    double v = 0;
    return zm::TryStrToFloat(text, v, sep) ? v : failed;
}
