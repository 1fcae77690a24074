#include "tools/fmFormulaCalculator.h"

#include "engine/ZMMath.h"
#include "engine/ZMNumber.h"
#include "platform/ZMGuard.h"
#include "platform/ZMLinkLabel.h"
#include "platform/ZMLocale.h"
#include "platform/ZMMessage.h"
#include "platform/ZMNamedControls.h"
#include "platform/cstCHMHelpClass.h"
#include "tools/ZMToolContext.h"
#include "tools/ZMToolGrid.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <vector>

TFormFormulaCalculator::TFormFormulaCalculator(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Formula Calculator"));
    auto* top = new QVBoxLayout(this);

    auto* fields = new QGridLayout;
    Edit1 = NamedEdit(this, "Edit1", "");
    Edit1->setMinimumWidth(300);
    fields->addWidget(new QLabel(QStringLiteral("Formula:"), this), 0, 0);
    fields->addWidget(Edit1, 0, 1, 1, 4);
    Edit2 = NamedEdit(this, "Edit2", "x");
    Edit3 = NamedEdit(this, "Edit3", "0");
    Button1 = NamedButton(this, "Button1", "Update Variable");
    fields->addWidget(new QLabel(QStringLiteral("Variable:"), this), 1, 0);
    fields->addWidget(Edit2, 1, 1);
    fields->addWidget(new QLabel(QStringLiteral("="), this), 1, 2);
    fields->addWidget(Edit3, 1, 3);
    fields->addWidget(Button1, 1, 4);
    top->addLayout(fields);

    auto* memory = new QGroupBox(QStringLiteral("Variables in Memory"), this);
    auto* memoryLayout = new QVBoxLayout(memory);
    Grid_ = new TToolGrid(2, this);
    Grid_->SetHeader({QStringLiteral("Variable Name"), QStringLiteral("Value")});
    QTableView* view = NewToolGridView(Grid_, memory, QStringLiteral("StringGrid1"));
    view->setMinimumHeight(140);
    memoryLayout->addWidget(view);
    top->addWidget(memory);

    auto* result = new QHBoxLayout;
    Edit4 = NamedEdit(this, "Edit4", "");
    Edit4->setReadOnly(true);
    result->addWidget(new QLabel(QStringLiteral("Result"), this));
    result->addWidget(Edit4);
    top->addLayout(result);

    auto* buttons = new QHBoxLayout;
    Label6 = Named(new TLinkLabel(QStringLiteral("Help"), this), "Label6");
    Button3 = NamedButton(this, "Button3", "Calculate");
    Button3->setDefault(true);
    buttons->addWidget(Label6);
    buttons->addStretch();
    buttons->addWidget(Button3);
    top->addLayout(buttons);

    connect(Button1, &QPushButton::clicked, this, [this] { guarded(this, [this] { Button1Click(); }); });
    connect(Button3, &QPushButton::clicked, this, [this] { guarded(this, [this] { Button3Click(); }); });
    connect(Label6, &TLinkLabel::clicked, this, [this] { guarded(this, [this] { Label6Click(); }); });
}

TFormFormulaCalculator::~TFormFormulaCalculator() = default;

void TFormFormulaCalculator::Execute() {
    Context_ = std::make_unique<TToolContext>();
    FillVariableGrid();
    FormShow();
    exec();
    Context_.reset();
}

void TFormFormulaCalculator::FormShow() { Edit1->setFocus(); }

void TFormFormulaCalculator::FillVariableGrid() {
    std::vector<QString> cells;
    if (Context_) {
        const zm::TVarMemory& vars = Context_->VarMemory;
        for (int i = 0; i < vars.Count(); ++i) {
            const zm::TVarItem* item = vars.GetVarItem(i);
            cells.push_back(QString::fromStdString(item->Name));
            cells.push_back(QString::fromStdString(zm::FloatToStr(item->Value, decimalSeparator())));
        }
    }
    Grid_->SetBody(std::move(cells));
}

void TFormFormulaCalculator::Button1Click() {
    if (!Context_) return;
    double value = 0;
    if (!zm::TryStrToFloat(Edit3->text().toStdString(), value, decimalSeparator())) value = 0;
    Context_->VarMemory.SetValue(Edit2->text().toStdString(), value);
    FillVariableGrid();
}

void TFormFormulaCalculator::Button3Click() {
    if (!Context_) return;
    zm::TExpCal formula(Edit1->text().toStdString(), Context_->OperatorLib, Context_->VarMemory,
                        Context_->ConstMemory);
    if (formula.Valid == 0) {
        message(this, MsgKind::Warning, QStringLiteral("Expression is illegal."));
        return;
    }
    if (!formula.Calculate()) {
        message(this, MsgKind::Warning, QStringLiteral("An error occurs during expression calculation."));
        return;
    }
    Edit4->setText(QString::fromStdString(zm::FloatToStr(formula.Value, decimalSeparator())));
}

void TFormFormulaCalculator::Label6Click() {
    TCHMHelp().ShowTopic(this, QStringLiteral("ZMHelp.chm"), QStringLiteral("ch04_01.htm#41"), 1);
}
