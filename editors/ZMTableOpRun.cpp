#include "editors/ZMTableOpRun.h"

#include <QWidget>

#include "editors/ZMTableEditor.h"
#include "editors/fmTableOpCopy.h"
#include "editors/fmTableOpCut.h"
#include "editors/fmTableOpFill.h"
#include "editors/fmTableOpFind.h"
#include "editors/fmTableOpInfo.h"
#include "editors/fmTableOpModify.h"
#include "editors/fmTableOpPurge.h"
#include "editors/fmTableOpReplace.h"
#include "editors/fmTableOpSort.h"
#include "editors/fmTableOpSwap.h"

namespace {

enum Picture { kCopy = 0, kCut = 1, kFind = 3, kReplace = 4, kSwap = 7, kPurge = 10, kFill = 11, kModify = 12,
               kSort = 13, kInfo = 14 };

// A dialog whose Execute takes the grid and UndoStack; true enables Undo.
template <class Form>
bool Changed(QWidget* owner, TTableEditor& e) {
    Form form(owner);
    return form.Execute(e.Grid, e.UndoStack);
}

}  // namespace

bool RunTableOperation(QWidget* owner, TTableEditor& e, QWidget* grid, int picture) {
    switch (picture) {
        case kCopy:
            e.Command([&] {
                TFormTableOpCopy form(owner);
                if (form.Execute(e.ClipboardStack, e.Grid)) e.PasteEnabled = true;
                return false;
            });
            return true;
        case kCut:
            e.Command([&] {
                TFormTableOpCut form(owner);
                const bool taken = form.Execute(e.ClipboardStack, e.UndoStack, e.Grid);
                if (taken) e.PasteEnabled = true;
                return taken;
            });
            return true;
        case kFind: {
            TFormTableOpFind form(owner);
            if (form.Execute(e.Grid, e.CurrentRow) && grid) grid->setFocus();
            return true;
        }
        case kReplace:
            e.Command([&] {
                TFormTableOpReplace form(owner);
                return form.Execute(e.Grid, e.UndoStack, e.CurrentRow);
            });
            return true;
        case kSwap: e.Command([&] { return Changed<TFormTableOpSwap>(owner, e); }); return true;
        case kPurge: e.Command([&] { return Changed<TFormTableOpPurge>(owner, e); }); return true;
        case kFill: e.Command([&] { return Changed<TFormTableOpFill>(owner, e); }); return true;
        case kModify: e.Command([&] { return Changed<TFormTableOpModify>(owner, e); }); return true;
        case kSort: e.Command([&] { return Changed<TFormTableOpSort>(owner, e); }); return true;
        case kInfo: {
            TFormTableOpInfo form(owner);
            form.Execute(e.Grid);
            return true;
        }
        default: return false;
    }
}
