#include "shell/fmMainSub.h"

#include <QCloseEvent>
#include <QDomElement>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QVBoxLayout>

#include "plot/ZMFunTabObj.h"

#if __has_include("engine/ZMMath.h")
#include "engine/ZMMath.h"
#else
// Stand-ins until the engine is in the tree.
class TVarMemory {};
class TOperatorLib {};
#endif

TFormMainSub::TFormMainSub(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Document"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedWidth(230);
    auto* left = new QVBoxLayout(Panel1);
    left->setContentsMargins(2, 2, 2, 2);
    GroupBox1 = new QGroupBox(QStringLiteral("Graphs List"), Panel1);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox2 = new QGroupBox(QStringLiteral("Command Window"), Panel1);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox3 = new QGroupBox(QStringLiteral("Calculator"), Panel1);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    for (QGroupBox* box : {GroupBox1, GroupBox2, GroupBox3}) {
        auto* inner = new QVBoxLayout(box);
        inner->setContentsMargins(4, 4, 4, 4);
        left->addWidget(box, 1);
    }
    layout->addWidget(Panel1);

    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    layout->addWidget(Panel2, 1);

    CoordinatePopupMenu = new QMenu(this);
    GraphListPopupMenu = new QMenu(this);
    LabelPopupMenu = new QMenu(this);
}

TFormMainSub::~TFormMainSub() = default;

void TFormMainSub::InitDocument(const TMyToolBar& Controls) {
    StyleControls = std::make_unique<TMyToolBar>(Controls);
    OperatorLib = std::make_unique<zm::TOperatorLib>();
    VarMemory = std::make_unique<zm::TVarMemory>();
    ConstMemory = std::make_unique<zm::TVarMemory>();
    Memory = std::make_unique<TMemory>();
    SavedXInterval = TInterval{};
    SavedYInterval = TInterval{};
    SetMouseMode(0);
    show();
}

void TFormMainSub::SetMouseMode(uint8_t Mode) { MouseMode = Mode; }

void TFormMainSub::SaveLabels(QDomElement&) const {}
void TFormMainSub::LoadLabels(const QDomElement&) {}
void TFormMainSub::PlaceLabels() {}
void TFormMainSub::UpdateStyleControls() {}
void TFormMainSub::SavePenBrush() {}
void TFormMainSub::RestorePenBrush() {}
void TFormMainSub::Redraw() {}
void TFormMainSub::SaveCurrentIntervals() {}
void TFormMainSub::ReplaceMemory(std::unique_ptr<TMemory> List) { Memory = std::move(List); }

void TFormMainSub::ActionAddGraphExecute() {}
void TFormMainSub::ActionAddTableExecute() {}
void TFormMainSub::ActionEditGraphExecute() {}
void TFormMainSub::Delete1Click() {}
void TFormMainSub::ActionCoordinatePropertiesExecute() {}

void TFormMainSub::ActionCoordExpandHor() {}
void TFormMainSub::ActionCoordExpandVer() {}
void TFormMainSub::ActionCoordExpandBoth() {}
void TFormMainSub::ActionCoordContractHor() {}
void TFormMainSub::ActionCoordContractVer() {}
void TFormMainSub::ActionCoordContractBoth() {}
void TFormMainSub::ActionCoordMoveLeft() {}
void TFormMainSub::ActionCoordMoveRight() {}
void TFormMainSub::ActionCoordMoveUp() {}
void TFormMainSub::ActionCoordMoveDown() {}
void TFormMainSub::ActionCoordMoveLeftMore() {}
void TFormMainSub::ActionCoordMoveRightMore() {}
void TFormMainSub::ActionCoordMoveUpMore() {}
void TFormMainSub::ActionCoordMoveDownMore() {}
void TFormMainSub::ActionCoordViewCenter() {}
void TFormMainSub::RecoverCoordinateInterval() {}

void TFormMainSub::SetGraphMenuItemsVisible(bool) {}

void TFormMainSub::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TFormMainSub::FormClose() { StyleControls.reset(); }
