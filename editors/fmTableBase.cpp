#include "editors/fmTableBase.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "editors/ZMTableGridView.h"
#include "editors/ZMTableOpRun.h"
#include "editors/ZMTableToolIcons.h"
#include "editors/fmImportTable.h"
#include "platform/ZMColorBox.h"
#include "platform/ZMGuard.h"
#include "platform/ZMGuardedClick.h"
#include "platform/ZMLocale.h"
#include "platform/ZMNamedControls.h"
#include "platform/ZMRadioGroup.h"
#include "platform/cstCHMHelpClass.h"
#include "plot/ComboboxLineStyle.h"
#include "plot/ComboboxLineWidth.h"

namespace {

constexpr std::array<const char*, TFormTableBase::ToolCount> kToolCaptions{
    "Copy", "Cut", "Paste", "Find", "Replace", "Delete", "Insert", "Swap",
    "Undo", "Redo", "Purge", "Fill", "Modify", "Sort", "Info",
};
enum Tool { kPaste = 2, kDelete = 5, kInsert = 6, kUndo = 8, kRedo = 9 };

}  // namespace

TFormTableBase::TFormTableBase(const QString& caption, QWidget* parent) : QDialog(parent) {
    setWindowTitle(caption);
    ImportTable = ImportTableFile;
    BuildLayout();
    Editor.StatesChanged = [this] { UpdateToolStates(); };
    UpdateToolStates();
}

TFormTableBase::~TFormTableBase() {
    // The grid reads the editor until it is gone; the editor is a member and dies first otherwise.
    Editor.StatesChanged = nullptr;
    delete StringGrid1;
}

void TFormTableBase::BuildLayout() {
    auto* top = new QVBoxLayout(this);
    PageControl1 = Named(new QTabWidget(this), "PageControl1");
    auto* page = Named(new QWidget(PageControl1), "TabSheet1");
    PageControl1->addTab(page, QStringLiteral("Table Properties"));
    top->addWidget(PageControl1);
    auto* columns = new QHBoxLayout(page);

    // Left: the tool bar above the grid.
    auto* left = new QVBoxLayout;
    auto* tools = Named(new QGroupBox(QStringLiteral("Manipulation"), page), "GroupBox1");
    auto* toolGrid = new QGridLayout(tools);
    toolGrid->setSpacing(1);
    toolGrid->setContentsMargins(4, 4, 4, 4);
    for (int i = 0; i < ToolCount; ++i) {
        auto* b = new QToolButton(tools);
        b->setObjectName(QStringLiteral("ToolButton%1").arg(i + 1));
        b->setText(QString::fromLatin1(kToolCaptions[static_cast<std::size_t>(i)]));
        b->setIcon(TableToolIcon(i));
        b->setIconSize(QSize(kTableToolIconSize, kTableToolIconSize));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setAutoRaise(true);
        // A tool button leaves the focus, and an open cell editor, where they are.
        b->setFocusPolicy(Qt::NoFocus);
        b->setFixedSize(50, 44);
        toolGrid->addWidget(b, i / 5, i % 5);
        connect(b, &QToolButton::clicked, this, [this, i] { guarded(this, [this, i] { ToolButtonClick(i); }); });
        ToolButtons[static_cast<std::size_t>(i)] = b;
    }
    left->addWidget(tools);
    LabelItems = NamedLabel(page, "LabelItems", "Items:");
    left->addWidget(LabelItems);
    StringGrid1 = new TTableGridView(Editor, page);
    StringGrid1->setMinimumHeight(300);
    left->addWidget(StringGrid1, 1, Qt::AlignLeft);
    columns->addLayout(left);

    // Right: the table graph's properties.
    auto* right = new QVBoxLayout;
    auto* props = Named(new QGroupBox(QStringLiteral("Graph Properties"), page), "GroupBox2");
    auto* propGrid = new QGridLayout(props);
    ComboboxLineWidth1 = Named(new TComboboxLineWidth(props), "ComboboxLineWidth1");
    ComboboxLineWidth1->SetCD_MaxLineWidth(5);
    ComboboxLineStyle1 = Named(new TComboboxLineStyle(props), "ComboboxLineStyle1");
    ComboboxLineStyle1->SetCD_MaxLineStyle(5);
    ColorBox1 = Named(new TColorBox(props), "ColorBox1");
    CheckBox1 = NamedCheck(props, "CheckBox1", "Show Enabled");
    CheckBox1->setChecked(true);
    propGrid->addWidget(NamedLabel(props, "LabelLineWidth", "Line Width"), 0, 0);
    propGrid->addWidget(ComboboxLineWidth1, 0, 1);
    propGrid->addWidget(NamedLabel(props, "LabelLineStyle", "Line Style"), 1, 0);
    propGrid->addWidget(ComboboxLineStyle1, 1, 1);
    propGrid->addWidget(NamedLabel(props, "LabelLineColor", "LineColor"), 2, 0);
    propGrid->addWidget(ColorBox1, 2, 1);
    propGrid->addWidget(CheckBox1, 3, 0, 1, 2);
    for (QWidget* picker : {static_cast<QWidget*>(ComboboxLineWidth1), static_cast<QWidget*>(ComboboxLineStyle1),
                            static_cast<QWidget*>(ColorBox1)})
        picker->setMinimumWidth(140);
    right->addWidget(props);

    right->addWidget(NamedLabel(page, "LabelDescription", "Description"));
    Edit1 = NamedEdit(page, "Edit1", "");
    right->addWidget(Edit1);

    RadioGroup1 = new TRadioGroup(QStringLiteral("Type of Sorting"),
                                  {QStringLiteral("None"), QStringLiteral("On X"), QStringLiteral("On Y")}, page);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->SetItemIndex(1);
    right->addWidget(RadioGroup1);

    auto* smoothing = Named(new QGroupBox(QStringLiteral("Smoothing"), page), "GroupBox3");
    auto* smoothLayout = new QVBoxLayout(smoothing);
    CheckBox2 = NamedCheck(smoothing, "CheckBox2", "Enabled");
    smoothLayout->addWidget(CheckBox2);
    right->addWidget(smoothing);
    right->addStretch(1);
    columns->addLayout(right);

    // "Import Table..." on the left, the others flush right.
    auto* buttons = new QHBoxLayout;
    Button4 = NamedButton(this, "Button4", "Import Table...");
    Button1 = NamedButton(this, "Button1", "OK");
    Button2 = NamedButton(this, "Button2", "Cancel");
    Button3 = NamedButton(this, "Button3", "Help");
    buttons->addWidget(Button4);
    AddButtonRow(buttons, {Button1, Button2, Button3});
    top->addLayout(buttons);

    onClick(Button1, this, &TFormTableBase::Button1Click);
    onClick(Button2, this, &TFormTableBase::Button2Click);
    onClick(Button3, this, &TFormTableBase::Button3Click);
    onClick(Button4, this, &TFormTableBase::Button4Click);
}

QToolButton* TFormTableBase::ToolButton(int picture) const {
    return picture >= 0 && picture < ToolCount ? ToolButtons[static_cast<std::size_t>(picture)] : nullptr;
}

void TFormTableBase::UpdateToolStates() {
    ToolButton(kPaste)->setEnabled(Editor.PasteEnabled);
    ToolButton(kUndo)->setEnabled(Editor.UndoEnabled);
    ToolButton(kRedo)->setEnabled(Editor.RedoEnabled);
}

bool TFormTableBase::RunModal(TMemory& memory) {
    Memory = &memory;
    Confirmed = false;
    FormShow();
    exec();
    return Confirmed;
}

void TFormTableBase::ToolButtonClick(int picture) {
    switch (picture) {
        case kPaste: Editor.Paste(); break;
        case kDelete: Editor.Delete(); break;
        case kInsert: Editor.Insert(); break;
        case kUndo: Editor.Undo(); break;
        case kRedo: Editor.Redo(); break;
        default: RunTableOperation(this, Editor, StringGrid1, picture); break;
    }
}

void TFormTableBase::Button2Click() {
    Confirmed = false;
    reject();
}

void TFormTableBase::Button3Click() {
    TCHMHelp().ShowTopic(this, QStringLiteral("ZMHelp.chm"), QStringLiteral("ch02_02.htm#221"), 1);
}

void TFormTableBase::Button4Click() {
    if (!ImportTable) return;
    const std::unique_ptr<TTableObj> table = ImportTable(this);
    if (table) Editor.Import(*table, decimalSeparator());
}

TTableProperties TFormTableBase::ReadProperties() const {
    TTableProperties p;
    p.ShowEnabled = CheckBox1->isChecked() ? 1 : 0;
    p.Description = Edit1->text().toStdString();
    p.LineWidthRow = ComboboxLineWidth1->currentIndex();
    p.LineStyle = ComboboxLineStyle1->CD_CurrentPenStyle();
    p.LineColor = ColorBox1->Selected();
    p.SortingRow = RadioGroup1->ItemIndex();
    p.Smooth = CheckBox2->isChecked() ? 1 : 0;
    return p;
}

void TFormTableBase::ShowProperties(const TTableProperties& p) {
    CheckBox1->setChecked(p.ShowEnabled != 0);
    Edit1->setText(QString::fromStdString(p.Description));
    ComboboxLineWidth1->setCurrentIndex(p.LineWidthRow);
    ComboboxLineStyle1->SetCD_CurrentPenStyle(p.LineStyle);
    ColorBox1->SetSelected(p.LineColor);
    RadioGroup1->SetItemIndex(p.SortingRow);
    CheckBox2->setChecked(p.Smooth != 0);
}
