#include "shell/fmMain.h"

#include "output/fmCopyAsPicture.h"
#include "output/fmCustomSlideShow.h"
#include "output/fmPrint.h"
#include "output/fmSaveAsPicture.h"
#include "output/fmSlideShow.h"
#include "platform/ZMFileChooser.h"
#include "platform/ZMGuard.h"
#include "platform/ZMMessage.h"
#include "platform/ZMProgramDir.h"
#include "platform/ZMPrinterService.h"
#include "shell/fmMainIcons.h"
#include "shell/ZMOptionFiles.h"
#include "shell/fmMainSub.h"
#include "tools/fmAnalyzeFunction.h"
#include "tools/fmDerivative.h"
#include "tools/fmFormulaCalculator.h"
#include "tools/fmIntegration.h"
#include "tools/fmIntersection.h"
#include "tools/fmTangentNormal.h"
#include "tools/fmUnitConvert.h"
#include "tools/fmValueTable.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QShowEvent>
#include <QTimer>
#include <QToolBar>

TFormMain::TFormMain(QWidget* parent) : QMainWindow(parent), ownChooser_(std::make_unique<QtFileChooser>()) {
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QStringLiteral("Zorvik Mendal"));
    // The frame's icon is also the icon of every document window.
    setWindowIcon(MainWindowIcon(QStringLiteral("ActionAddGraph")));
    // The tool bars are shown and hidden through the View menu only.
    setContextMenuPolicy(Qt::PreventContextMenu);
    chooser_ = ownChooser_.get();

    // FormCreate.
    ProgramDir = programDirWithSeparator();
    SlideList.clear();

    MdiArea = new QMdiArea(this);
    MdiArea->setObjectName(QStringLiteral("MdiArea"));
    MdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    MdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(MdiArea);

    CreateCommands();
    CreateStyleBar();
    CreateMenus();
    CreateToolBars();
    CreateStatusBar();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, [this] { guarded(this, [this] { Timer1Timer(); }); });

    qApp->installEventFilter(this);
}

TFormMain::~TFormMain() {
    qApp->removeEventFilter(this);
    // The document windows go first, while the pickers they link to still exist.
    const QList<QMdiSubWindow*> subs = MdiArea->subWindowList();
    for (QMdiSubWindow* sub : subs) delete sub;
}

void TFormMain::SetFileChooser(FileChooser* chooser) { chooser_ = chooser ? chooser : ownChooser_.get(); }

TFormMainSub* TFormMain::ActiveDocument() const {
    QMdiSubWindow* sub = MdiArea->currentSubWindow();
    return sub ? qobject_cast<TFormMainSub*>(sub->widget()) : nullptr;
}

QList<TFormMainSub*> TFormMain::Documents() const {
    QList<TFormMainSub*> list;
    for (QMdiSubWindow* sub : MdiArea->subWindowList(QMdiArea::CreationOrder))
        if (auto* doc = qobject_cast<TFormMainSub*>(sub->widget())) list << doc;
    return list;
}

QAction* TFormMain::Command(const QString& name) const { return commands_.value(name, nullptr); }

// ------------------------------------------------------------------------------------------------
// Start-up

void TFormMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_) guarded(this, [this] { FormShow(); });
}

void TFormMain::FormShow() {
    if (shown_) return;
    shown_ = true;
    UntitledCounter = 0;
    SetAllOption();
    ActionFileNewExecute();
    Timer1->start();
}

void TFormMain::Timer1Timer() {
    Timer1->stop();
    ShowTipOfTheDay();
}

void TFormMain::SetAllOption() {
    try {
        ConfirmDelete = ConfirmDeleteOption();
    } catch (...) {
        message(this, MsgKind::Warning, QStringLiteral("Read file error - ZMUser.ini"));
    }
}

void TFormMain::ShowTipOfTheDay() {
    // The tips dialog shows itself only when tips are switched on.
    if (OptionDialogs.ShowTips) OptionDialogs.ShowTips(*this, TipsFileName());
}


// ------------------------------------------------------------------------------------------------
// Frame-wide shortcuts

namespace {

bool HasSelectedText(QObject* object) {
    if (auto* combo = qobject_cast<QComboBox*>(object)) object = combo->lineEdit();
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(object)) object = spin->findChild<QLineEdit*>();
    if (auto* edit = qobject_cast<QLineEdit*>(object)) return edit->hasSelectedText();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(object)) return plain->textCursor().hasSelection();
    if (auto* rich = qobject_cast<QTextEdit*>(object)) return rich->textCursor().hasSelection();
    if (auto* label = qobject_cast<QLabel*>(object)) return label->hasSelectedText();
    return false;
}

}  // namespace

bool TFormMain::eventFilter(QObject* watched, QEvent* event) {
    // A text widget claims Ctrl+C for itself even with nothing selected. In this frame it copies
    // text only when text is selected; otherwise the key is the frame's "Copy As Picture".
    if (event->type() == QEvent::ShortcutOverride && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        auto* key = static_cast<QKeyEvent*>(event);
        if (widget->window() == this && key->matches(QKeySequence::Copy)) {
            if (HasSelectedText(widget)) {
                key->accept();
                return true;  // the widget gets the key press and copies its text
            }
            return true;  // not accepted: the shortcut runs
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ------------------------------------------------------------------------------------------------
// Calculation tools

void TFormMain::ActionFormulaCalculatorExecute() {
    TFormFormulaCalculator dialog(this);
    dialog.Execute();
}

void TFormMain::ActionValueTableExecute() {
    TFormValueTable dialog(this);
    dialog.SetFileChooser(chooser_);
    const TFormMainSub* doc = ActiveDocument();
    dialog.Execute(doc ? doc->Memory.get() : nullptr);
}

void TFormMain::ActionAnalyzeFunctionExecute() {
    TFormAnalyzeFunction dialog(this);
    dialog.SetFileChooser(chooser_);
    if (TFormMainSub* doc = ActiveDocument())
        dialog.Execute(doc->Memory.get(), doc->OperatorLib.get(), doc->VarMemory.get(), doc->ConstMemory.get());
    else
        dialog.Execute(nullptr, nullptr, nullptr, nullptr);
}

void TFormMain::ActionIntersectionExecute() {
    TFormIntersection dialog(this);
    dialog.SetFileChooser(chooser_);
    const TFormMainSub* doc = ActiveDocument();
    dialog.Execute(doc ? doc->Memory.get() : nullptr);
}

// ------------------------------------------------------------------------------------------------
// Commands that open a dialog or a viewer

void TFormMain::ActionSaveAsPictureExecute() {
    TFormMainSub* doc = ActiveDocument();
    if (!doc) return;
    TFormSaveAsPicture dialog(this);
    dialog.SetFileChooser(chooser_);
    dialog.Execute(*doc->Coordinate1);
}

TPrinterService& TFormMain::Printer() {
    if (printer_) return *printer_;
    if (!ownPrinter_) ownPrinter_ = std::make_unique<TQtPrinterService>();
    return *ownPrinter_;
}

void TFormMain::SetPrinterService(TPrinterService* printer) { printer_ = printer; }

void TFormMain::PageSetup1Click() { Printer().PageSetup(this); }

void TFormMain::Print1Click() {
    TFormMainSub* doc = ActiveDocument();
    if (!doc) return;
    TFormPrint dialog(Printer(), this);
    dialog.Execute(*doc->Coordinate1);
}

void TFormMain::Exit1Click() { close(); }

void TFormMain::ActionImportTableExecute() {
    if (TFormMainSub* doc = ActiveDocument()) doc->ActionImportTableExecute();
}

void TFormMain::ActionExportTableExecute() {
    if (TFormMainSub* doc = ActiveDocument()) doc->ActionExportTableExecute();
}

void TFormMain::ActionCopyAsPictureExecute() {
    TFormMainSub* doc = ActiveDocument();
    if (!doc) return;
    TFormCopyAsPicture dialog(this);
    dialog.Execute(*QGuiApplication::clipboard(), *doc->Coordinate1);
}

void TFormMain::ActionSetOptionExecute() {
    if (OptionDialogs.SetOption) OptionDialogs.SetOption(*this);
    SetAllOption();
}

void TFormMain::UnitConvert(const QString& CategoryName) {
    TFormUnitConvert dialog(this);
    dialog.Execute(CategoryName);
}

void TFormMain::ActionViewSlideShowExecute() {
    if (!SlideList.isEmpty()) {
        TFormSlideShow viewer;
        viewer.ShowSlides(0, SlideList);
        return;
    }
    ActionViewCurrentDocumentExecute();
}

void TFormMain::ActionCustomSlideShowExecute() {
    TFormCustomSlideShow dialog(this);
    dialog.SetFileChooser(chooser_);
    dialog.Execute(&SlideList);
}

void TFormMain::ActionShowTipsExecute() {
    SetTipsEnabled(TipsIni(), true);
    ShowTipOfTheDay();
}

void TFormMain::ActionShowAboutExecute() {
    if (OptionDialogs.About) OptionDialogs.About(*this);
}

// ------------------------------------------------------------------------------------------------
// Graph commands

void TFormMain::ActionAddGraphExecute() {
    if (TFormMainSub* doc = ActiveDocument()) doc->ActionAddGraphExecute();
}

void TFormMain::ActionAddTableExecute() {
    if (TFormMainSub* doc = ActiveDocument()) doc->ActionAddTableExecute();
}

void TFormMain::ActionCoordinatePropertiesExecute() {
    if (TFormMainSub* doc = ActiveDocument()) doc->ActionCoordinatePropertiesExecute();
}

void TFormMain::ActionEditGraphExecute() {
    if (TFormMainSub* doc = ActiveDocument()) doc->ActionEditGraphExecute();
}

// ------------------------------------------------------------------------------------------------
// Tools that add a graph: the tool works without a document; its result becomes a graph only
// through the active document's add-graph dialog.

void TFormMain::ActionDerivativeExecute() {
    const QPointer<TFormMainSub> doc = ActiveDocument();
    TFormDerivative dialog(this);
    if (dialog.Execute(doc ? doc->Memory.get() : nullptr) != 1 || !doc) return;
    doc->AddPresetGraph(dialog.ResultExp, {}, dialog.ResultKind);
}

void TFormMain::ActionTangentNormalExecute() {
    const QPointer<TFormMainSub> doc = ActiveDocument();
    TFormTangentNormal dialog(this);
    if (dialog.Execute(doc ? doc->Memory.get() : nullptr) != 1 || !doc) return;
    // A line of Y(x) or X(y); any other kind opens nothing.
    if (dialog.ResultKind > 1) return;
    doc->AddPresetGraph(dialog.ResultExp, {}, dialog.ResultKind);
}

void TFormMain::ActionIntegrationExecute() {
    const QPointer<TFormMainSub> doc = ActiveDocument();
    TFormIntegration dialog(this);
    if (dialog.Execute(doc ? doc->Memory.get() : nullptr) != 1 || !doc) return;
    // The region strictly between the two curves over the range integrated, as a shaded f(x,y)
    // graph.
    doc->AddPresetGraph(dialog.RegionText, "<0", 4, dialog.RegionInterval);
}

// ------------------------------------------------------------------------------------------------
// Mouse modes and view commands

void TFormMain::ResetMouseModeButtons() {
    for (const char* name : {"ActionAddLabel", "ActionSelectInterval", "DrawLabels1"}) {
        QAction* a = Command(QString::fromLatin1(name));
        QSignalBlocker block(a);
        a->setChecked(false);
    }
}

void TFormMain::ActionAddLabelExecute() {
    if (TFormMainSub* doc = ActiveDocument()) doc->SetMouseMode(doc->GetMouseMode() == 1 ? 0 : 1);
    ResetMouseModeButtons();
}

void TFormMain::DrawLabels1Click() { ActionAddLabelExecute(); }

void TFormMain::ActionSelectIntervalExecute() {
    if (TFormMainSub* doc = ActiveDocument()) {
        if (doc->GetMouseMode() == 2) {
            doc->SetMouseMode(0);
        } else {
            doc->SetMouseMode(2);
            doc->SaveCurrentIntervals();
        }
    }
    ResetMouseModeButtons();
}

void TFormMain::ApplyViewCommand(void (TFormMainSub::*command)()) {
    if (TFormMainSub* doc = ActiveDocument()) (doc->*command)();
}

void TFormMain::ActionCoordExpandBothExecute() { ApplyViewCommand(&TFormMainSub::ActionCoordExpandBoth); }
void TFormMain::ActionCoordExpandHorExecute() { ApplyViewCommand(&TFormMainSub::ActionCoordExpandHor); }
void TFormMain::ActionCoordExpandVerExecute() { ApplyViewCommand(&TFormMainSub::ActionCoordExpandVer); }
void TFormMain::ActionCoordContractBothExecute() { ApplyViewCommand(&TFormMainSub::ActionCoordContractBoth); }
void TFormMain::ActionCoordContractHorExecute() { ApplyViewCommand(&TFormMainSub::ActionCoordContractHor); }
void TFormMain::ActionCoordContractVerExecute() { ApplyViewCommand(&TFormMainSub::ActionCoordContractVer); }
void TFormMain::ActionCoordMoveLeftExecute() { ApplyViewCommand(&TFormMainSub::ActionCoordMoveLeft); }
void TFormMain::ActionCoordMoveRightExecute() { ApplyViewCommand(&TFormMainSub::ActionCoordMoveRight); }
void TFormMain::ActionCoordMoveUpExecute() { ApplyViewCommand(&TFormMainSub::ActionCoordMoveUp); }
void TFormMain::ActionCoordMoveDownExecute() { ApplyViewCommand(&TFormMainSub::ActionCoordMoveDown); }
void TFormMain::ActionCoordMoveLeftMoreExecute() { ApplyViewCommand(&TFormMainSub::ActionCoordMoveLeftMore); }
void TFormMain::ActionCoordMoveRightMoreExecute() { ApplyViewCommand(&TFormMainSub::ActionCoordMoveRightMore); }
void TFormMain::ActionCoordMoveUpMoreExecute() { ApplyViewCommand(&TFormMainSub::ActionCoordMoveUpMore); }
void TFormMain::ActionCoordMoveDownMoreExecute() { ApplyViewCommand(&TFormMainSub::ActionCoordMoveDownMore); }
void TFormMain::ActionCoordViewCenterExecute() { ApplyViewCommand(&TFormMainSub::ActionCoordViewCenter); }
void TFormMain::ToolButton52Click() { ApplyViewCommand(&TFormMainSub::RecoverCoordinateInterval); }

// ------------------------------------------------------------------------------------------------
// View menu: side panels, layouts, tool bars

void TFormMain::ToggleGroup(int group) {
    TFormMainSub* doc = ActiveDocument();
    if (!doc) return;
    QGroupBox* boxes[] = {doc->GroupBox1, doc->GroupBox2, doc->GroupBox3};
    QGroupBox* box = boxes[group];
    box->setVisible(box->isHidden());
    const bool any = !doc->GroupBox1->isHidden() || !doc->GroupBox2->isHidden() || !doc->GroupBox3->isHidden();
    doc->Panel1->setVisible(any);
}

void TFormMain::ActionShowHideGraphsListExecute() { ToggleGroup(0); }
void TFormMain::ActionShowHideCommandWindowExecute() { ToggleGroup(1); }
void TFormMain::ActionShowHideCalculatorExecute() { ToggleGroup(2); }

void TFormMain::Standard1Click() { ToolBar1->setVisible(ToolBar1->isHidden()); }
void TFormMain::Coordinate1Click() { ToolBar2->setVisible(ToolBar2->isHidden()); }
void TFormMain::GraphStyle1Click() { ToolBar3->setVisible(ToolBar3->isHidden()); }

void TFormMain::SetViewMarks(QAction* graphsList, QAction* commandWindow, QAction* calculator, QAction* standard,
                             QAction* coordinate, QAction* graphStyle) {
    TFormMainSub* doc = ActiveDocument();
    if (!doc) return;
    graphsList->setChecked(!doc->GroupBox1->isHidden());
    commandWindow->setChecked(!doc->GroupBox2->isHidden());
    calculator->setChecked(!doc->GroupBox3->isHidden());
    standard->setChecked(!ToolBar1->isHidden());
    coordinate->setChecked(!ToolBar2->isHidden());
    graphStyle->setChecked(!ToolBar3->isHidden());
}

void TFormMain::View1Click() {
    if (!ActiveDocument()) return;
    SetViewMarks(Command(QStringLiteral("ActionShowHideGraphsList")), Command(QStringLiteral("ActionShowHideCommandWindow")),
                 Command(QStringLiteral("ActionShowHideCalculator")), Command(QStringLiteral("Standard1")),
                 Command(QStringLiteral("Coordinate1")), Command(QStringLiteral("GraphStyle1")));
    const bool anyPanel = Command(QStringLiteral("ActionShowHideGraphsList"))->isChecked() ||
                          Command(QStringLiteral("ActionShowHideCommandWindow"))->isChecked() ||
                          Command(QStringLiteral("ActionShowHideCalculator"))->isChecked();
    Command(anyPanel ? QStringLiteral("ActionNormalLayout") : QStringLiteral("ActionGraphsLayout"))->setChecked(true);
}

void TFormMain::ViewPopupMenuPopup() {
    SetViewMarks(Command(QStringLiteral("PopupGraphsList")), Command(QStringLiteral("PopupCommandWindow")),
                 Command(QStringLiteral("PopupCalculator")), Command(QStringLiteral("PopupStandard")),
                 Command(QStringLiteral("PopupCoordinate")), Command(QStringLiteral("PopupGraphStyle")));
}

void TFormMain::ActionNormalLayoutExecute() {
    Command(QStringLiteral("ActionNormalLayout"))->setChecked(true);
    if (!Command(QStringLiteral("ActionShowHideGraphsList"))->isChecked()) ActionShowHideGraphsListExecute();
    if (!Command(QStringLiteral("ActionShowHideCommandWindow"))->isChecked()) ActionShowHideCommandWindowExecute();
    if (!Command(QStringLiteral("ActionShowHideCalculator"))->isChecked()) ActionShowHideCalculatorExecute();
    if (TFormMainSub* doc = ActiveDocument()) doc->SetGraphMenuItemsVisible(false);
}

void TFormMain::ActionGraphsLayoutExecute() {
    Command(QStringLiteral("ActionGraphsLayout"))->setChecked(true);
    if (Command(QStringLiteral("ActionShowHideGraphsList"))->isChecked()) ActionShowHideGraphsListExecute();
    if (Command(QStringLiteral("ActionShowHideCommandWindow"))->isChecked()) ActionShowHideCommandWindowExecute();
    if (Command(QStringLiteral("ActionShowHideCalculator"))->isChecked()) ActionShowHideCalculatorExecute();
    if (TFormMainSub* doc = ActiveDocument()) doc->SetGraphMenuItemsVisible(true);
}

// ------------------------------------------------------------------------------------------------
// Windows menu

namespace {
// Items of the Windows menu added for the document windows carry this mark (group index 1).
constexpr const char* kWindowItemGroup = "zmGroupIndex";
}  // namespace

void TFormMain::ActionShowAllSubWindowsExecute() {
    QMenu* menu = nullptr;
    for (QAction* top : menuBar()->actions()) {
        QString caption = top->text();
        caption.remove(QLatin1Char('&'));
        if (caption == QLatin1String("Windows")) menu = top->menu();
    }
    if (!menu) return;
    const QList<QAction*> items = menu->actions();
    for (qsizetype i = items.size() - 1; i >= 0; --i) {
        if (items[i]->property(kWindowItemGroup).toInt() == 1) {
            menu->removeAction(items[i]);
            items[i]->deleteLater();
        }
    }
    QMdiSubWindow* current = MdiArea->currentSubWindow();
    for (QMdiSubWindow* sub : MdiArea->subWindowList(QMdiArea::CreationOrder)) {
        auto* item = new QAction(sub->windowTitle(), menu);
        item->setProperty(kWindowItemGroup, 1);
        item->setCheckable(true);
        item->setChecked(sub == current);
        connect(item, &QAction::triggered, this,
                [this, item] { guarded(this, [this, item] { ActionChangeActiveWindowExecute(item); }); });
        menu->addAction(item);
    }
}

void TFormMain::ActionChangeActiveWindowExecute(QAction* Item) {
    if (!Item || !Windows1) return;
    // The five arrangement commands and the separator come first.
    const qsizetype number = Windows1->actions().indexOf(Item) - 6;
    const QList<QMdiSubWindow*> subs = MdiArea->subWindowList(QMdiArea::CreationOrder);
    if (number < 0 || number >= subs.size()) return;
    MdiArea->setActiveSubWindow(subs[number]);
    subs[number]->widget()->setFocus();
}
