// The main window's Options, Tip of the Day and About dialogs.
#include "shell/fmMain.h"

#include "shell/fmAbout.h"
#include "shell/fmSetOption.h"
#include "shell/fmShowTips.h"

TOptionDialogs ProgramOptionDialogs() {
    TOptionDialogs d;
    d.SetOption = [](TFormMain& frame) {
        TFormSetOption dialog(&frame);
        return dialog.Execute();
    };
    d.ShowTips = [](TFormMain& frame, const QString& FileName) {
        TFormShowTips dialog(&frame);
        return dialog.Execute(FileName);
    };
    d.About = [](TFormMain& frame) {
        TFormAbout dialog(&frame);
        return dialog.Execute();
    };
    return d;
}
