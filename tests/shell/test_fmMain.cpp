// The main window: start-up, the menu and tool-bar layout, commands with and without a document,
// side panels, layouts, mouse modes, the Windows menu, shortcuts and help links.
#include "tests/shell/MainWindowFixture.h"

#include "output/fmCustomSlideShow.h"
#include "platform/ZMColorBox.h"
#include "platform/ZMIniFile.h"
#include "platform/ZMProgramDir.h"
#include "plot/ZMCoordinate.h"
#include "plot/ZMFunTabObj.h"
#include "plot/ZMMemoryListBox.h"
#include "shell/fmAbout.h"
#include "shell/fmSetOption.h"
#include "shell/fmShowTips.h"
#include "storage/ZMAddLabel.h"
#include "support/AddGraphPreset.h"
#include "support/ComboItems.h"
#include "support/DialogFixture.h"
#include "support/FakePrinterService.h"
#include "support/NextModal.h"
#include "support/UrlRecorder.h"
#include "support/ViewerWatch.h"
#include "tools/fmAnalyzeFunction.h"
#include "tools/fmAnalyzeResult.h"
#include "tools/fmDerivativeTool.h"
#include "tools/fmFormulaCalculator.h"
#include "tools/fmIntegration.h"
#include "tools/fmIntersection.h"
#include "tools/fmIntersectionResult.h"
#include "tools/fmValueTable.h"

#include <QActionGroup>
#include <QApplication>
#include <QListWidget>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>

#include <memory>

namespace {

// "-" for a separator, "Name>" for a sub-menu, else the item text.
QStringList Items(const QWidget* w) {
    QStringList out;
    for (QAction* a : w->actions()) {
        if (a->isSeparator())
            out << QStringLiteral("-");
        else if (a->menu())
            out << a->text() + QStringLiteral(">");
        else
            out << a->text();
    }
    return out;
}

QMenu* TopMenu(TFormMain& frame, const QString& title) {
    for (QAction* a : frame.menuBar()->actions())
        if (a->text() == title) return a->menu();
    return nullptr;
}

// Tool-bar contents: a button's hint, "|" for a divider, a widget's object name in brackets.
QStringList Buttons(QToolBar* bar) {
    QStringList out;
    for (QAction* a : bar->actions()) {
        if (a->isSeparator()) {
            out << QStringLiteral("|");
        } else if (QWidget* w = bar->widgetForAction(a); w && !qobject_cast<QToolButton*>(w)) {
            out << QStringLiteral("[%1]").arg(w->objectName());
        } else if (auto* b = qobject_cast<QToolButton*>(w); b && b->defaultAction() != a) {
            out << b->toolTip();
        } else {
            out << a->toolTip();
        }
    }
    return out;
}

}  // namespace

TEST_F(MainWindowTest, StartUpOpensOneUntitledDocumentWithThePickersDisabled) {
    // The maximised document's caption follows the frame's in brackets.
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Zorvik Mendal - [Untitled-1.xml]"));
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Zorvik Mendal"));
    ASSERT_EQ(frame->Documents().size(), 1);
    TFormMainSub* doc = Active();
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->windowTitle(), QStringLiteral("Untitled-1.xml"));
    EXPECT_EQ(frame->MdiArea->currentSubWindow()->windowTitle(), QStringLiteral("Untitled-1.xml"));
    EXPECT_EQ(doc->FilePath, QStringLiteral("Untitled-1.xml"));
    EXPECT_EQ(doc->IsNew, 1);
    EXPECT_EQ(frame->UntitledCounter, 1);
    EXPECT_TRUE(frame->SlideList.isEmpty());
    EXPECT_FALSE(frame->ConfirmDelete);
    EXPECT_EQ(frame->ProgramDir, dir.path() + QStringLiteral("/"));

    for (QWidget* picker : frame->ToolBar3->findChildren<QComboBox*>()) EXPECT_FALSE(picker->isEnabled()) << picker->objectName().toStdString();
    EXPECT_FALSE(frame->ColorBox1->isEnabled());

    EXPECT_EQ(frame->StatusPanel0->text(), QStringLiteral("Ready"));
    EXPECT_EQ(frame->StatusPanel0->width(), 150);
    EXPECT_GE(frame->StatusPanel1->minimumWidth(), 50);
    EXPECT_EQ(frame->statusBar()->findChild<QLabel*>(QStringLiteral("StatusBar1Panel1")), frame->StatusPanel1);

    EXPECT_TRUE(frame->Timer1->isActive());
    EXPECT_TRUE(frame->Timer1->isSingleShot());
    EXPECT_EQ(frame->Timer1->interval(), 500);
    EXPECT_EQ(boxes.count(), 0);

    // A second show (after minimise and restore) opens nothing more.
    frame->hide();
    frame->show();
    EXPECT_EQ(frame->Documents().size(), 1);
}

TEST_F(MainWindowTest, StartUpTipShowsOnlyWhenTipsAreEnabled) {
    // The program's tips dialog, noting the tip it shows and closing with "OK".
    int calls = 0;
    QStringList shown;
    frame->OptionDialogs.ShowTips = [&](TFormMain& f, const QString& FileName) {
        ++calls;
        EXPECT_EQ(FileName, QStringLiteral("ZMTips.ini"));
        TFormShowTips dialog(&f);
        QTimer::singleShot(0, &dialog, [&] {
            shown << dialog.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->toPlainText();
            dialog.findChild<QPushButton*>(QStringLiteral("Button2"))->click();
        });
        return dialog.Execute(FileName);
    };
    frame->Timer1Timer();
    EXPECT_FALSE(frame->Timer1->isActive());
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(shown.isEmpty());  // no ZMTips.ini: tips are off

    WriteFile(QStringLiteral("ZMTips.ini"), "[TipList]\nEnabled=0\nTipCount=2\nTipNum=2\nTip1=first\nTip2=second\n");
    frame->Timer1Timer();
    EXPECT_TRUE(shown.isEmpty());

    WriteFile(QStringLiteral("ZMTips.ini"), "[TipList]\nEnabled=1\nTipCount=2\nTipNum=2\nTip1=first\nTip2=second\n");
    frame->Timer1Timer();
    frame->Timer1Timer();
    EXPECT_EQ(shown, (QStringList{"first", "second"}));
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(MainWindowTest, WithoutSettingsFilesOptionsShowsBothClearedAndTipOfTheDayCreatesTheTipsFile) {
    frame->Timer1->stop();
    bool deleteGraph = true;
    bool showTips = true;
    const NextModal optionsDialog([&](QWidget* modal) {
        auto* options = qobject_cast<TFormSetOption*>(modal);
        if (!options) return modal->close(), void();
        deleteGraph = options->findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->isChecked();
        showTips = options->findChild<QCheckBox*>(QStringLiteral("CheckBox2"))->isChecked();
        options->findChild<QPushButton*>(QStringLiteral("Button2"))->click();
    });
    Trigger(QStringLiteral("ActionSetOption"));
    EXPECT_FALSE(deleteGraph);
    EXPECT_FALSE(showTips);
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("ZMUser.ini"))));
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("ZMTips.ini"))));

    QString tip = QStringLiteral("not shown");
    const NextModal tipsDialog([&](QWidget* modal) {
        auto* tips = qobject_cast<TFormShowTips*>(modal);
        if (!tips) return modal->close(), void();
        tip = tips->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->toPlainText();
        tips->findChild<QPushButton*>(QStringLiteral("Button2"))->click();
    });
    Trigger(QStringLiteral("ActionShowTips"));
    EXPECT_EQ(tip, QString());
    QFile file(Path(QStringLiteral("ZMTips.ini")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("[TipList]\nEnabled=1\nTipNum=1\n"));
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(MainWindowTest, OptionsReloadsTheOptionAfterOkAndAfterCancel) {
    frame->Timer1->stop();
    // Checks "Delete Graph" and leaves with OK; then leaves with Cancel.
    const NextModal confirm([](QWidget* modal) {
        modal->findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->click();
        modal->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    });
    Trigger(QStringLiteral("ActionSetOption"));
    EXPECT_TRUE(frame->ConfirmDelete);

    IniFile(Path(QStringLiteral("ZMUser.ini"))).writeBool(QStringLiteral("Options"), QStringLiteral("DeleteGraph"), false);
    const NextModal cancel([](QWidget* modal) { modal->findChild<QPushButton*>(QStringLiteral("Button2"))->click(); });
    Trigger(QStringLiteral("ActionSetOption"));
    EXPECT_FALSE(frame->ConfirmDelete);
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(MainWindowTest, HelpTipOfTheDaySwitchesTipsOnBeforeTheDialog) {
    int calls = 0;
    bool enabledAtCall = false;
    frame->OptionDialogs.ShowTips = [&](TFormMain&, const QString& FileName) {
        ++calls;
        enabledAtCall = IniFile(programFile(FileName)).readBool(QStringLiteral("TipList"), QStringLiteral("Enabled"), false);
        return true;
    };
    WriteFile(QStringLiteral("ZMTips.ini"), "[TipList]\nEnabled=0\nTipNum=4\n");
    Trigger(QStringLiteral("ActionShowTips"));
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(enabledAtCall);

    // A tips file that cannot be written: the error box, and no dialog.
    QFile::remove(Path(QStringLiteral("ZMTips.ini")));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("ZMTips.ini")));
    Trigger(QStringLiteral("ActionShowTips"));
    EXPECT_EQ(calls, 1);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().kind, MsgKind::Error);
    EXPECT_EQ(boxes.last().text, QStringLiteral("Cannot create file \"%1\". Is a directory").arg(Path(QStringLiteral("ZMTips.ini"))));
}

TEST_F(MainWindowTest, AboutOpensTheAboutBox) {
    int calls = 0;
    frame->OptionDialogs.About = [&](TFormMain&) { return ++calls, true; };
    Trigger(QStringLiteral("ActionShowAbout"));
    EXPECT_EQ(calls, 1);

    frame->OptionDialogs = ProgramOptionDialogs();
    QString caption;
    const NextModal answer([&](QWidget* modal) {
        if (qobject_cast<TFormAbout*>(modal)) caption = modal->windowTitle();
        modal->close();
    });
    CloseAll();  // needs no document
    Trigger(QStringLiteral("ActionShowAbout"));
    EXPECT_EQ(caption, QStringLiteral("About"));
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(MainWindowTest, ConfirmDeleteIsReadFromTheUserIni) {
    IniFile ini(dir.filePath(QStringLiteral("ZMUser.ini")));
    ini.writeString(QStringLiteral("Options"), QStringLiteral("DeleteGraph"), QStringLiteral("1"));
    frame->SetAllOption();
    EXPECT_TRUE(frame->ConfirmDelete);
    ini.writeString(QStringLiteral("Options"), QStringLiteral("DeleteGraph"), QStringLiteral("0"));
    frame->SetAllOption();
    EXPECT_FALSE(frame->ConfirmDelete);
    // The Options command reloads the option whatever the dialog did.
    frame->OptionDialogs.SetOption = [&](TFormMain&) {
        ini.writeString(QStringLiteral("Options"), QStringLiteral("DeleteGraph"), QStringLiteral("7"));
        return true;
    };
    Trigger(QStringLiteral("ActionSetOption"));
    EXPECT_TRUE(frame->ConfirmDelete);
}

TEST_F(MainWindowTest, MenuBarHoldsEveryItemInOrder) {
    QStringList titles;
    for (QAction* a : frame->menuBar()->actions()) titles << a->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&View", "&Graphs", "&Calculate", "&Unit Convert", "Slide Show", "&Windows",
                                   "&Help"}));

    const struct {
        const char* menu;
        QStringList items;
    } cases[] = {
        {"&File",
         {"New", "Open", "Close", "-", "Import Graphs...", "-", "Save", "Save as...", "Save as Picture...", "-", "Page Setup...",
          "Preview && Print...", "-", "Exit"}},
        {"&Edit", {"Import Table...", "Export Table", "-", "Copy As Picture...", "Draw Labels", "-", "Options"}},
        {"&View", {"Normal Layout", "Graphs Layout", "-", "Graphs List", "Command Window", "Calculator", "ToolBars>"}},
        {"&Graphs", {"Add Graph", "Add Table Graph", "-", "Coordinate Properties...", "Set Default Coordinate>"}},
        {"&Calculate",
         {"Formula Calculator", "Value Table", "Analyze Function", "Intersections...", "Derivative...", "Tangent/Normal...",
          "Integration..."}},
        {"&Unit Convert",
         {"Area", "Bits && Bytes", "Density", "Energy", "Force", "Length", "Mass", "Power", "Pressure", "Speed", "Temperature",
          "Volume"}},
        {"Slide Show", {"View Current Document", "-", "View Slide Show", "Custom Slide Show..."}},
        {"&Windows", {"&Cascade", "Tile &Horizontally", "&Tile Vertically", "&Arrange", "&Minimize All", "-"}},
        {"&Help",
         {"Contents", "Quick Reference...", "-", "Online Resources", "Check for Updates", "Online Flash Tutorial", "-",
          "Tip of the Day", "-", "About"}},
    };
    for (const auto& c : cases) {
        QMenu* menu = TopMenu(*frame, QString::fromLatin1(c.menu));
        ASSERT_NE(menu, nullptr) << c.menu;
        EXPECT_EQ(Items(menu), c.items) << c.menu;
    }

    QMenu* view = TopMenu(*frame, QStringLiteral("&View"));
    EXPECT_EQ(Items(view->actions().last()->menu()), (QStringList{"Standard", "Coordinate", "GraphStyle"}));
    QMenu* graphs = TopMenu(*frame, QStringLiteral("&Graphs"));
    EXPECT_EQ(Items(graphs->actions().last()->menu()), (QStringList{"Standard Properties", "Standard Intervals"}));
    EXPECT_EQ(Items(frame->ViewPopupMenu), (QStringList{"Graphs List", "Command Window", "Calculator", "ToolBars>"}));
    EXPECT_EQ(Items(frame->ViewPopupMenu->actions().last()->menu()), (QStringList{"Standard", "Coordinate", "GraphStyle"}));
    EXPECT_EQ(Items(frame->DefaultCoordPopupMenu), (QStringList{"Standard Properties", "Standard Intervals"}));

    // "Normal Layout" and "Graphs Layout" are one radio group, Normal checked.
    QAction* normal = frame->Command(QStringLiteral("ActionNormalLayout"));
    QAction* graphsLayout = frame->Command(QStringLiteral("ActionGraphsLayout"));
    ASSERT_NE(normal->actionGroup(), nullptr);
    EXPECT_EQ(normal->actionGroup(), graphsLayout->actionGroup());
    EXPECT_TRUE(normal->actionGroup()->isExclusive());
    EXPECT_TRUE(normal->isChecked());
    EXPECT_FALSE(graphsLayout->isChecked());
}

TEST_F(MainWindowTest, ShortcutsAreThoseOfTheMenuTable) {
    const struct {
        const char* action;
        const char* keys;
    } cases[] = {
        {"ActionFileNew", "Ctrl+N"},  {"ActionDocOpen", "Ctrl+O"},        {"Close1", "Ctrl+Q"},
        {"ActionDocSave", "Ctrl+S"},  {"Print1", "Ctrl+P"},               {"ActionCopyAsPicture", "Ctrl+C"},
        {"ActionAddGraph", "Ctrl+G"}, {"ActionAddTable", "Ctrl+T"},       {"ActionViewCurrentDocument", "F10"},
        {"ActionViewSlideShow", "F11"}, {"ActionDocSaveAs", ""},          {"ActionImportGraphs", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(frame->Command(QString::fromLatin1(c.action))->shortcut(), QKeySequence(QString::fromLatin1(c.keys))) << c.action;
}

TEST_F(MainWindowTest, ToolBarsHoldTheirButtonsInOrder) {
    EXPECT_EQ(frame->ToolBar1->windowTitle(), QStringLiteral("Standard"));
    EXPECT_EQ(frame->ToolBar2->windowTitle(), QStringLiteral("Coordinate"));
    EXPECT_EQ(frame->ToolBar3->windowTitle(), QStringLiteral("GraphStyle"));
    EXPECT_EQ(Buttons(frame->ToolBar1),
              (QStringList{"New", "Open", "Save", "Preview & Print", "|", "Import Table", "Export Table", "Save as Picture",
                           "Copy as Picture", "|", "View", "|", "Add Graph", "Add Table Graph", "Delete Graph", "Graph Properties",
                           "|", "Formular Calculator", "Value Table", "Analyze Function", "Intersections", "Derivative",
                           "Tangent/Normal", "Integration", "|", "View Current Document", "View Slide Show"}));
    EXPECT_EQ(Buttons(frame->ToolBar2),
              (QStringList{"Coordinate Properties", "|", "Zoom Out X and Y", "Zoom Out X", "Zoom Out Y", "|", "Zoom In X and Y",
                           "Zoom In X", "Zoom In Y", "|", "Take one step Left", "Take one step Right", "Take one step Upwards",
                           "Take one step Downwards", "|", "Move to the Left", "Move to the Right", "Move Upwards",
                           "Move Downwards", "|", "Select Interval", "Center View", "|", "Recover Coordinate Interval", "|",
                           "Draw a Label"}));
    EXPECT_EQ(Buttons(frame->ToolBar3),
              (QStringList{"[ComboboxLineWidth1]", "[ComboboxLineStyle1]", "[ColorBox1]", "[ComboboxBrushStyle1]"}));

    // Every button has an icon of its own.
    for (QToolBar* bar : {frame->ToolBar1, frame->ToolBar2})
        for (QAction* a : bar->actions())
            if (!a->isSeparator()) {
                QWidget* w = bar->widgetForAction(a);
                auto* b = qobject_cast<QToolButton*>(w);
                EXPECT_FALSE((b ? b->icon() : a->icon()).isNull()) << a->objectName().toStdString();
            }

    // The "View" button drops down the view pop-up, "Coordinate Properties" runs the dialog and
    // drops down the default planes.
    auto* view = frame->ToolBar1->findChild<QToolButton*>(QStringLiteral("ViewToolButton"));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->menu(), frame->ViewPopupMenu);
    auto* props = frame->ToolBar2->findChild<QToolButton*>(QStringLiteral("CoordinatePropertiesToolButton"));
    ASSERT_NE(props, nullptr);
    EXPECT_EQ(props->menu(), frame->DefaultCoordPopupMenu);
    EXPECT_EQ(props->defaultAction(), frame->Command(QStringLiteral("ActionCoordinateProperties")));
}

TEST_F(MainWindowTest, CommandsThatNeedADocumentDoNothingWithoutOne) {
    CloseAll();
    ASSERT_EQ(Active(), nullptr);
    const char* names[] = {"Close1",
                           "ActionImportGraphs",
                           "ActionDocSave",
                           "ActionDocSaveAs",
                           "ActionSaveAsPicture",
                           "Print1",
                           "ActionImportTable",
                           "ActionExportTable",
                           "ActionCopyAsPicture",
                           "DrawLabels1",
                           "ActionShowHideGraphsList",
                           "ActionShowHideCommandWindow",
                           "ActionShowHideCalculator",
                           "ActionNormalLayout",
                           "ActionGraphsLayout",
                           "ActionAddGraph",
                           "ActionAddTable",
                           "ActionCoordinateProperties",
                           "ActionSetDefalutCoordinate",
                           "ActionSetDefalutCoordInterval",
                           "ActionDeleteGraph",
                           "ActionEditGraph",
                           "ActionViewCurrentDocument",
                           "ActionViewSlideShow",
                           "ActionCoordExpandBoth",
                           "ActionCoordMoveLeftMore",
                           "ActionCoordViewCenter",
                           "ToolButton52",
                           "ActionSelectInterval",
                           "ActionAddLabel"};
    for (const char* name : names) {
        Trigger(QString::fromLatin1(name));
        EXPECT_EQ(boxes.count(), 0) << name;
        EXPECT_TRUE(files.requests().empty()) << name;
        EXPECT_EQ(frame->Documents().size(), 0) << name;
    }
    frame->View1Click();
    frame->ViewPopupMenuPopup();
    frame->ActionChangeLineWidthExecute();
    frame->ActionChangeLineStyleExecute();
    frame->ActionChangeLineColorExecute();
    frame->ActionChangeBrushStyleExecute();
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("currentxml.tmp"))));
}

TEST_F(MainWindowTest, UnitConvertItemsOpenTheConverterOnTheirCategory) {
    // Item, category selected; with a document and without one.
    const struct {
        const char* action;
        const char* category;
    } cases[] = {
        {"Area1", "Area"},         {"BitsBytes1", "Bits&Bytes"}, {"Density1", "Density"},         {"Energy1", "Energy"},
        {"Force1", "Force"},       {"Length1", "Length"},        {"Mass1", "Mass"},               {"Power1", "Power"},
        {"Pressure1", "Pressure"}, {"Speed1", "Speed"},          {"emperature1", "Temperature"}, {"Volume1", "Volume"},
    };
    for (bool withDocument : {true, false}) {
        if (!withDocument) CloseAll();
        for (const auto& c : cases) {
            QString title;
            QString selected;
            const NextModal answer([&](QWidget* modal) {
                title = modal->windowTitle();
                if (auto* tree = modal->findChild<QTreeWidget*>(QStringLiteral("TreeView1")))
                    if (tree->currentItem()) selected = tree->currentItem()->text(0);
                modal->close();
            });
            Trigger(QString::fromLatin1(c.action));
            EXPECT_EQ(title, QStringLiteral("Unit Converter")) << c.action;
            EXPECT_EQ(selected, QString::fromLatin1(c.category)) << c.action;
        }
    }
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(MainWindowTest, DerivativeAndTangentResultsOpenTheAddGraphDialogPreset) {
    const struct {
        const char* action;
        std::vector<Input> inputs;
        const char* exp;
        int kind;
        int row;  // of the add-graph dialog's kind list
    } cases[] = {
        {"ActionDerivative", {{"ComboBox1", QStringLiteral("x^2")}}, "2*x", 0, 0},
        {"ActionDerivative", {{"ComboBox2", QStringLiteral("1")}, {"ComboBox1", QStringLiteral("sin y")}}, "cos(y)", 1, 1},
        {"ActionDerivative", {{"ComboBox2", QStringLiteral("2")}, {"ComboBox1", QStringLiteral("sin a")}}, "cos(a)", 2, 3},
        {"ActionTangentNormal", {{"ComboBox1", QStringLiteral("x^2")}, {"Edit2", QStringLiteral("1")}}, "2*x-1", 0, 0},
        {"ActionTangentNormal",
         {{"ComboBox2", QStringLiteral("1")}, {"ComboBox1", QStringLiteral("y^2")}, {"Edit2", QStringLiteral("2")}},
         "4*y-4", 1, 1},
        {"ActionTangentNormal", {{"ComboBox1", QStringLiteral("x^2")}, {"RadioButton2", QStringLiteral("1")}}, "0", 1, 1},
    };
    TFormMainSub* doc = Active();
    ASSERT_NE(doc, nullptr);
    std::size_t count = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.exp);
        AddGraphPreset seen;
        std::optional<NextModal> add;  // the add-graph dialog opens once the tool has closed
        const NextModal answer([&](QWidget* modal) {
            auto* tool = qobject_cast<TFormDerivativeTool*>(modal);
            ASSERT_NE(tool, nullptr);
            EXPECT_EQ(tool->Memory, doc->Memory.get());
            Apply(*tool, c.inputs);
            tool->Button1Click();
            add.emplace(AddGraphAnswer(seen, true));
            tool->Button2Click();
        });
        Trigger(QString::fromLatin1(c.action));
        EXPECT_EQ(seen.Exp, c.exp);
        EXPECT_EQ(seen.AddExp, "");
        EXPECT_EQ(seen.Kind, c.kind);
        EXPECT_EQ(seen.Row, c.row);
        ASSERT_EQ(doc->Memory->Count(), ++count);
        EXPECT_EQ(doc->MemoryListBox1->count(), static_cast<int>(count));
        const TFunctionObj* added = doc->Memory->GetFunction(static_cast<std::ptrdiff_t>(count - 1));
        ASSERT_NE(added, nullptr);
        EXPECT_EQ(added->Exp, c.exp);
        EXPECT_EQ(added->FunctionObjType, c.kind);
    }
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(MainWindowTest, DerivativeAndTangentOpenNothingWithoutADocumentOrAfterCancel) {
    for (bool withDocument : {true, false}) {
        if (!withDocument) CloseAll();
        for (const char* action : {"ActionDerivative", "ActionTangentNormal"}) {
            SCOPED_TRACE(std::string(action) + (withDocument ? " cancelled" : " without a document"));
            bool toolOpened = false;
            bool addOpened = false;
            std::optional<NextModal> addGraph;  // watches past the tool's closing
            const NextModal answer([&](QWidget* modal) {
                auto* tool = qobject_cast<TFormDerivativeTool*>(modal);
                ASSERT_NE(tool, nullptr);
                toolOpened = true;
                Apply(*tool, {{"ComboBox1", QStringLiteral("x^2")}});
                tool->Button1Click();
                EXPECT_EQ(tool->findChild<QPushButton*>(QStringLiteral("Button2"))->isEnabled(), withDocument);
                addGraph.emplace([&](QWidget* next) { addOpened = true; next->close(); }, 300);
                // Without a document "Add Graph" stays disabled; pressed anyway, it still adds nothing.
                if (withDocument)
                    tool->Button3Click();
                else
                    tool->Button2Click();
            });
            Trigger(QString::fromLatin1(action));
            QTest::qWait(350);
            EXPECT_TRUE(toolOpened);
            EXPECT_FALSE(addOpened);
        }
    }
    EXPECT_EQ(Active() ? Active()->Memory->Count() : 0u, 0u);
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(MainWindowTest, PageSetupWithoutAPrinterSaysSoInAWarning) {
    if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "a printer is installed";
    CloseAll();  // needs no document
    Trigger(QStringLiteral("PageSetup1"));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().kind, MsgKind::Warning);
    EXPECT_EQ(boxes.last().buttons, MsgButtons::Ok);
    EXPECT_EQ(boxes.last().text, QStringLiteral("Before you can perform printer-related tasks such as page setup or "
                                                "printing a document, you need to install a printer."));
}

TEST_F(MainWindowTest, BothPageSetupsAndPrintUseTheFramesOnePrinter) {
    FakePrinterService printer(480, 600);
    frame->SetPrinterService(&printer);
    for (bool works : {true, false}) {
        boxes.clear();
        printer.setupWorks = works;
        Trigger(QStringLiteral("PageSetup1"));
        QString paper;
        const NextModal answer([&](QWidget* modal) {
            auto& dialog = *static_cast<QDialog*>(modal);
            paper = modal->windowTitle() + QStringLiteral(": ") + TextOf(dialog, "LabelWidth");
            modal->findChild<QPushButton*>(QStringLiteral("Button1"))->click();  // its Page Setup...
            dialog.reject();
        });
        Trigger(QStringLiteral("Print1"));
        EXPECT_EQ(paper, QStringLiteral("Print: Width: 480"));
        EXPECT_EQ(boxes.texts(), (works ? QStringList() : QStringList{PrinterWarning(), PrinterWarning()}));
    }
    EXPECT_EQ(printer.setups, 4);
    EXPECT_TRUE(printer.prints.empty());
    frame->SetPrinterService(nullptr);
}

TEST_F(MainWindowTest, PictureCommandsOpenTheirDialogsOnTheActivePlane) {
    TFormMainSub* doc = Active();
    ASSERT_NE(doc, nullptr);
    const QString size = QStringLiteral("%1 x %2").arg(doc->Coordinate1->width()).arg(doc->Coordinate1->height());
    for (const char* action : {"ActionSaveAsPicture", "ActionCopyAsPicture"}) {
        QString seen;
        const NextModal answer([&](QWidget* modal) {
            auto& dialog = *static_cast<QDialog*>(modal);
            seen = modal->windowTitle() + QStringLiteral(": ") + TextOf(dialog, "Edit1") + QStringLiteral(" x ") +
                   TextOf(dialog, "Edit2");
            // Browse goes through the frame's file dialogs.
            if (auto* browse = modal->findChild<QPushButton*>(QStringLiteral("Button3"))) browse->click();
            dialog.reject();
        });
        Trigger(QString::fromLatin1(action));
        EXPECT_EQ(seen.toStdString(), (QString::fromLatin1(action) == QLatin1String("ActionSaveAsPicture")
                                           ? QStringLiteral("Save As Picture: ") + size
                                           : QStringLiteral("Copy As Picture: ") + size)
                                          .toStdString());
    }
    ASSERT_EQ(files.requests().size(), 1u);
    EXPECT_EQ(files.last().fileName, QStringLiteral("Picture01.bmp"));
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(MainWindowTest, SidePanelsAndLayoutsActOnTheActiveWindow) {
    TFormMainSub* doc = Active();
    ASSERT_NE(doc, nullptr);
    auto shown = [&doc] {
        return QString::fromLatin1("%1%2%3%4")
            .arg(doc->GroupBox1->isHidden() ? '-' : 'G')
            .arg(doc->GroupBox2->isHidden() ? '-' : 'C')
            .arg(doc->GroupBox3->isHidden() ? '-' : 'K')
            .arg(doc->Panel1->isHidden() ? '-' : 'P');
    };
    EXPECT_EQ(shown(), QStringLiteral("GCKP"));

    Trigger(QStringLiteral("ActionShowHideGraphsList"));
    EXPECT_EQ(shown(), QStringLiteral("-CKP"));
    Trigger(QStringLiteral("ActionShowHideCommandWindow"));
    Trigger(QStringLiteral("PopupCalculator"));  // the View button's pop-up runs the same command
    EXPECT_EQ(shown(), QStringLiteral("----"));
    Trigger(QStringLiteral("ActionShowHideCommandWindow"));
    EXPECT_EQ(shown(), QStringLiteral("-C-P"));

    // Opening the View menu sets the marks from the window; a click does not change them.
    frame->View1Click();
    EXPECT_FALSE(frame->Command(QStringLiteral("ActionShowHideGraphsList"))->isChecked());
    EXPECT_TRUE(frame->Command(QStringLiteral("ActionShowHideCommandWindow"))->isChecked());
    EXPECT_FALSE(frame->Command(QStringLiteral("ActionShowHideCalculator"))->isChecked());
    EXPECT_TRUE(frame->Command(QStringLiteral("ActionNormalLayout"))->isChecked());
    Trigger(QStringLiteral("ActionShowHideGraphsList"));
    EXPECT_FALSE(frame->Command(QStringLiteral("ActionShowHideGraphsList"))->isChecked());
    Trigger(QStringLiteral("ActionShowHideGraphsList"));
    EXPECT_EQ(shown(), QStringLiteral("-C-P"));

    // Graphs Layout hides every shown group; Normal Layout shows every hidden one.
    frame->View1Click();
    Trigger(QStringLiteral("ActionGraphsLayout"));
    EXPECT_EQ(shown(), QStringLiteral("----"));
    EXPECT_TRUE(frame->Command(QStringLiteral("ActionGraphsLayout"))->isChecked());
    frame->View1Click();
    EXPECT_TRUE(frame->Command(QStringLiteral("ActionGraphsLayout"))->isChecked());
    Trigger(QStringLiteral("ActionNormalLayout"));
    EXPECT_EQ(shown(), QStringLiteral("GCKP"));
    EXPECT_TRUE(frame->Command(QStringLiteral("ActionNormalLayout"))->isChecked());

    // The view pop-up's marks follow the window too.
    Trigger(QStringLiteral("ActionShowHideCalculator"));
    frame->ViewPopupMenuPopup();
    EXPECT_TRUE(frame->Command(QStringLiteral("PopupGraphsList"))->isChecked());
    EXPECT_FALSE(frame->Command(QStringLiteral("PopupCalculator"))->isChecked());

    // A new window starts with every group shown.
    Trigger(QStringLiteral("ActionFileNew"));
    doc = Active();
    EXPECT_EQ(shown(), QStringLiteral("GCKP"));
}

TEST_F(MainWindowTest, ViewSlideShowPlaysTheSlideListElseTheCurrentDocument) {
    WriteFile(QStringLiteral("a.xml"), "<ZorvikMendalDocument><AddLabels><AddLabel><Caption>a</Caption></AddLabel>"
                                       "</AddLabels></ZorvikMendalDocument>");
    WriteFile(QStringLiteral("b.xml"), "<ZorvikMendalDocument><Memory><FunctionObj><Exp>x</Exp></FunctionObj></Memory>"
                                       "</ZorvikMendalDocument>");
    frame->SlideList = {Path(QStringLiteral("a.xml")), Path(QStringLiteral("b.xml"))};
    TFormMainSub* doc = Active();
    const TCoordinateSettings plane = doc->Coordinate1->Settings;
    const QString tmp = Path(QStringLiteral("currentxml.tmp"));

    struct Seen {
        const QStringList* list;
        int index;
        QString file;
        size_t labels, graphs;
    };
    std::vector<Seen> seen;
    auto look = [&seen](TFormSlideShow& viewer) {
        seen.push_back({viewer.SlideList, viewer.SlideIndex, viewer.CurrentFile, viewer.Labels().size(),
                        viewer.Memory->Count()});
    };
    const NextModal viewerWatch = whenViewerShows([&](TFormSlideShow& viewer) {
        look(viewer);
        QTest::keyClick(&viewer, Qt::Key_PageDown);
        ASSERT_TRUE(WaitForViewerTick(viewer));
        QTest::keyClick(&viewer, Qt::Key_Minus, Qt::KeypadModifier);
        look(viewer);
    });
    Trigger(QStringLiteral("ActionViewSlideShow"));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].list, &frame->SlideList);
    EXPECT_EQ(seen[0].index, 0);
    EXPECT_EQ(seen[0].file, Path(QStringLiteral("a.xml")));
    EXPECT_EQ(seen[0].labels, 1u);
    EXPECT_EQ(seen[1].index, 1);
    EXPECT_EQ(seen[1].labels, 0u);
    EXPECT_EQ(seen[1].graphs, 1u);
    EXPECT_FALSE(QFileInfo::exists(tmp));

    // With an empty list it shows the active document, as View Current Document does.
    frame->SlideList.clear();
    const NextModal emptyListWatch = whenViewerShows(look);
    Trigger(QStringLiteral("ActionViewSlideShow"));
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[2].list, nullptr);
    EXPECT_EQ(seen[2].index, -1);
    EXPECT_EQ(seen[2].file, tmp);
    EXPECT_FALSE(QFileInfo::exists(tmp));

    EXPECT_EQ(doc->Coordinate1->Settings, plane);
    EXPECT_EQ(doc->Memory->Count(), 0u);
    EXPECT_TRUE(doc->Labels().empty());
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(MainWindowTest, CustomSlideShowEditsTheFramesSlideListWithOrWithoutADocument) {
    WriteFile(QStringLiteral("list.txt"), "[slide]/docs/b.xml\r\n");
    frame->SlideList = {QStringLiteral("/docs/a.xml")};
    // Opens the dialog, reads the slide list file through the frame's file dialog and closes.
    const auto edit = [&] {
        files.answer(Path(QStringLiteral("list.txt")));
        QStringList* edited = nullptr;
        const NextModal answer([&](QWidget* modal) {
            if (auto* d = qobject_cast<TFormCustomSlideShow*>(modal)) {
                edited = d->SlideList;
                d->findChild<QPushButton*>(QStringLiteral("Button8"))->click();
            }
            modal->close();
        });
        Trigger(QStringLiteral("ActionCustomSlideShow"));
        EXPECT_EQ(edited, &frame->SlideList);
    };
    edit();
    EXPECT_EQ(frame->SlideList, (QStringList{QStringLiteral("/docs/a.xml"), QStringLiteral("/docs/b.xml")}));
    CloseAll();
    edit();
    EXPECT_EQ(frame->SlideList.size(), 3);
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(MainWindowTest, ToolBarVisibilityIsInverted) {
    const struct {
        const char* action;
        QToolBar* TFormMain::*bar;
    } cases[] = {{"Standard1", &TFormMain::ToolBar1}, {"Coordinate1", &TFormMain::ToolBar2}, {"PopupGraphStyle", &TFormMain::ToolBar3}};
    for (const auto& c : cases) {
        QToolBar* bar = (*frame).*(c.bar);
        EXPECT_FALSE(bar->isHidden()) << c.action;
        Trigger(QString::fromLatin1(c.action));
        EXPECT_TRUE(bar->isHidden()) << c.action;
        frame->View1Click();
        Trigger(QString::fromLatin1(c.action));
        EXPECT_FALSE(bar->isHidden()) << c.action;
    }
    Trigger(QStringLiteral("Coordinate1"));
    frame->View1Click();
    EXPECT_FALSE(frame->Command(QStringLiteral("Coordinate1"))->isChecked());
    EXPECT_TRUE(frame->Command(QStringLiteral("Standard1"))->isChecked());
}

TEST_F(MainWindowTest, MouseModeCommandsSwitchTheActiveWindow) {
    TFormMainSub* doc = Active();
    const struct {
        int from;
        const char* action;
        int to;
        bool recoveryPoint;
    } cases[] = {
        {0, "ActionAddLabel", 1, false}, {1, "ActionAddLabel", 0, false}, {2, "ActionAddLabel", 1, false},
        {1, "DrawLabels1", 0, false},    {0, "DrawLabels1", 1, false},    {0, "ActionSelectInterval", 2, true},
        {1, "ActionSelectInterval", 2, true}, {2, "ActionSelectInterval", 0, false},
    };
    for (const auto& c : cases) {
        doc->SetMouseMode(static_cast<uint8_t>(c.from));
        doc->SavedXInterval = TInterval{};
        doc->SavedYInterval = TInterval{};
        Trigger(QString::fromLatin1(c.action));
        EXPECT_EQ(doc->GetMouseMode(), c.to) << c.action << " from " << c.from;
        EXPECT_EQ(doc->SavedXInterval.Enabled == 1 && doc->SavedYInterval.Enabled == 1, c.recoveryPoint) << c.action;
        for (const char* name : {"ActionAddLabel", "ActionSelectInterval", "DrawLabels1"})
            EXPECT_FALSE(frame->Command(QString::fromLatin1(name))->isChecked()) << name;
    }
}

TEST_F(MainWindowTest, WindowsMenuListsEveryDocumentWindowOnce) {
    Trigger(QStringLiteral("ActionFileNew"));
    Trigger(QStringLiteral("ActionFileNew"));
    const QList<TFormMainSub*> docs = frame->Documents();
    ASSERT_EQ(docs.size(), 3);
    frame->MdiArea->setActiveSubWindow(frame->MdiArea->subWindowList(QMdiArea::CreationOrder)[1]);

    for (int round = 0; round < 2; ++round) {
        frame->ActionShowAllSubWindowsExecute();
        const QStringList items = Items(frame->Windows1);
        EXPECT_EQ(items, (QStringList{"&Cascade", "Tile &Horizontally", "&Tile Vertically", "&Arrange", "&Minimize All", "-",
                                      "Untitled-1.xml", "Untitled-2.xml", "Untitled-3.xml"}));
        const QList<QAction*> actions = frame->Windows1->actions();
        for (int i = 0; i < 3; ++i) EXPECT_EQ(actions[6 + i]->isChecked(), i == 1) << i;
    }

    // Choosing an item activates its window.
    frame->Windows1->actions()[8]->trigger();
    EXPECT_EQ(Active(), docs[2]);
    frame->ActionShowAllSubWindowsExecute();
    frame->Windows1->actions()[6]->trigger();
    EXPECT_EQ(Active(), docs[0]);

    // A closed window leaves the list.
    frame->MdiArea->currentSubWindow()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    frame->ActionShowAllSubWindowsExecute();
    EXPECT_EQ(Items(frame->Windows1).mid(6), (QStringList{"Untitled-2.xml", "Untitled-3.xml"}));
}

TEST_F(MainWindowTest, ArrangementCommandsLayTheWindowsOut) {
    Trigger(QStringLiteral("ActionFileNew"));
    const QList<QMdiSubWindow*> subs = frame->MdiArea->subWindowList(QMdiArea::CreationOrder);
    ASSERT_EQ(subs.size(), 2);
    const QRect area = frame->MdiArea->viewport()->rect();

    Trigger(QStringLiteral("TileHorizontally1"));
    EXPECT_EQ(subs[0]->geometry(), QRect(0, 0, area.width(), area.height() / 2));
    EXPECT_EQ(subs[1]->geometry().top(), area.height() / 2);
    EXPECT_EQ(subs[1]->geometry().width(), area.width());

    Trigger(QStringLiteral("TileVertically1"));
    EXPECT_EQ(subs[0]->geometry(), QRect(0, 0, area.width() / 2, area.height()));
    EXPECT_EQ(subs[1]->geometry().left(), area.width() / 2);

    Trigger(QStringLiteral("MinimizeAll1"));
    EXPECT_TRUE(subs[0]->isMinimized());
    EXPECT_TRUE(subs[1]->isMinimized());
    EXPECT_EQ(subs[0]->geometry().bottom(), area.height() - 1);
    EXPECT_EQ(subs[1]->geometry().left(), subs[0]->geometry().right() + 1);

    subs[0]->showNormal();
    subs[1]->showNormal();
    Trigger(QStringLiteral("Cascade1"));
    EXPECT_LT(subs[0]->geometry().top(), subs[1]->geometry().top());
    EXPECT_LT(subs[0]->geometry().left(), subs[1]->geometry().left());
}

TEST_F(MainWindowTest, CopyShortcutCopiesSelectedTextElseThePicture) {
    QApplication::setActiveWindow(frame.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    auto* memo = new QPlainTextEdit(Active());  // a text field inside a document window
    memo->setPlainText(QStringLiteral("abc"));
    memo->show();
    auto* list = new QListWidget(Active());
    list->addItem(QStringLiteral("row"));
    list->show();

    const struct {
        QWidget* focus;
        bool select;
        bool picture;
    } cases[] = {{memo, false, true}, {memo, true, false}, {list, false, true}, {frame->ColorBox1, false, true}};
    // The titles of the dialogs the shortcut opened (each closed at once).
    auto opened = std::make_shared<QStringList>();
    for (const auto& c : cases) {
        QApplication::setActiveWindow(frame.get());  // again, after a dialog
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        QGuiApplication::clipboard()->clear();
        c.focus->setEnabled(true);
        c.focus->setFocus();
        if (c.select) memo->selectAll();
        else memo->moveCursor(QTextCursor::End);
        opened->clear();
        const NextModal answer(
            [opened](QWidget* modal) {
                *opened << modal->windowTitle();
                modal->close();
            },
            300);
        QTest::keyClick(c.focus, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(*opened, c.picture ? QStringList{QStringLiteral("Copy As Picture")} : QStringList())
            << c.focus->metaObject()->className() << c.select;
        if (!c.picture) {
            EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("abc"));
        }
    }
    // The other shortcuts work from a text field too.
    QApplication::setActiveWindow(frame.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(frame->Documents().size(), 2);
}

TEST_F(MainWindowTest, HelpLinksOpenTheHelpIndexPage) {
    UrlRecorder recorder(QStringLiteral("file"));
    Trigger(QStringLiteral("OnlineReference1"));
    Trigger(QStringLiteral("CheckforUpdates1"));
    Trigger(QStringLiteral("OnlineFlashTutorial1"));
    const QUrl index = QUrl::fromLocalFile(Path(QStringLiteral("ZMHelp.chm/about.htm")));
    EXPECT_EQ(recorder.urls, (QList<QUrl>{index, index, index}));
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(MainWindowTest, CalculateMenuOpensTheCalculatorAndTheValueTableWithOrWithoutADocument) {
    AddFunction("x^2");
    const QString report = Path(QStringLiteral("table.txt"));
    files.answer(report);

    // Opens the value table, notes the formulas it offers, tabulates 'x' and saves the report.
    const auto valueTable = [&] {
        QStringList offered;
        const NextModal answer([&](QWidget* modal) {
            if (auto* d = qobject_cast<TFormValueTable*>(modal)) {
                auto* combo = d->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
                offered = ComboItems(*combo);
                combo->setEditText(QStringLiteral("x"));
                d->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
                d->findChild<QPushButton*>(QStringLiteral("Button3"))->click();
            }
            modal->close();
        });
        Trigger(QStringLiteral("ActionValueTable"));
        return offered;
    };
    EXPECT_EQ(valueTable(), QStringList{QStringLiteral("x^2")});
    EXPECT_TRUE(QFileInfo(report).isFile());  // through the frame's file dialog

    CloseAll();
    EXPECT_EQ(valueTable(), QStringList());
    QString caption;
    const NextModal answer([&](QWidget* modal) {
        if (qobject_cast<TFormFormulaCalculator*>(modal)) caption = modal->windowTitle();
        modal->close();
    });
    Trigger(QStringLiteral("ActionFormulaCalculator"));
    EXPECT_EQ(caption, QStringLiteral("Formula Calculator"));
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(MainWindowTest, AnalyzeFunctionWorksOnTheActiveDocumentsContextOrOnItsOwn) {
    AddFunction("x^2-1");
    const QString report = Path(QStringLiteral("analysis.txt"));
    files.answer(report);

    // Opens the analysis, notes its context, analyses its first formula on [-2, 2] in 4 steps and
    // saves the report through the frame's file dialog.
    const auto analyse = [&](zm::TVarMemory*& vars) {
        TMemory* memory = nullptr;
        QString formula;
        const NextModal answer([&](QWidget* modal) {
            auto* d = qobject_cast<TFormAnalyzeFunction*>(modal);
            ASSERT_NE(d, nullptr);
            memory = d->Memory;
            vars = d->VarMemory;
            formula = d->findChild<QComboBox*>(QStringLiteral("ComboBox1"))->currentText();
            if (formula.isEmpty()) d->findChild<QComboBox*>(QStringLiteral("ComboBox1"))->setEditText(QStringLiteral("x^2-1"));
            Apply(*d, {{"Edit1", QStringLiteral("-2")}, {"Edit2", QStringLiteral("2")}, {"Edit3", QStringLiteral("4")}});
            const NextModal result([](QWidget* shown) {
                auto* r = qobject_cast<TFormAnalyzeResult*>(shown);
                ASSERT_NE(r, nullptr);
                r->Button2Click();
                r->Button3Click();
            });
            d->Button1Click();
            d->Button2Click();
        });
        Trigger(QStringLiteral("ActionAnalyzeFunction"));
        return std::make_pair(memory, formula);
    };
    zm::TVarMemory* vars = nullptr;
    TFormMainSub* doc = Active();
    EXPECT_EQ(analyse(vars), std::make_pair(doc->Memory.get(), QStringLiteral("x^2-1")));
    EXPECT_EQ(vars, doc->VarMemory.get());
    EXPECT_EQ(doc->VarMemory->GetValue("x"), 3);  // where the extremum scan ended
    QFile saved(report);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("Zeros of function : 2\r\n X\r\n-1\r\n1\r\n"));

    CloseAll();
    EXPECT_EQ(analyse(vars), std::make_pair(static_cast<TMemory*>(nullptr), QString()));
    EXPECT_NE(vars, nullptr);
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(MainWindowTest, IntegrationAddGraphOpensTheAddGraphDialogWithTheRegion) {
    TFormMainSub* doc = Active();
    ASSERT_NE(doc, nullptr);
    AddFunction("x^2", true);
    std::size_t count = 1;
    for (bool ok : {false, true}) {
        SCOPED_TRACE(ok ? "add-graph OK" : "add-graph Cancel");
        const QImage before = doc->Coordinate1->Picture();
        AddGraphPreset seen;
        std::optional<NextModal> add;  // the add-graph dialog opens once the tool has closed
        const NextModal answer([&](QWidget* modal) {
            auto* tool = qobject_cast<TFormIntegration*>(modal);
            ASSERT_NE(tool, nullptr);
            EXPECT_EQ(tool->Memory, doc->Memory.get());
            // Y1 is x^2, the first Y(x) graph.
            Apply(*tool, {{"ComboBox2", QStringLiteral("1")}, {"Edit1", QStringLiteral("0")},
                          {"Edit2", QStringLiteral("1.5")}});
            add.emplace(AddGraphAnswer(seen, ok));
            tool->Button1Click();
        });
        Trigger(QStringLiteral("ActionIntegration"));
        EXPECT_EQ(seen.Exp, "((x^2)-y)*((1)-y)");
        EXPECT_EQ(seen.AddExp, "<0");
        EXPECT_EQ(seen.Kind, 4);
        EXPECT_EQ(seen.Row, 4);
        // The region covers the range integrated, at every y.
        EXPECT_TRUE(seen.RegionBoxChecked);
        EXPECT_EQ(seen.RegionBox, (QStringList{"0", "1.5", "", ""}));
        if (ok) ++count;
        ASSERT_EQ(doc->Memory->Count(), count);
        EXPECT_EQ(doc->MemoryListBox1->count(), static_cast<int>(count));
        EXPECT_EQ(doc->Coordinate1->Picture() != before, ok);  // the region is drawn
    }
    const TFunctionObj* added = doc->Memory->GetFunction(1);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->Exp, "((x^2)-y)*((1)-y)");
    EXPECT_EQ(added->AddExp, "<0");
    EXPECT_EQ(added->FunctionObjType, 4);
    EXPECT_EQ(added->Interval, TInterval::CreateRange(1, 0, 1.5));
    EXPECT_EQ(added->AddInterval, TInterval::CreateRange(0, 0, 0));
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(MainWindowTest, IntegrationWithoutADocumentOrCancelledOpensNothingMore) {
    for (bool withDocument : {true, false}) {
        if (!withDocument) CloseAll();
        SCOPED_TRACE(withDocument ? "cancelled" : "without a document");
        bool toolOpened = false;
        bool addOpened = false;
        std::optional<NextModal> addGraph;  // watches past the tool's closing
        const NextModal answer([&](QWidget* modal) {
            auto* tool = qobject_cast<TFormIntegration*>(modal);
            ASSERT_NE(tool, nullptr);
            toolOpened = true;
            EXPECT_EQ(tool->Memory, nullptr == Active() ? nullptr : Active()->Memory.get());
            Apply(*tool, {{"ComboBox1", QStringLiteral("x")}});
            addGraph.emplace([&](QWidget* next) { addOpened = true; next->close(); }, 300);
            // Without a document "Add Graph" only closes the tool.
            withDocument ? tool->Button3Click() : tool->Button1Click();
        });
        Trigger(QStringLiteral("ActionIntegration"));
        QTest::qWait(350);
        EXPECT_TRUE(toolOpened);
        EXPECT_FALSE(addOpened);
    }
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(MainWindowTest, IntersectionsListTheGraphsOfTheActiveDocumentOrNone) {
    AddFunction("x^2");
    const QString report = Path(QStringLiteral("points.txt"));
    files.answer(report);

    // Opens the tool, notes the formulas offered, scans x^2 against x and saves the report.
    const auto intersections = [&] {
        QStringList offered;
        const NextModal answer([&](QWidget* modal) {
            auto* d = qobject_cast<TFormIntersection*>(modal);
            ASSERT_NE(d, nullptr);
            offered = ComboItems(*d->findChild<QComboBox*>(QStringLiteral("ComboBox1")));
            Apply(*d, {{"ComboBox1", QStringLiteral("x^2")}, {"ComboBox2", QStringLiteral("x")}});
            const NextModal result([](QWidget* shown) {
                auto* r = qobject_cast<TFormIntersectionResult*>(shown);
                ASSERT_NE(r, nullptr);
                r->Button2Click();
                r->Button3Click();
            });
            d->Button1Click();
            d->Button2Click();
        });
        Trigger(QStringLiteral("ActionIntersection"));
        return offered;
    };
    EXPECT_EQ(intersections(), QStringList{QStringLiteral("x^2")});
    QFile saved(report);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray text = saved.readAll();
    EXPECT_TRUE(text.contains("Intersection Points: 10\r\n x\t y\r\n-0.008\t0\r\n")) << text.toStdString();

    CloseAll();
    EXPECT_EQ(intersections(), QStringList());
    EXPECT_EQ(boxes.count(), 0);
}
