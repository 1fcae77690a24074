// The main window's command table: actions, menu bar, tool bars and status bar.
#include "shell/fmMain.h"

#include "platform/ZMGuard.h"
#include "shell/fmMainIcons.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

QAction* TFormMain::AddCommandFn(const QString& name, const QString& text, std::function<void()> fn) {
    auto* a = new QAction(text, this);
    a->setObjectName(name);
    a->setIcon(MainWindowIcon(name));
    a->setIconVisibleInMenu(false);
    connect(a, &QAction::triggered, this, [this, fn = std::move(fn)] { guarded(this, fn); });
    commands_.insert(name, a);
    return a;
}

QAction* TFormMain::AddCommand(const QString& name, const QString& text, const QString& hint,
                               const QKeySequence& key, void (TFormMain::*handler)()) {
    QAction* a = AddCommandFn(name, text, [this, handler] { (this->*handler)(); });
    if (!hint.isEmpty()) a->setToolTip(hint);
    if (!key.isEmpty()) a->setShortcut(key);
    return a;
}

QAction* TFormMain::AddMarkedCommand(const QString& name, const QString& text, void (TFormMain::*handler)()) {
    auto* a = new QAction(text, this);
    a->setObjectName(name);
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this, a, handler] {
        // Only the View menu's opening sets the mark; a click leaves it as it was.
        {
            QSignalBlocker block(a);
            a->setChecked(!a->isChecked());
        }
        guarded(this, [this, handler] { (this->*handler)(); });
    });
    commands_.insert(name, a);
    return a;
}

void TFormMain::CreateCommands() {
    const QString none;
    const QKeySequence noKey;
    // File.
    AddCommand(QStringLiteral("ActionFileNew"), QStringLiteral("New"), QStringLiteral("New"), QKeySequence(QStringLiteral("Ctrl+N")),
               &TFormMain::ActionFileNewExecute);
    AddCommand(QStringLiteral("ActionDocOpen"), QStringLiteral("Open"), QStringLiteral("Open"), QKeySequence(QStringLiteral("Ctrl+O")),
               &TFormMain::ActionDocOpenExecute);
    AddCommand(QStringLiteral("Close1"), QStringLiteral("Close"), none, QKeySequence(QStringLiteral("Ctrl+Q")), &TFormMain::Close1Click);
    AddCommand(QStringLiteral("ActionImportGraphs"), QStringLiteral("Import Graphs..."), none, noKey,
               &TFormMain::ActionImportGraphsExecute);
    AddCommand(QStringLiteral("ActionDocSave"), QStringLiteral("Save"), QStringLiteral("Save"), QKeySequence(QStringLiteral("Ctrl+S")),
               &TFormMain::ActionDocSaveExecute);
    AddCommand(QStringLiteral("ActionDocSaveAs"), QStringLiteral("Save as..."), none, noKey, &TFormMain::ActionDocSaveAsExecute);
    AddCommand(QStringLiteral("ActionSaveAsPicture"), QStringLiteral("Save as Picture..."), QStringLiteral("Save as Picture"), noKey,
               &TFormMain::ActionSaveAsPictureExecute);
    AddCommand(QStringLiteral("PageSetup1"), QStringLiteral("Page Setup..."), none, noKey, &TFormMain::PageSetup1Click);
    AddCommand(QStringLiteral("Print1"), QStringLiteral("Preview && Print..."), QStringLiteral("Preview & Print"),
               QKeySequence(QStringLiteral("Ctrl+P")), &TFormMain::Print1Click);
    AddCommand(QStringLiteral("Exit1"), QStringLiteral("Exit"), none, noKey, &TFormMain::Exit1Click);
    // Edit.
    AddCommand(QStringLiteral("ActionImportTable"), QStringLiteral("Import Table..."), QStringLiteral("Import Table"), noKey,
               &TFormMain::ActionImportTableExecute);
    AddCommand(QStringLiteral("ActionExportTable"), QStringLiteral("Export Table"), QStringLiteral("Export Table"), noKey,
               &TFormMain::ActionExportTableExecute);
    AddCommand(QStringLiteral("ActionCopyAsPicture"), QStringLiteral("Copy As Picture..."), QStringLiteral("Copy as Picture"),
               QKeySequence(QStringLiteral("Ctrl+C")), &TFormMain::ActionCopyAsPictureExecute);
    AddCommand(QStringLiteral("DrawLabels1"), QStringLiteral("Draw Labels"), none, noKey, &TFormMain::DrawLabels1Click)
        ->setCheckable(true);
    AddCommand(QStringLiteral("ActionSetOption"), QStringLiteral("Options"), none, noKey, &TFormMain::ActionSetOptionExecute);
    // View.
    layoutGroup_ = new QActionGroup(this);
    layoutGroup_->setExclusive(true);
    for (QAction* a : {AddCommand(QStringLiteral("ActionNormalLayout"), QStringLiteral("Normal Layout"), none, noKey,
                                  &TFormMain::ActionNormalLayoutExecute),
                       AddCommand(QStringLiteral("ActionGraphsLayout"), QStringLiteral("Graphs Layout"), none, noKey,
                                  &TFormMain::ActionGraphsLayoutExecute)}) {
        a->setCheckable(true);
        layoutGroup_->addAction(a);
    }
    Command(QStringLiteral("ActionNormalLayout"))->setChecked(true);
    struct Marked {
        const char* menuName;
        const char* popupName;
        const char* text;
        void (TFormMain::*handler)();
    };
    const Marked marked[] = {
        {"ActionShowHideGraphsList", "PopupGraphsList", "Graphs List", &TFormMain::ActionShowHideGraphsListExecute},
        {"ActionShowHideCommandWindow", "PopupCommandWindow", "Command Window", &TFormMain::ActionShowHideCommandWindowExecute},
        {"ActionShowHideCalculator", "PopupCalculator", "Calculator", &TFormMain::ActionShowHideCalculatorExecute},
        {"Standard1", "PopupStandard", "Standard", &TFormMain::Standard1Click},
        {"Coordinate1", "PopupCoordinate", "Coordinate", &TFormMain::Coordinate1Click},
        {"GraphStyle1", "PopupGraphStyle", "GraphStyle", &TFormMain::GraphStyle1Click},
    };
    for (const Marked& m : marked) {
        AddMarkedCommand(QString::fromLatin1(m.menuName), QString::fromLatin1(m.text), m.handler)->setChecked(true);
        AddMarkedCommand(QString::fromLatin1(m.popupName), QString::fromLatin1(m.text), m.handler)->setChecked(true);
    }
    // Graphs.
    AddCommand(QStringLiteral("ActionAddGraph"), QStringLiteral("Add Graph"), QStringLiteral("Add Graph"),
               QKeySequence(QStringLiteral("Ctrl+G")), &TFormMain::ActionAddGraphExecute);
    AddCommand(QStringLiteral("ActionAddTable"), QStringLiteral("Add Table Graph"), QStringLiteral("Add Table Graph"),
               QKeySequence(QStringLiteral("Ctrl+T")), &TFormMain::ActionAddTableExecute);
    AddCommand(QStringLiteral("ActionCoordinateProperties"), QStringLiteral("Coordinate Properties..."),
               QStringLiteral("Coordinate Properties"), noKey, &TFormMain::ActionCoordinatePropertiesExecute);
    AddCommand(QStringLiteral("ActionSetDefalutCoordinate"), QStringLiteral("Standard Properties"), none, noKey,
               &TFormMain::ActionSetDefalutCoordinateExecute);
    AddCommand(QStringLiteral("ActionSetDefalutCoordInterval"), QStringLiteral("Standard Intervals"), none, noKey,
               &TFormMain::ActionSetDefalutCoordIntervalExecute);
    AddCommand(QStringLiteral("ActionDeleteGraph"), QStringLiteral("Delete Graph"), QStringLiteral("Delete Graph"), noKey,
               &TFormMain::ActionDeleteGraphExecute);
    AddCommand(QStringLiteral("ActionEditGraph"), QStringLiteral("Graph Properties"), QStringLiteral("Graph Properties"), noKey,
               &TFormMain::ActionEditGraphExecute);
    // Calculate.
    AddCommand(QStringLiteral("ActionFormulaCalculator"), QStringLiteral("Formula Calculator"), QStringLiteral("Formular Calculator"),
               noKey, &TFormMain::ActionFormulaCalculatorExecute);
    AddCommand(QStringLiteral("ActionValueTable"), QStringLiteral("Value Table"), QStringLiteral("Value Table"), noKey,
               &TFormMain::ActionValueTableExecute);
    AddCommand(QStringLiteral("ActionAnalyzeFunction"), QStringLiteral("Analyze Function"), QStringLiteral("Analyze Function"), noKey,
               &TFormMain::ActionAnalyzeFunctionExecute);
    AddCommand(QStringLiteral("ActionIntersection"), QStringLiteral("Intersections..."), QStringLiteral("Intersections"), noKey,
               &TFormMain::ActionIntersectionExecute);
    AddCommand(QStringLiteral("ActionDerivative"), QStringLiteral("Derivative..."), QStringLiteral("Derivative"), noKey,
               &TFormMain::ActionDerivativeExecute);
    AddCommand(QStringLiteral("ActionTangentNormal"), QStringLiteral("Tangent/Normal..."), QStringLiteral("Tangent/Normal"), noKey,
               &TFormMain::ActionTangentNormalExecute);
    AddCommand(QStringLiteral("ActionIntegration"), QStringLiteral("Integration..."), QStringLiteral("Integration"), noKey,
               &TFormMain::ActionIntegrationExecute);
    // Unit Convert: item caption, action name, category passed.
    struct Category {
        const char* text;
        const char* name;
        const char* category;
    };
    const Category categories[] = {
        {"Area", "Area1", "Area"},           {"Bits && Bytes", "BitsBytes1", "Bits&Bytes"}, {"Density", "Density1", "Density"},
        {"Energy", "Energy1", "Energy"},     {"Force", "Force1", "Force"},                  {"Length", "Length1", "Length"},
        {"Mass", "Mass1", "Mass"},           {"Power", "Power1", "Power"},                  {"Pressure", "Pressure1", "Pressure"},
        {"Speed", "Speed1", "Speed"},        {"Temperature", "emperature1", "Temperature"}, {"Volume", "Volume1", "Volume"},
    };
    for (const Category& c : categories) {
        const QString category = QString::fromLatin1(c.category);
        AddCommandFn(QString::fromLatin1(c.name), QString::fromLatin1(c.text), [this, category] { UnitConvert(category); });
    }
    // Slide Show.
    AddCommand(QStringLiteral("ActionViewCurrentDocument"), QStringLiteral("View Current Document"),
               QStringLiteral("View Current Document"), QKeySequence(Qt::Key_F10), &TFormMain::ActionViewCurrentDocumentExecute);
    AddCommand(QStringLiteral("ActionViewSlideShow"), QStringLiteral("View Slide Show"), QStringLiteral("View Slide Show"),
               QKeySequence(Qt::Key_F11), &TFormMain::ActionViewSlideShowExecute);
    AddCommand(QStringLiteral("ActionCustomSlideShow"), QStringLiteral("Custom Slide Show..."), none, noKey,
               &TFormMain::ActionCustomSlideShowExecute);
    // Windows: the platform's arrangement commands.
    AddCommandFn(QStringLiteral("Cascade1"), QStringLiteral("&Cascade"), [this] { MdiArea->cascadeSubWindows(); });
    AddCommandFn(QStringLiteral("TileHorizontally1"), QStringLiteral("Tile &Horizontally"), [this] { TileHorizontally(); });
    AddCommandFn(QStringLiteral("TileVertically1"), QStringLiteral("&Tile Vertically"), [this] { TileVertically(); });
    AddCommandFn(QStringLiteral("Arrange1"), QStringLiteral("&Arrange"), [this] { ArrangeIcons(); });
    AddCommandFn(QStringLiteral("MinimizeAll1"), QStringLiteral("&Minimize All"), [this] { MinimizeAll(); });
    // Help.
    AddCommand(QStringLiteral("Contents1"), QStringLiteral("Contents"), none, noKey, &TFormMain::Contents1Click);
    AddCommand(QStringLiteral("QuickReference1"), QStringLiteral("Quick Reference..."), none, noKey, &TFormMain::QuickReference1Click);
    AddCommand(QStringLiteral("OnlineReference1"), QStringLiteral("Online Resources"), none, noKey, &TFormMain::OnlineReference1Click);
    AddCommand(QStringLiteral("CheckforUpdates1"), QStringLiteral("Check for Updates"), none, noKey, &TFormMain::CheckforUpdates1Click);
    AddCommand(QStringLiteral("OnlineFlashTutorial1"), QStringLiteral("Online Flash Tutorial"), none, noKey,
               &TFormMain::OnlineFlashTutorial1Click);
    AddCommand(QStringLiteral("ActionShowTips"), QStringLiteral("Tip of the Day"), none, noKey, &TFormMain::ActionShowTipsExecute);
    AddCommand(QStringLiteral("ActionShowAbout"), QStringLiteral("About"), none, noKey, &TFormMain::ActionShowAboutExecute);
    // Coordinate tool bar.
    struct ViewCommand {
        const char* name;
        const char* hint;
        void (TFormMain::*handler)();
    };
    const ViewCommand views[] = {
        {"ActionCoordExpandBoth", "Zoom Out X and Y", &TFormMain::ActionCoordExpandBothExecute},
        {"ActionCoordExpandHor", "Zoom Out X", &TFormMain::ActionCoordExpandHorExecute},
        {"ActionCoordExpandVer", "Zoom Out Y", &TFormMain::ActionCoordExpandVerExecute},
        {"ActionCoordContractBoth", "Zoom In X and Y", &TFormMain::ActionCoordContractBothExecute},
        {"ActionCoordContractHor", "Zoom In X", &TFormMain::ActionCoordContractHorExecute},
        {"ActionCoordContractVer", "Zoom In Y", &TFormMain::ActionCoordContractVerExecute},
        {"ActionCoordMoveLeft", "Take one step Left", &TFormMain::ActionCoordMoveLeftExecute},
        {"ActionCoordMoveRight", "Take one step Right", &TFormMain::ActionCoordMoveRightExecute},
        {"ActionCoordMoveUp", "Take one step Upwards", &TFormMain::ActionCoordMoveUpExecute},
        {"ActionCoordMoveDown", "Take one step Downwards", &TFormMain::ActionCoordMoveDownExecute},
        {"ActionCoordMoveLeftMore", "Move to the Left", &TFormMain::ActionCoordMoveLeftMoreExecute},
        {"ActionCoordMoveRightMore", "Move to the Right", &TFormMain::ActionCoordMoveRightMoreExecute},
        {"ActionCoordMoveUpMore", "Move Upwards", &TFormMain::ActionCoordMoveUpMoreExecute},
        {"ActionCoordMoveDownMore", "Move Downwards", &TFormMain::ActionCoordMoveDownMoreExecute},
        {"ActionSelectInterval", "Select Interval", &TFormMain::ActionSelectIntervalExecute},
        {"ActionCoordViewCenter", "Center View", &TFormMain::ActionCoordViewCenterExecute},
        {"ToolButton52", "Recover Coordinate Interval", &TFormMain::ToolButton52Click},
        {"ActionAddLabel", "Draw a Label", &TFormMain::ActionAddLabelExecute},
    };
    for (const ViewCommand& v : views)
        AddCommand(QString::fromLatin1(v.name), QString::fromLatin1(v.hint), QString::fromLatin1(v.hint), noKey, v.handler);
    Command(QStringLiteral("ActionSelectInterval"))->setCheckable(true);
    Command(QStringLiteral("ActionAddLabel"))->setCheckable(true);
}

namespace {

// Adds the named commands in order; "-" is a separator.
void Fill(QWidget* target, const QHash<QString, QAction*>& commands, std::initializer_list<const char*> names) {
    auto* menu = qobject_cast<QMenu*>(target);
    auto* bar = qobject_cast<QToolBar*>(target);
    for (const char* name : names) {
        if (QLatin1String(name) == QLatin1String("-")) {
            if (menu) menu->addSeparator();
            if (bar) bar->addSeparator();
        } else {
            target->addAction(commands.value(QString::fromLatin1(name)));
        }
    }
}

}  // namespace

void TFormMain::CreateMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    auto addMenu = [&](const char* objectName, const char* title) {
        QMenu* m = bar->addMenu(QString::fromLatin1(title));
        m->setObjectName(QString::fromLatin1(objectName));
        return m;
    };

    Fill(addMenu("File1", "&File"), commands_,
         {"ActionFileNew", "ActionDocOpen", "Close1", "-", "ActionImportGraphs", "-", "ActionDocSave", "ActionDocSaveAs",
          "ActionSaveAsPicture", "-", "PageSetup1", "Print1", "-", "Exit1"});
    Fill(addMenu("Edit1", "&Edit"), commands_,
         {"ActionImportTable", "ActionExportTable", "-", "ActionCopyAsPicture", "DrawLabels1", "-", "ActionSetOption"});

    View1 = addMenu("View1", "&View");
    Fill(View1, commands_,
         {"ActionNormalLayout", "ActionGraphsLayout", "-", "ActionShowHideGraphsList", "ActionShowHideCommandWindow",
          "ActionShowHideCalculator"});
    QMenu* toolBars = View1->addMenu(QStringLiteral("ToolBars"));
    toolBars->setObjectName(QStringLiteral("ToolBars1"));
    Fill(toolBars, commands_, {"Standard1", "Coordinate1", "GraphStyle1"});
    connect(View1, &QMenu::aboutToShow, this, [this] { guarded(this, [this] { View1Click(); }); });

    QMenu* graphs = addMenu("Graphs1", "&Graphs");
    Fill(graphs, commands_, {"ActionAddGraph", "ActionAddTable", "-", "ActionCoordinateProperties"});
    QMenu* defaults = graphs->addMenu(QStringLiteral("Set Default Coordinate"));
    defaults->setObjectName(QStringLiteral("SetDefaultCoordinate1"));
    Fill(defaults, commands_, {"ActionSetDefalutCoordinate", "ActionSetDefalutCoordInterval"});

    Fill(addMenu("Calculate1", "&Calculate"), commands_,
         {"ActionFormulaCalculator", "ActionValueTable", "ActionAnalyzeFunction", "ActionIntersection", "ActionDerivative",
          "ActionTangentNormal", "ActionIntegration"});
    Fill(addMenu("UnitConvert1", "&Unit Convert"), commands_,
         {"Area1", "BitsBytes1", "Density1", "Energy1", "Force1", "Length1", "Mass1", "Power1", "Pressure1", "Speed1",
          "emperature1", "Volume1"});
    Fill(addMenu("SlideShow1", "Slide Show"), commands_,
         {"ActionViewCurrentDocument", "-", "ActionViewSlideShow", "ActionCustomSlideShow"});

    Windows1 = addMenu("Windows1", "&Windows");
    Fill(Windows1, commands_, {"Cascade1", "TileHorizontally1", "TileVertically1", "Arrange1", "MinimizeAll1", "-"});
    connect(Windows1, &QMenu::aboutToShow, this, [this] { guarded(this, [this] { ActionShowAllSubWindowsExecute(); }); });

    Fill(addMenu("Help1", "&Help"), commands_,
         {"Contents1", "QuickReference1", "-", "OnlineReference1", "CheckforUpdates1", "OnlineFlashTutorial1", "-",
          "ActionShowTips", "-", "ActionShowAbout"});

    ViewPopupMenu = new QMenu(this);
    ViewPopupMenu->setObjectName(QStringLiteral("ViewPopupMenu"));
    Fill(ViewPopupMenu, commands_, {"PopupGraphsList", "PopupCommandWindow", "PopupCalculator"});
    QMenu* popupBars = ViewPopupMenu->addMenu(QStringLiteral("ToolBars"));
    Fill(popupBars, commands_, {"PopupStandard", "PopupCoordinate", "PopupGraphStyle"});
    connect(ViewPopupMenu, &QMenu::aboutToShow, this, [this] { guarded(this, [this] { ViewPopupMenuPopup(); }); });

    DefaultCoordPopupMenu = new QMenu(this);
    DefaultCoordPopupMenu->setObjectName(QStringLiteral("DefaultCoordPopupMenu"));
    Fill(DefaultCoordPopupMenu, commands_, {"ActionSetDefalutCoordinate", "ActionSetDefalutCoordInterval"});
}

void TFormMain::CreateToolBars() {
    auto makeBar = [this](const char* objectName, const char* title) {
        auto* bar = new QToolBar(QString::fromLatin1(title), this);
        bar->setObjectName(QString::fromLatin1(objectName));
        bar->setIconSize(QSize(24, 24));
        bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
        addToolBar(Qt::TopToolBarArea, bar);
        return bar;
    };

    ToolBar1 = makeBar("ToolBar1", "Standard");
    Fill(ToolBar1, commands_,
         {"ActionFileNew", "ActionDocOpen", "ActionDocSave", "Print1", "-", "ActionImportTable", "ActionExportTable",
          "ActionSaveAsPicture", "ActionCopyAsPicture", "-"});
    auto* view = new QToolButton(ToolBar1);
    view->setObjectName(QStringLiteral("ViewToolButton"));
    view->setIcon(MainWindowIcon(QStringLiteral("ViewPopup")));
    view->setToolTip(QStringLiteral("View"));
    view->setMenu(ViewPopupMenu);
    view->setPopupMode(QToolButton::InstantPopup);
    ToolBar1->addWidget(view);
    ToolBar1->addSeparator();
    Fill(ToolBar1, commands_,
         {"ActionAddGraph", "ActionAddTable", "ActionDeleteGraph", "ActionEditGraph", "-", "ActionFormulaCalculator",
          "ActionValueTable", "ActionAnalyzeFunction", "ActionIntersection", "ActionDerivative", "ActionTangentNormal",
          "ActionIntegration", "-", "ActionViewCurrentDocument", "ActionViewSlideShow"});

    addToolBarBreak(Qt::TopToolBarArea);
    ToolBar2 = makeBar("ToolBar2", "Coordinate");
    auto* properties = new QToolButton(ToolBar2);
    properties->setObjectName(QStringLiteral("CoordinatePropertiesToolButton"));
    properties->setDefaultAction(Command(QStringLiteral("ActionCoordinateProperties")));
    properties->setMenu(DefaultCoordPopupMenu);
    properties->setPopupMode(QToolButton::MenuButtonPopup);
    ToolBar2->addWidget(properties);
    ToolBar2->addSeparator();
    Fill(ToolBar2, commands_,
         {"ActionCoordExpandBoth", "ActionCoordExpandHor", "ActionCoordExpandVer", "-", "ActionCoordContractBoth",
          "ActionCoordContractHor", "ActionCoordContractVer", "-", "ActionCoordMoveLeft", "ActionCoordMoveRight",
          "ActionCoordMoveUp", "ActionCoordMoveDown", "-", "ActionCoordMoveLeftMore", "ActionCoordMoveRightMore",
          "ActionCoordMoveUpMore", "ActionCoordMoveDownMore", "-", "ActionSelectInterval", "ActionCoordViewCenter", "-",
          "ToolButton52", "-", "ActionAddLabel"});

    addToolBar(Qt::TopToolBarArea, ToolBar3);
}

void TFormMain::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    StatusPanel0 = new QLabel(QStringLiteral("Ready"), bar);
    StatusPanel0->setObjectName(QStringLiteral("StatusBar1Panel0"));
    StatusPanel0->setFixedWidth(150);
    StatusPanel1 = new QLabel(bar);
    StatusPanel1->setObjectName(QStringLiteral("StatusBar1Panel1"));
    StatusPanel1->setMinimumWidth(50);
    bar->addWidget(StatusPanel0);
    bar->addWidget(StatusPanel1, 1);
}
