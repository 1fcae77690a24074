#pragma once
// "Edit Label": the add-label dialog loaded from a label on the plane. An unchanged OK gives back
// the label's caption, font, colour and transparency exactly.

#include "editors/fmLabelBase.h"

class TAddLabel;

class TFormEditLabel final : public TFormLabelBase {
    Q_OBJECT
public:
    explicit TFormEditLabel(QWidget* parent = nullptr);

    // Loads the label's look (the font dialog starts from its font), shows the dialog modally and
    // returns true with Result set when OK passed. The label itself is not changed.
    bool Execute(const TAddLabel& Label);
};
