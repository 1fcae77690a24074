#include "shell/ZMCalcPanel.h"

#include "engine/ZMMath.h"
#include "platform/ZMGuard.h"
#include "platform/ZMMessage.h"
#include "platform/ZMNamedControls.h"
#include "shell/ZMCalcKeyIcons.h"
#include "shell/ZMCommandLanguage.h"
#include "shell/ZMCommandMemo.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <string>

namespace {

// Keys that insert text: number, text, picture.
struct TInsertKey {
    int Number;
    const char* Text;
    const char* Picture;
};

constexpr TInsertKey kInsertKeys[] = {
    {27, "0", "0"},   {22, "1", "1"},  {23, "2", "2"},   {24, "3", "3"},   {17, "4", "4"},
    {18, "5", "5"},   {19, "6", "6"},  {12, "7", "7"},   {13, "8", "8"},   {14, "9", "9"},
    {28, ".", "."},   {29, "PI", "\u03c0"}, {30, "+", "+"}, {25, "-", "\u2212"}, {20, "*", "\u00d7"},
    {15, "/", "\u00f7"}, {8, "(", "("}, {9, ")", ")"},
    {11, " not ", "not"}, {16, " and ", "and"}, {21, " or ", "or"}, {26, " xor ", "xor"},
};

// The function menu: sub-menu caption, its items; "^ - power()" inserts "^".
struct TFunctionGroup {
    const char* Caption;
    std::initializer_list<const char*> Items;
    bool Functions;  // items are "name()", the caret goes between the parentheses
};

const TFunctionGroup kFunctionGroups[] = {
    {"Normal function", {"abs()", "sqr()", "sqrt()", "ln()", "log10()", "log2()", "exp()", "^ - power()"}, true},
    {"Convert function", {"int()", "round()", "frac()", "sign()", "random()"}, true},
    {"Trigonometric function ", {"sin()", "cos()", "tan()", "cot()"}, true},
    {"Inverse trigonometric function", {"arcsin()", "arccos()", "arctan()", "arccot()"}, true},
    {"Hyperbolic function", {"sinh()", "cosh()", "tanh()", "coth()"}, true},
    {"Inverse hyperbolic function", {"arcsinh()", "arccosh()", "arctanh()", "arccoth()"}, true},
    {"Relational operation", {">", "<", ">=", "<=", "=", "<>"}, false},
};

const char* const kDerivativeVariables[] = {"x", "y", "a"};
const char* const kDrawWords[] = {"DrawFx ", "DrawFy ", "DrawRa "};

}  // namespace

TCalcPanel::TCalcPanel(TZMCommandMemo* commandMemo, QWidget* parent) : QWidget(parent), CommandMemo(commandMemo) {
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems({QStringLiteral("Y(x)="), QStringLiteral("X(y)="), QStringLiteral("R(a)=")});
    ComboBox1->setCurrentIndex(0);
    ComboBox1->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    CalComboBox = NamedTypedCombo(this, "CalComboBox");
    CalComboBox->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    CalComboBox->setMinimumContentsLength(8);

    BuildMenus();
    BuildKeys();
}

QLineEdit* TCalcPanel::Box() const { return CalComboBox->lineEdit(); }

void TCalcPanel::BuildMenus() {
    VarListPopupMenu = new QMenu(this);
    VarListPopupMenu->setObjectName(QStringLiteral("VarListPopupMenu"));
    InsertVariableMenu = VarListPopupMenu->addMenu(QStringLiteral("Insert a variable"));
    VarListPopupMenu->addSeparator();
    z1 = VarListPopupMenu->addAction(QStringLiteral("Update Variables..."));
    z1->setObjectName(QStringLiteral("z1"));
    connect(z1, &QAction::triggered, this, [this] { guarded(this, [this] { z1Click(); }); });
    connect(VarListPopupMenu, &QMenu::aboutToShow, this, &TCalcPanel::VarListPopupMenuPopup);

    ConstListPopupMenu = new QMenu(this);
    ConstListPopupMenu->setObjectName(QStringLiteral("ConstListPopupMenu"));
    InsertConstantMenu = ConstListPopupMenu->addMenu(QStringLiteral("Insert a constant"));
    ConstListPopupMenu->addSeparator();
    UpdateConstants1 = ConstListPopupMenu->addAction(QStringLiteral("Update Constants..."));
    UpdateConstants1->setObjectName(QStringLiteral("UpdateConstants1"));
    connect(UpdateConstants1, &QAction::triggered, this, [this] { guarded(this, [this] { UpdateConstants1Click(); }); });
    connect(ConstListPopupMenu, &QMenu::aboutToShow, this, &TCalcPanel::ConstListPopupMenuPopup);

    FunctionPopupMenu = new QMenu(this);
    FunctionPopupMenu->setObjectName(QStringLiteral("FunctionPopupMenu"));
    for (const TFunctionGroup& group : kFunctionGroups) {
        QMenu* sub = FunctionPopupMenu->addMenu(QString::fromLatin1(group.Caption));
        for (const char* item : group.Items) {
            const QString caption = QString::fromLatin1(item);
            QAction* action = sub->addAction(caption);
            const bool power = caption.startsWith(QLatin1Char('^'));
            const QString text = power ? QStringLiteral("^") : caption;
            const int back = group.Functions && !power ? 1 : 0;
            connect(action, &QAction::triggered, this, [this, text, back] { InsertCalcText(text, back); });
        }
    }
}

QToolButton* TCalcPanel::MakeKey(int number, const QString& picture, const QString& hint) {
    auto* key = new QToolButton(this);
    key->setObjectName(QStringLiteral("ToolButton%1").arg(number));
    key->setIcon(CalcKeyIcon(picture));
    key->setIconSize(QSize(kCalcKeyIconSize, kCalcKeyIconSize));
    key->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    key->setToolTip(hint);
    ToolButtons[static_cast<std::size_t>(number)] = key;
    return key;
}

void TCalcPanel::BuildKeys() {
    for (const TInsertKey& k : kInsertKeys) {
        QToolButton* key = MakeKey(k.Number, QString::fromUtf8(k.Picture), QString());
        const QString text = QString::fromLatin1(k.Text);
        connect(key, &QToolButton::clicked, this, [this, text] { InsertCalcText(text, 0); });
    }
    auto dropDown = [this](int number, const QString& picture, const QString& hint, QMenu* menu) {
        QToolButton* key = MakeKey(number, picture, hint);
        key->setMenu(menu);
        key->setPopupMode(QToolButton::InstantPopup);
    };
    dropDown(1, QStringLiteral("var"), QStringLiteral("Variable"), VarListPopupMenu);
    dropDown(2, QStringLiteral("con"), QStringLiteral("Constant"), ConstListPopupMenu);
    dropDown(6, QStringLiteral("f(x)"), QStringLiteral("Function"), FunctionPopupMenu);

    auto action = [this](int number, const QString& picture, const QString& hint, void (TCalcPanel::*handler)()) {
        QToolButton* key = MakeKey(number, picture, hint);
        connect(key, &QToolButton::clicked, this, [this, handler] { guarded(this, [this, handler] { (this->*handler)(); }); });
    };
    action(3, QStringLiteral("backspace"), QStringLiteral("BackSpace"), &TCalcPanel::ToolButton3Click);
    action(4, QStringLiteral("C"), QStringLiteral("Clear"), &TCalcPanel::ToolButton4Click);
    action(5, QStringLiteral("graph"), QStringLiteral("Add Graph"), &TCalcPanel::ToolButton5Click);
    action(7, QStringLiteral("f\u2032"), QStringLiteral("Derivative"), &TCalcPanel::ToolButton7Click);
    action(10, QStringLiteral("="), QString(), &TCalcPanel::ToolButton10Click);

    auto* grid = new QGridLayout;
    grid->setSpacing(2);
    for (int number = 1; number <= 30; ++number)
        grid->addWidget(ToolButtons[static_cast<std::size_t>(number)], (number - 1) / 5, (number - 1) % 5);

    auto* top = new QHBoxLayout;
    top->setSpacing(2);
    top->addWidget(ComboBox1);
    top->addWidget(CalComboBox, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addLayout(top);
    layout->addLayout(grid);
    layout->addStretch(1);
}

void TCalcPanel::InsertCalcText(const QString& text, int back) {
    QLineEdit* box = Box();
    const int pos = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
    // Inside the text the selection is replaced (or the text goes in at the caret); at the end
    // the text is appended, which comes to the same.
    box->insert(text);
    CalComboBox->setFocus();
    const int caret = pos + static_cast<int>(text.size()) - back;
    box->setCursorPosition(std::clamp(caret, 0, static_cast<int>(box->text().size())));
}

void TCalcPanel::InsertMenuItemText() {
    if (auto* item = qobject_cast<TMyMenuItem*>(sender())) InsertCalcText(item->InsertText, 0);
}

void TCalcPanel::ToolButton3Click() {
    QLineEdit* box = Box();
    const int pos = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
    if (pos == 0) return;
    box->setCursorPosition(pos);
    box->backspace();
    CalComboBox->setFocus();
}

void TCalcPanel::ToolButton4Click() {
    Box()->clear();
    CalComboBox->setFocus();
}

void TCalcPanel::AddHistory(const QString& text) {
    // Adding the first entry would make it the current item and replace the box's text.
    const QString kept = Box()->text();
    const int caret = Box()->cursorPosition();
    CalComboBox->addItem(text);
    Box()->setText(kept);
    Box()->setCursorPosition(caret);
}

void TCalcPanel::RunLine(const QString& line) {
    if (!CommandMemo) return;
    CommandMemo->AppendLine(line);
    CommandMemo->ExecuteCommand(line);
}

void TCalcPanel::ToolButton10Click() {
    const QString text = Box()->text();
    RunLine(QStringLiteral("?") + text);
    AddHistory(text);
    Box()->clear();
    CalComboBox->setFocus();
}

void TCalcPanel::ToolButton5Click() {
    const QString text = Box()->text();
    const QString trimmed = QString::fromStdString(zm::command::TrimLine(text.toStdString()));
    if (trimmed.isEmpty()) return;
    const int row = std::clamp(ComboBox1->currentIndex(), 0, 2);
    RunLine(QString::fromLatin1(kDrawWords[row]) + trimmed);
    AddHistory(text);
    CalComboBox->setFocus();
}

void TCalcPanel::ToolButton7Click() {
    const int row = std::clamp(ComboBox1->currentIndex(), 0, 2);
    const std::string variable = kDerivativeVariables[row];
    const QString text = Box()->text();
    RunLine(QStringLiteral("deri ") + QString::fromLatin1(variable.c_str()) + QLatin1Char(' ') + text);
    if (!CommandMemo) return;

    std::string result;
    const zm::command::TCommandContext context{CommandMemo->OperatorLib, CommandMemo->VarMemory,
                                               CommandMemo->ConstMemory};
    switch (zm::command::DeriveExpression(text.toStdString(), variable, context, result)) {
    case zm::command::TDeriveOutcome::Invalid:
    case zm::command::TDeriveOutcome::Failed:
        message(this, MsgKind::Warning, QStringLiteral("Expression is illegal."));
        return;
    case zm::command::TDeriveOutcome::NotDerivable:
        message(this, MsgKind::Warning,
                QStringLiteral("The expression contains nondifferentiable function or operation."));
        return;
    case zm::command::TDeriveOutcome::Done: break;
    }
    AddHistory(text);
    Box()->setText(QString::fromStdString(result));
    CalComboBox->setFocus();
}

void TCalcPanel::RebuildNameMenu(QMenu* menu, bool constants) {
    menu->clear();
    zm::TVarMemory* memory = CommandMemo ? (constants ? CommandMemo->ConstMemory : CommandMemo->VarMemory) : nullptr;
    if (!memory) return;
    for (int i = 0; const zm::TVarItem* item = memory->GetVarItem(i); ++i) {
        const QString name = QString::fromStdString(item->Name);
        auto* entry = new TMyMenuItem(name, menu);
        entry->InsertText = name;
        connect(entry, &QAction::triggered, this, &TCalcPanel::InsertMenuItemText);
        menu->addAction(entry);
    }
}

void TCalcPanel::VarListPopupMenuPopup() {
    RebuildNameMenu(InsertVariableMenu, false);
    z1->setEnabled(static_cast<bool>(UpdateVarMemRunner));
}

void TCalcPanel::ConstListPopupMenuPopup() {
    RebuildNameMenu(InsertConstantMenu, true);
    UpdateConstants1->setEnabled(static_cast<bool>(UpdateVarMemRunner));
}

void TCalcPanel::UpdateMemory(bool constants) {
    if (!CommandMemo) return;
    zm::TVarMemory* memory = constants ? CommandMemo->ConstMemory : CommandMemo->VarMemory;
    if (!memory || !UpdateVarMemRunner) return;
    QString line;
    if (UpdateVarMemRunner(this, constants ? QStringLiteral("Const") : QStringLiteral("Var"), *memory, line)) {
        RunLine(line);
    } else {
        // Not a command answer: the last result stays.
        CommandMemo->AppendLine(QString::fromUtf8(zm::command::kAbort.data(), static_cast<qsizetype>(zm::command::kAbort.size())));
    }
}

void TCalcPanel::z1Click() { UpdateMemory(false); }

void TCalcPanel::UpdateConstants1Click() { UpdateMemory(true); }
