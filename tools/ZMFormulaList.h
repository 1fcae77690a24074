#pragma once
// The formula list of a tool dialog: the formulas of the document's function graphs of one kind.

class QComboBox;
class TMemory;

// Empties `combo` (items and text) and lists the Exp of every function graph of FunctionObjType
// `type` in `memory`, in list order, hidden graphs included; the first becomes the text. Nothing is
// listed without a graph list.
void FillFormulaList(QComboBox& combo, const TMemory* memory, int type);
