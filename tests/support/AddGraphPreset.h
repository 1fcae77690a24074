#pragma once
// For tests of the commands that open the add-graph dialog preset: records what the next add-graph
// dialog opens with and answers it with OK or Cancel (see NextModal.h).

#include <QCheckBox>
#include <QLineEdit>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "editors/fmAddGraph.h"
#include "support/NextModal.h"

struct AddGraphPreset {
    std::string Exp = "-";
    std::string AddExp = "-";
    int Kind = -1;
    int Row = -1;  // the kind row shown
    bool RegionBoxChecked = false;  // the f(x,y) "Interval" box
    QStringList RegionBox;          // its fields: minimum and maximum of X, then of Y
};

// The answer for a NextModal; `seen` must outlive the dialog.
inline std::function<void(QWidget*)> AddGraphAnswer(AddGraphPreset& seen, bool ok) {
    return [&seen, ok](QWidget* modal) {
        auto* dialog = qobject_cast<TFormAddGraph*>(modal);
        ASSERT_NE(dialog, nullptr);
        seen.Exp = dialog->PresetExp;
        seen.AddExp = dialog->PresetAddExp;
        seen.Kind = dialog->PresetKind;
        seen.Row = dialog->KindRow();
        seen.RegionBoxChecked = dialog->findChild<QCheckBox*>(QStringLiteral("CheckBox4"))->isChecked();
        for (const char* name : {"Edit8", "Edit9", "Edit10", "Edit11"})
            seen.RegionBox << dialog->findChild<QLineEdit*>(QString::fromLatin1(name))->text();
        ok ? dialog->Button1Click() : dialog->Button2Click();
    };
}
