#include "editors/fmGraphBase.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>

#include "editors/ZMGraphKindRows.h"
#include "engine/ZMMath.h"
#include "engine/ZMNumber.h"
#include "platform/ZMColorBox.h"
#include "platform/ZMLocale.h"
#include "platform/ZMMessage.h"
#include "platform/ZMNamedControls.h"
#include "platform/cstCHMHelpClass.h"
#include "plot/ZMFunTabObj.h"
#include "plot/ComboboxBrushStyle.h"
#include "plot/ComboboxLineStyle.h"
#include "plot/ComboboxLineWidth.h"

namespace {

const std::array<const char*, 5> kKindCaptions{
    "Y(x)",
    "X(y)",
    "X(t) and Y(t) - parametrical equations",
    "R(a) - polar coordinate system",
    "f(x,y)>|=|<0 - equation or inequality",
};
const std::array<const char*, 4> kFormulaLabels{"Y(x)=", "X(y)=", "X(t)=", "R(a)="};
const std::array<const char*, 4> kVariableLetters{"X", "Y", "T", "A"};
// Failure codes of an inverted interval, by kind row 0..3.
const std::array<int, 4> kIntervalCodes{3, 5, 7, 8};

// A field holding text that is not a number reads as 0.
double ReadNumber(const QLineEdit* edit) {
    double v = 0;
    if (!zm::TryStrToFloat(edit->text().toStdString(), v, decimalSeparator())) v = 0;
    return v;
}

// Rounded half to even; false when the value does not fit a 32-bit count.
bool ReadCount(const QLineEdit* edit, std::int32_t& out) {
    return zm::TryRoundToInt32(ReadNumber(edit), out);
}

bool IsBlankText(const QString& text) { return zm::Trim(text.toStdString()).empty(); }

// Width of the widest of the texts in `w`'s font.
int WidestText(const QWidget* w, std::initializer_list<const char*> texts) {
    const QFontMetrics fm(w->font());
    int widest = 0;
    for (const char* t : texts) widest = std::max(widest, fm.horizontalAdvance(QString::fromLatin1(t)));
    return widest;
}

// An indented panel of fields under a check box; returns its grid.
QGridLayout* MakePanel(QWidget* parent, const char* name, QWidget*& panel) {
    panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(20, 0, 0, 0);
    return grid;
}

// One row of a field panel: a label, then its edit.
void AddField(QGridLayout* grid, int row, QWidget* parent, const char* labelName, const char* labelText,
              QLineEdit* edit) {
    grid->addWidget(NamedLabel(parent, labelName, labelText), row, 0);
    grid->addWidget(edit, row, 1);
}

// The interval of a minimum and a maximum edit; false, leaving out as it was, unless min < max.
bool ReadRange(const QLineEdit* minEdit, const QLineEdit* maxEdit, TInterval& out) {
    const double lo = ReadNumber(minEdit);
    const double hi = ReadNumber(maxEdit);
    if (!(lo < hi)) return false;
    out = TInterval::CreateRange(1, lo, hi);
    return true;
}

void SetPanelEnabled(QWidget* panel, bool enabled) {
    panel->setEnabled(enabled);
    for (auto* edit : panel->findChildren<QLineEdit*>()) edit->setEnabled(enabled);
}

}  // namespace

QString TFormGraphBase::NumberText(double value) {
    return QString::fromStdString(zm::FloatToStr(value, decimalSeparator()));
}

QString TFormGraphBase::MessageOfCode(int code) {
    switch (code) {
        case 1: return QStringLiteral("Expression cannot be null.");
        case 2: return QStringLiteral("Expression error.");
        case 3: return QStringLiteral("The maximum value of x must be greater than the minimum value of x.");
        case 4:
            return QStringLiteral(
                "Number of Steps must be greater than Maximum gap, while Maximum gap must be greater than 0.");
        case 5: return QStringLiteral("The maximum value of y must be greater than the minimum value of y.");
        case 6: return QStringLiteral("Both Number of Steps and Maximu grap must be greater than 0.");
        case 7: return QStringLiteral("The maximum value of t must be greater than the minimum value of t.");
        case 8: return QStringLiteral("The maximum value of a must be greater than the minimum value of a.");
        default: return {};
    }
}

TFormGraphBase::TFormGraphBase(const QString& caption, QWidget* parent) : QDialog(parent) {
    setWindowTitle(caption);
    BuildLayout();
}

void TFormGraphBase::BuildLayout() {
    auto* top = new QVBoxLayout(this);

    // Kind and formulas.
    auto* formulas = new QGridLayout;
    ComboBox1 = Named(new QComboBox(this), "ComboBox1");
    for (const char* text : kKindCaptions) ComboBox1->addItem(QString::fromLatin1(text));
    ComboBox1->setCurrentIndex(0);
    formulas->addWidget(ComboBox1, 0, 0, 1, 2);

    Label1 = NamedLabel(this, "Label1", "Y(x)=");
    Edit1 = NamedEdit(this, "Edit1", "");
    // Narrow enough that the relation combo beside it does not widen the dialog.
    Edit1->setMinimumWidth(240);
    ComboBox2 = Named(new QComboBox(this), "ComboBox2");
    for (const char* text : {" >0", " =0", " <0"}) ComboBox2->addItem(QString::fromLatin1(text));
    ComboBox2->setCurrentIndex(0);
    // The relation sits beside the formula and takes no room while hidden.
    auto* formula = new QHBoxLayout;
    formula->addWidget(Edit1);
    formula->addWidget(ComboBox2);
    formulas->addWidget(Label1, 1, 0);
    formulas->addLayout(formula, 1, 1);

    Label10 = NamedLabel(this, "Label10", "Y(t)=");
    Edit7 = NamedEdit(this, "Edit7", "");
    formulas->addWidget(Label10, 2, 0);
    formulas->addWidget(Edit7, 2, 1);
    top->addLayout(formulas);

    // Visibility, description and style.
    auto* common = new QGridLayout;
    CheckBox1 = NamedCheck(this, "CheckBox1", "ShowEnabled");
    CheckBox1->setChecked(true);
    common->addWidget(CheckBox1, 0, 0, 1, 2);
    common->addWidget(NamedLabel(this, "LabelDescription", "Description"), 1, 0);
    Edit2 = NamedEdit(this, "Edit2", "");
    common->addWidget(Edit2, 1, 1, 1, 3);

    LabelLineWidth = NamedLabel(this, "LabelLineWidth", "Line Width");
    ComboboxLineWidth1 = Named(new TComboboxLineWidth(this), "ComboboxLineWidth1");
    ComboboxLineWidth1->SetCD_MaxLineWidth(5);
    LabelLineStyle = NamedLabel(this, "LabelLineStyle", "Line Style");
    ComboboxLineStyle1 = Named(new TComboboxLineStyle(this), "ComboboxLineStyle1");
    ComboboxLineStyle1->SetCD_MaxLineStyle(5);
    ComboboxLineStyle1->SetCD_CurrentPenStyle(0);
    LabelBrushStyle = NamedLabel(this, "LabelBrushStyle", "Style of Shading");
    ComboboxBrushStyle1 = Named(new TComboboxBrushStyle(this), "ComboboxBrushStyle1");
    ComboboxBrushStyle1->SetCD_CurrentBrushStyle(5);
    for (QComboBox* picker : std::initializer_list<QComboBox*>{ComboboxLineWidth1, ComboboxLineStyle1,
                                                               ComboboxBrushStyle1})
        picker->setMinimumWidth(145);
    ColorBox1 = Named(new TColorBox(this), "ColorBox1");

    common->addWidget(LabelLineWidth, 2, 0);
    common->addWidget(ComboboxLineWidth1, 2, 1);
    common->addWidget(LabelLineStyle, 3, 0);
    common->addWidget(ComboboxLineStyle1, 3, 1);
    common->addWidget(LabelBrushStyle, 2, 0);
    common->addWidget(ComboboxBrushStyle1, 2, 1);
    common->addWidget(NamedLabel(this, "LabelColor", "Color"), 2, 2);
    common->addWidget(ColorBox1, 2, 3);
    // The shading label takes the line-width label's place; keep the column as wide as the widest.
    common->setColumnMinimumWidth(0, WidestText(this, {"Description", "Line Width", "Line Style", "Style of Shading"}));
    top->addLayout(common);

    // Two groups in one place, one shown at a time.
    auto* groups = new QGridLayout;

    GroupBox1 = Named(new QGroupBox(QStringLiteral("Additional Properties"), this), "GroupBox1");
    {
        auto* g = new QVBoxLayout(GroupBox1);
        CheckBox2 = NamedCheck(GroupBox1, "CheckBox2", "Interval");
        auto* p1 = MakePanel(GroupBox1, "Panel1", Panel1);
        LabelMin = NamedLabel(Panel1, "LabelMin", "Minimum of X");
        Edit3 = NamedEdit(Panel1, "Edit3", "-10");
        LabelPiMin = NamedLabel(Panel1, "LabelPiMin", "Pi");
        LabelMax = NamedLabel(Panel1, "LabelMax", "Maximum of X");
        Edit4 = NamedEdit(Panel1, "Edit4", "10");
        LabelPiMax = NamedLabel(Panel1, "LabelPiMax", "Pi");
        p1->addWidget(LabelMin, 0, 0);
        p1->addWidget(Edit3, 0, 1);
        p1->addWidget(LabelPiMin, 0, 2);
        p1->addWidget(LabelMax, 1, 0);
        p1->addWidget(Edit4, 1, 1);
        p1->addWidget(LabelPiMax, 1, 2);
        LabelPiMin->hide();
        LabelPiMax->hide();

        CheckBox3 = NamedCheck(GroupBox1, "CheckBox3", "Plot Parameters");
        auto* p2 = MakePanel(GroupBox1, "Panel2", Panel2);
        Edit5 = NamedEdit(Panel2, "Edit5", "500");
        Edit6 = NamedEdit(Panel2, "Edit6", "400");
        AddField(p2, 0, Panel2, "LabelSteps", "Number of steps", Edit5);
        AddField(p2, 1, Panel2, "LabelGap", "Maximum gap", Edit6);
        // The "Pi" column keeps its width while the labels are hidden, and the empty column of
        // the steps panel is as wide as the "Pi" column with its spacing.
        constexpr int spacing = 6;
        p1->setHorizontalSpacing(spacing);
        p2->setHorizontalSpacing(spacing);
        for (QLabel* pi : {LabelPiMin, LabelPiMax}) {
            QSizePolicy policy = pi->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            pi->setSizePolicy(policy);
        }
        p2->setColumnMinimumWidth(2, WidestText(Panel1, {"Pi"}) + spacing);
        // Edits of both panels in one column.
        const int labels = WidestText(GroupBox1, {"Minimum of X", "Maximum of X", "Minimum of Y", "Maximum of Y",
                                                  "Minimum of T", "Maximum of T", "Minimum of A", "Maximum of A",
                                                  "Number of steps", "Maximum gap"});
        p1->setColumnMinimumWidth(0, labels);
        p2->setColumnMinimumWidth(0, labels);

        g->addWidget(CheckBox2);
        g->addWidget(Panel1);
        g->addWidget(CheckBox3);
        g->addWidget(Panel2);
    }

    GroupBox2 = Named(new QGroupBox(QStringLiteral("Additional Properties"), this), "GroupBox2");
    {
        auto* g = new QVBoxLayout(GroupBox2);
        CheckBox4 = NamedCheck(GroupBox2, "CheckBox4", "Interval");
        auto* p3 = MakePanel(GroupBox2, "Panel3", Panel3);
        Edit8 = NamedEdit(Panel3, "Edit8", "-10");
        Edit9 = NamedEdit(Panel3, "Edit9", "10");
        Edit10 = NamedEdit(Panel3, "Edit10", "-10");
        Edit11 = NamedEdit(Panel3, "Edit11", "10");
        AddField(p3, 0, Panel3, "LabelMinX", "Minimum of X", Edit8);
        AddField(p3, 1, Panel3, "LabelMaxX", "Maximum of X", Edit9);
        AddField(p3, 2, Panel3, "LabelMinY", "Minimum of Y", Edit10);
        AddField(p3, 3, Panel3, "LabelMaxY", "Maximum of Y", Edit11);

        CheckBox5 = NamedCheck(GroupBox2, "CheckBox5", "Plot Parameters");
        auto* p4 = MakePanel(GroupBox2, "Panel4", Panel4);
        Edit12 = NamedEdit(Panel4, "Edit12", "50");
        Edit13 = NamedEdit(Panel4, "Edit13", "50");
        Edit14 = NamedEdit(Panel4, "Edit14", "400");
        AddField(p4, 0, Panel4, "LabelStepsX", "Number of steps on hor.", Edit12);
        AddField(p4, 1, Panel4, "LabelStepsY", "Number of steps on vert.", Edit13);
        AddField(p4, 2, Panel4, "LabelGapXY", "Maximum gap", Edit14);
        const int labels = WidestText(GroupBox2, {"Minimum of X", "Maximum of X", "Minimum of Y", "Maximum of Y",
                                                  "Number of steps on hor.", "Number of steps on vert.",
                                                  "Maximum gap"});
        p3->setColumnMinimumWidth(0, labels);
        p4->setColumnMinimumWidth(0, labels);

        g->addWidget(CheckBox4);
        g->addWidget(Panel3);
        g->addWidget(CheckBox5);
        g->addWidget(Panel4);
    }
    groups->addWidget(GroupBox1, 0, 0);
    groups->addWidget(GroupBox2, 0, 0);
    top->addLayout(groups);

    Button1 = NamedButton(this, "Button1", "OK");
    Button2 = NamedButton(this, "Button2", "Cancel");
    Button3 = NamedButton(this, "Button3", "Help");
    AddButtonRow(top, {Button1, Button2, Button3});
    top->setSizeConstraint(QLayout::SetFixedSize);

    // The boxes start unchecked, so their fields start disabled.
    SetPanelEnabled(Panel1, false);
    SetPanelEnabled(Panel2, false);
    SetPanelEnabled(Panel3, false);
    SetPanelEnabled(Panel4, false);
    SetCurveLayout();

    // User actions only: a programmatic selection runs its handler explicitly.
    connect(ComboBox1, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    connect(ComboBox2, &QComboBox::activated, this, [this] { ComboBox2Change(); });
    connect(CheckBox2, &QCheckBox::clicked, this, [this] { CheckBox2Click(); });
    connect(CheckBox3, &QCheckBox::clicked, this, [this] { CheckBox3Click(); });
    connect(CheckBox4, &QCheckBox::clicked, this, [this] { CheckBox4Click(); });
    connect(CheckBox5, &QCheckBox::clicked, this, [this] { CheckBox5Click(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
}

bool TFormGraphBase::RunModal(zm::TOperatorLib& operatorLib, zm::TVarMemory& varMemory,
                              zm::TVarMemory& constMemory) {
    OperatorLib = &operatorLib;
    VarMemory = &varMemory;
    ConstMemory = &constMemory;
    Confirmed = false;
    FormShow();
    exec();
    return Confirmed;
}

int TFormGraphBase::KindRow() const { return ComboBox1->currentIndex(); }

void TFormGraphBase::SetLinePickersShown(bool curve) {
    LabelLineWidth->setVisible(curve);
    ComboboxLineWidth1->setVisible(curve);
    LabelLineStyle->setVisible(curve);
    ComboboxLineStyle1->setVisible(curve);
    LabelBrushStyle->setVisible(!curve);
    ComboboxBrushStyle1->setVisible(!curve);
}

void TFormGraphBase::SetCurveLayout() {
    Label1->setText(QStringLiteral("Y(x)="));
    Label10->setText(QStringLiteral("Y(t)="));
    Label10->hide();
    Edit7->clear();
    Edit7->hide();
    ComboBox2->hide();
    SetLinePickersShown(true);
    GroupBox2->hide();
    GroupBox1->show();
}

void TFormGraphBase::ComboBox1Change() {
    const int row = KindRow();
    if (row >= 0 && row <= 3) {
        SetCurveLayout();
        const auto r = static_cast<std::size_t>(row);
        Label1->setText(QString::fromLatin1(kFormulaLabels[r]));
        Edit1->clear();
        Label10->setVisible(row == 2);
        Edit7->setVisible(row == 2);
        const QString letter = QString::fromLatin1(kVariableLetters[r]);
        LabelMin->setText(QStringLiteral("Minimum of ") + letter);
        LabelMax->setText(QStringLiteral("Maximum of ") + letter);
        const bool polar = row == 3;
        Edit3->setText(polar ? QStringLiteral("-1") : QStringLiteral("-10"));
        Edit4->setText(polar ? QStringLiteral("1") : QStringLiteral("10"));
        LabelPiMin->setVisible(polar);
        LabelPiMax->setVisible(polar);
    } else if (row == 4) {
        Label1->setText(QStringLiteral("f(x,y)="));
        Edit1->clear();
        Edit7->clear();
        Label10->hide();
        Edit7->hide();
        ComboBox2->show();
        ComboBox2->setCurrentIndex(1);
        SetLinePickersShown(true);
        GroupBox1->hide();
        GroupBox2->show();
    }
    Edit1->setFocus();
}

void TFormGraphBase::ComboBox2Change() { SetLinePickersShown(ComboBox2->currentIndex() == 1); }

void TFormGraphBase::SelectRelation(const std::string& tail) {
    const std::string t = zm::Trim(tail);
    if (t == ">0")
        ComboBox2->setCurrentIndex(0);
    else if (t == "=0")
        ComboBox2->setCurrentIndex(1);
    else if (t == "<0")
        ComboBox2->setCurrentIndex(2);
}

void TFormGraphBase::CheckBox2Click() { SetPanelEnabled(Panel1, CheckBox2->isChecked()); }
void TFormGraphBase::CheckBox3Click() { SetPanelEnabled(Panel2, CheckBox3->isChecked()); }
void TFormGraphBase::CheckBox4Click() { SetPanelEnabled(Panel3, CheckBox4->isChecked()); }
void TFormGraphBase::CheckBox5Click() { SetPanelEnabled(Panel4, CheckBox5->isChecked()); }

void TFormGraphBase::Button2Click() { reject(); }

void TFormGraphBase::Button3Click() {
    TCHMHelp().ShowTopic(this, QStringLiteral("ZMHelp.chm"), QStringLiteral("ch02_01.htm#211"), 1);
}

bool TFormGraphBase::Compiles(const QString& text) const {
    const zm::TExpCal cal(text.toStdString(), *OperatorLib, *VarMemory, *ConstMemory);
    return cal.Valid != 0;
}

int TFormGraphBase::ReadGraph(TFunctionObj& g) const {
    const int row = KindRow();
    const int type = zm::TypeOfKindRow(row);
    if (type < 0) return 1;
    int code = 0;
    g.FunctionObjType = static_cast<std::uint8_t>(type);

    // A formula of blanks only counts as empty.
    if (IsBlankText(Edit1->text()))
        code = 1;
    else
        g.Exp = Edit1->text().toStdString();
    if (row == 2) {
        if (IsBlankText(Edit7->text()))
            code = 1;
        else
            g.AddExp = Edit7->text().toStdString();
    } else if (row == 4) {
        g.AddExp = zm::Trim(ComboBox2->currentText().toStdString());
    } else {
        g.AddExp.clear();
    }

    if (row <= 3) {
        if (CheckBox2->isChecked()) {
            if (!ReadRange(Edit3, Edit4, g.Interval)) code = kIntervalCodes[static_cast<std::size_t>(row)];
        } else if (row == 2) {
            g.Interval = TInterval::CreateRange(1, -10, 10);
        } else if (row == 3) {
            g.Interval = TInterval::CreateRange(1, -1, 1);
        } else {
            g.Interval = TInterval::CreateRange(0, 0, 0);
        }
        if (CheckBox3->isChecked()) {
            std::int32_t steps = 0;
            std::int32_t gap = 0;
            const bool counts = ReadCount(Edit5, steps) && ReadCount(Edit6, gap);
            if (!counts || gap >= steps || gap <= 0)
                code = 4;
            else
                g.PlotParameter = TPlotParameter::CreateSteps(steps, gap);
        }
    } else {
        if (CheckBox4->isChecked()) {
            if (!ReadRange(Edit8, Edit9, g.Interval)) code = 3;
            // Both y fields empty: x alone is restricted.
            if (IsBlankText(Edit10->text()) && IsBlankText(Edit11->text()))
                g.AddInterval = TInterval::CreateRange(0, 0, 0);
            else if (!ReadRange(Edit10, Edit11, g.AddInterval))
                code = 5;
        } else {
            g.Interval = TInterval::CreateRange(0, 0, 0);
            g.AddInterval = TInterval::CreateRange(0, 0, 0);
        }
        if (CheckBox5->isChecked()) {
            std::int32_t hor = 0;
            std::int32_t vert = 0;
            std::int32_t gap = 0;
            const bool counts = ReadCount(Edit12, hor) && ReadCount(Edit13, vert) && ReadCount(Edit14, gap);
            if (!counts || hor <= 0 || vert <= 0 || gap <= 0)
                code = 6;
            else
                g.PlotParameter = TPlotParameter::CreateAll(800, hor, vert, gap);
        }
    }

    // Compiled, not evaluated; only when every field passed.
    if (code == 0 && !Compiles(Edit1->text())) code = 2;
    if (code == 0 && row == 2 && !Compiles(Edit7->text())) code = 2;

    g.ShowEnabled = CheckBox1->isChecked() ? 1 : 0;
    g.Description = Edit2->text().toStdString();
    TGraphStyle style;
    style.LineWidth = ComboboxLineWidth1->currentIndex() + 1;
    style.LineStyle = ComboboxLineStyle1->CD_CurrentPenStyle();
    style.LineColor = ColorBox1->Selected();
    style.BrushStyle = ComboboxBrushStyle1->CD_CurrentBrushStyle();
    style.BrushColor = style.LineColor;
    g.SetGraphStyle(style);
    return code;
}

void TFormGraphBase::ShowCodeMessage(int code) {
    message(this, MsgKind::Warning, MessageOfCode(code), MsgButtons::Ok);
}
