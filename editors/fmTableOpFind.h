#pragma once
// "Find": looks for a number in the grid, one row per press of "Find Next =>", selecting each
// cell found and listing it under "Search Result". The dialog stays open between presses.

#include <memory>

#include "editors/ZMTableSearch.h"
#include "editors/fmTableOpBase.h"

class QPlainTextEdit;

class TFormTableOpFind final : public TFormTableOp {
    Q_OBJECT
public:
    explicit TFormTableOpFind(QWidget* parent = nullptr);
    ~TFormTableOpFind() override;

    // Searches from `startRow`; shows the dialog modally and returns true when some press found
    // the value.
    bool Execute(const TTableGrid& grid, int startRow);

    // "Find Next =>".
    void Button1Click() override;
    // A click on a "Direction" row.
    void DirectionClick(int row);

private:
    void ShowState();

    QLineEdit* Edit1 = nullptr;  // "Value to find:"
    TRadioGroup* ColumnsGroup = nullptr;
    TRadioGroup* DirectionGroup = nullptr;
    QPlainTextEdit* Memo1 = nullptr;  // "Search Result"
    const TTableGrid* SearchedGrid_ = nullptr;
    std::unique_ptr<TTableFind> Find_;
    std::size_t LinesShown_ = 0;
};
