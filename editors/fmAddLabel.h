#pragma once
// "Add Label": the text, font, background colour and transparency of a new label. The text starts
// empty in the font dialog's own default font, transparent, on white.

#include "editors/fmLabelBase.h"

class TFormAddLabel final : public TFormLabelBase {
    Q_OBJECT
public:
    explicit TFormAddLabel(QWidget* parent = nullptr);

    // Shows the dialog modally; true with Result set when OK passed.
    bool Execute();
};
