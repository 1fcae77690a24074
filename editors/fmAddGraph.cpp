#include "editors/fmAddGraph.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <array>

#include "editors/ZMGraphKindRows.h"
#include "editors/ZMRandomIndex.h"
#include "platform/ZMColorBox.h"
#include "plot/ZMFunTabObj.h"

namespace {

// Maroon, green, olive, navy, purple, teal, red, blue, fuchsia as 0x00BBGGRR.
constexpr std::array<TColor, 9> kStartColors{0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                             0x808000, 0x0000FF, 0xFF0000, 0xFF00FF};

}  // namespace

TFormAddGraph::TFormAddGraph(QWidget* parent) : TFormGraphBase(QStringLiteral("Add Graph"), parent) {}

bool TFormAddGraph::Execute(TMemory& memory, zm::TOperatorLib& operatorLib, zm::TVarMemory& varMemory,
                            zm::TVarMemory& constMemory) {
    return ExecuteWithExpressions(memory, operatorLib, varMemory, constMemory, {}, {}, 0);
}

bool TFormAddGraph::ExecuteWithExpression(TMemory& memory, zm::TOperatorLib& operatorLib, zm::TVarMemory& varMemory,
                                          zm::TVarMemory& constMemory, const std::string& exp) {
    return ExecuteWithExpressions(memory, operatorLib, varMemory, constMemory, exp, {}, 0);
}

bool TFormAddGraph::ExecuteWithKind(TMemory& memory, zm::TOperatorLib& operatorLib, zm::TVarMemory& varMemory,
                                    zm::TVarMemory& constMemory, const std::string& exp,
                                    std::uint8_t functionObjType) {
    return ExecuteWithExpressions(memory, operatorLib, varMemory, constMemory, exp, {}, functionObjType);
}

bool TFormAddGraph::ExecuteWithExpressions(TMemory& memory, zm::TOperatorLib& operatorLib, zm::TVarMemory& varMemory,
                                           zm::TVarMemory& constMemory, const std::string& exp,
                                           const std::string& addExp, std::uint8_t functionObjType,
                                           const TInterval& xInterval) {
    Memory = &memory;
    PresetExp = exp;
    PresetAddExp = addExp;
    PresetKind = functionObjType;
    PresetInterval = xInterval;
    return RunModal(operatorLib, varMemory, constMemory);
}

void TFormAddGraph::FormShow() {
    SetCurveLayout();
    const QString preset = QString::fromStdString(PresetExp);
    Edit1->setText(preset);
    // Type 0 keeps row 0 without a kind change; type 3 is never preset.
    const bool presetsRow = PresetKind == 1 || PresetKind == 2 || PresetKind == 4;
    if (presetsRow) {
        ComboBox1->setCurrentIndex(zm::KindRowOfType(PresetKind));
        ComboBox1Change();
        Edit1->setText(preset);
        if (PresetKind == 4) {
            SelectRelation(PresetAddExp);
            ComboBox2Change();
            if (PresetInterval.Restricts()) {
                CheckBox4->setChecked(true);
                CheckBox4Click();
                Edit8->setText(NumberText(PresetInterval.Min));
                Edit9->setText(NumberText(PresetInterval.Max));
                Edit10->clear();
                Edit11->clear();
            }
        }
    } else if (PresetKind == 0) {
        ComboBox1->setCurrentIndex(0);
    }
    Edit1->setFocus();
    const int count = static_cast<int>(kStartColors.size());
    int index = RandomIndex ? RandomIndex(count) : ClockSeededIndex(count);
    if (index < 0 || index >= count) index = 0;
    ColorBox1->SetSelected(kStartColors[static_cast<std::size_t>(index)]);
}

void TFormAddGraph::Button1Click() {
    TFunctionObj graph;
    const int code = ReadGraph(graph);
    if (code != 0) {
        ShowCodeMessage(code);
        return;
    }
    if (Memory) Memory->AddFunction(graph);
    Confirmed = true;
    accept();
}
