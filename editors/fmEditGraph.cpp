#include "editors/fmEditGraph.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <cstdint>

#include "editors/ZMGraphKindRows.h"
#include "platform/ZMColorBox.h"
#include "plot/ComboboxBrushStyle.h"
#include "plot/ComboboxLineStyle.h"
#include "plot/ComboboxLineWidth.h"
#include "plot/ZMFunTabObj.h"

namespace {

QString CountText(std::int32_t v) { return QString::number(v); }

bool ShowsEnds(const TInterval& interval) { return !(interval.Min == 0 && interval.Max == 0); }

}  // namespace

TFormEditGraph::TFormEditGraph(QWidget* parent) : TFormGraphBase(QStringLiteral("Edit Graph"), parent) {}

bool TFormEditGraph::Execute(TFunctionObj& functionObj, zm::TOperatorLib& operatorLib, zm::TVarMemory& varMemory,
                             zm::TVarMemory& constMemory) {
    FunctionObj = &functionObj;
    return RunModal(operatorLib, varMemory, constMemory);
}

void TFormEditGraph::FormShow() {
    const TFunctionObj& g = *FunctionObj;
    const int type = g.FunctionObjType;
    // A kind this program does not know is edited as Y(x).
    const int row = zm::KindRowOfType(type) >= 0 ? zm::KindRowOfType(type) : 0;
    ComboBox1->setCurrentIndex(row);
    ComboBox1Change();
    if (type == 4) {
        SelectRelation(g.AddExp);
        ComboBox2Change();
    }
    Edit1->setText(QString::fromStdString(g.Exp));
    if (type == 3) Edit7->setText(QString::fromStdString(g.AddExp));

    const std::int64_t widthRow = static_cast<std::int64_t>(g.GraphStyle.LineWidth) - 1;
    ComboboxLineWidth1->setCurrentIndex(widthRow >= 0 && widthRow < ComboboxLineWidth1->count()
                                            ? static_cast<int>(widthRow)
                                            : -1);
    ComboboxLineStyle1->SetCD_CurrentPenStyle(g.GraphStyle.LineStyle);
    ColorBox1->SetSelected(g.GraphStyle.LineColor);
    CheckBox1->setChecked(g.ShowEnabled != 0);
    if (type == 4 && g.AddExp != "=0") {
        ComboboxBrushStyle1->SetCD_CurrentBrushStyle(g.GraphStyle.BrushStyle);
        ColorBox1->SetSelected(g.GraphStyle.BrushColor);
    }
    Edit2->setText(QString::fromStdString(g.Description));

    if (row <= 3) {
        if (g.Interval.Enabled == 1) {
            CheckBox2->setChecked(true);
            if (ShowsEnds(g.Interval)) {
                Edit3->setText(NumberText(g.Interval.Min));
                Edit4->setText(NumberText(g.Interval.Max));
            }
            CheckBox2Click();
        }
        CheckBox3->setChecked(true);
        CheckBox3Click();
        Edit5->setText(CountText(g.PlotParameter.Steps));
        Edit6->setText(CountText(g.PlotParameter.MaxGap));
    } else {
        if (g.Interval.Enabled == 1) {
            CheckBox4->setChecked(true);
            CheckBox4Click();
        }
        if (g.Interval.Enabled == 1 && ShowsEnds(g.Interval)) {
            Edit8->setText(NumberText(g.Interval.Min));
            Edit9->setText(NumberText(g.Interval.Max));
        }
        if (g.AddInterval.Enabled == 1 && ShowsEnds(g.AddInterval)) {
            Edit10->setText(NumberText(g.AddInterval.Min));
            Edit11->setText(NumberText(g.AddInterval.Max));
        }
        CheckBox5->setChecked(true);
        CheckBox5Click();
        Edit12->setText(CountText(g.PlotParameter.StepsOnX));
        Edit13->setText(CountText(g.PlotParameter.StepsOnY));
        Edit14->setText(CountText(g.PlotParameter.MaxGap));
    }
    Edit1->setFocus();
}

void TFormEditGraph::Button1Click() {
    // Worked out on a copy, so a failed OK leaves the graph untouched and an unchecked
    // "Plot Parameters" keeps the graph's own.
    TFunctionObj result = *FunctionObj;
    const int code = ReadGraph(result);
    if (code != 0) {
        ShowCodeMessage(code);
        return;
    }
    FunctionObj->Assign(result);
    Confirmed = true;
    accept();
}
