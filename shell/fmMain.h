#pragma once
// The program's frame: a multiple-document window holding the document windows, with the menu
// bar, the three tool bars, the status bar and the tip timer. Every command runs one handler,
// which almost always acts on the active document window.

#include <QHash>
#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QAction;
class QActionGroup;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;
class QToolBar;
class QToolButton;

class FileChooser;
class QtFileChooser;
class TColorBox;
class TComboboxBrushStyle;
class TComboboxLineStyle;
class TComboboxLineWidth;
class TFormMainSub;
struct TGraphStyle;
struct TMyToolBar;
class TPrinterService;
class TQtPrinterService;
class TFormMain;

// The dialogs of Options, Tip of the Day and About. Each returns the dialog's answer (always true);
// the defaults open the program's dialogs, tests put their own in.
struct TOptionDialogs {
    std::function<bool(TFormMain&)> SetOption;
    // Shows the tips of the program folder's file FileName when they are switched on.
    std::function<bool(TFormMain&, const QString& FileName)> ShowTips;
    std::function<bool(TFormMain&)> About;
};
TOptionDialogs ProgramOptionDialogs();

class TFormMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormMain(QWidget* parent = nullptr);
    ~TFormMain() override;

    // Number of documents made by New since the first show.
    int UntitledCounter = 0;
    // The program folder, ending with the separator.
    QString ProgramDir;
    // Full document paths of the custom slide show, in slide order.
    QStringList SlideList;
    // Ask before Delete Graph (ZMUser.ini, Options, DeleteGraph).
    bool ConfirmDelete = false;

    // The active document window: the MDI area's current sub-window, or null.
    TFormMainSub* ActiveDocument() const;
    // Every document window in the frame's child-window order.
    QList<TFormMainSub*> Documents() const;
    // The command by its action name ("ActionFileNew", "Close1", ...); null for an unknown name.
    QAction* Command(const QString& name) const;
    // The links handed to every new document window.
    TMyToolBar StyleControlLinks() const;
    // The open and save dialogs (tests install a double); null puts the real dialogs back.
    void SetFileChooser(FileChooser* chooser);
    // The printer of Page Setup and Print (tests install a fake); null puts the real one back.
    void SetPrinterService(TPrinterService* printer);
    // Options, Tip of the Day and About.
    TOptionDialogs OptionDialogs = ProgramOptionDialogs();

    // First show: runs once (showEvent calls it; tests may call it on a hidden frame).
    void FormShow();
    void Timer1Timer();
    void SetAllOption();
    void ShowTipOfTheDay();

    // File.
    void ActionFileNewExecute();
    void ActionDocOpenExecute();
    void Close1Click();
    void ActionImportGraphsExecute();
    void ActionDocSaveExecute();
    void ActionDocSaveAsExecute();
    void ActionSaveAsPictureExecute();
    void PageSetup1Click();
    void Print1Click();
    void Exit1Click();
    // Edit.
    void ActionImportTableExecute();
    void ActionExportTableExecute();
    void ActionCopyAsPictureExecute();
    void DrawLabels1Click();
    void ActionSetOptionExecute();
    // View.
    void View1Click();
    void ViewPopupMenuPopup();
    void ActionNormalLayoutExecute();
    void ActionGraphsLayoutExecute();
    void ActionShowHideGraphsListExecute();
    void ActionShowHideCommandWindowExecute();
    void ActionShowHideCalculatorExecute();
    void Standard1Click();
    void Coordinate1Click();
    void GraphStyle1Click();
    // Graphs.
    void ActionAddGraphExecute();
    void ActionAddTableExecute();
    void ActionCoordinatePropertiesExecute();
    void ActionSetDefalutCoordinateExecute();
    void ActionSetDefalutCoordIntervalExecute();
    void ActionDeleteGraphExecute();
    void ActionEditGraphExecute();
    // Calculate and Unit Convert.
    void ActionFormulaCalculatorExecute();
    void ActionValueTableExecute();
    void ActionAnalyzeFunctionExecute();
    void ActionIntersectionExecute();
    void ActionDerivativeExecute();
    void ActionTangentNormalExecute();
    void ActionIntegrationExecute();
    void UnitConvert(const QString& CategoryName);
    // Slide Show.
    void ActionViewCurrentDocumentExecute();
    void ViewCurrentDocument1Click() { ActionViewCurrentDocumentExecute(); }
    void ActionViewSlideShowExecute();
    void ActionCustomSlideShowExecute();
    // Windows.
    void ActionShowAllSubWindowsExecute();
    void ActionChangeActiveWindowExecute(QAction* Item);
    // Help.
    void Contents1Click();
    void QuickReference1Click();
    void OnlineReference1Click();
    void CheckforUpdates1Click();
    void OnlineFlashTutorial1Click();
    void ActionShowTipsExecute();
    void ActionShowAboutExecute();
    // Coordinate tool bar.
    void ActionCoordExpandBothExecute();
    void ActionCoordExpandHorExecute();
    void ActionCoordExpandVerExecute();
    void ActionCoordContractBothExecute();
    void ActionCoordContractHorExecute();
    void ActionCoordContractVerExecute();
    void ActionCoordMoveLeftExecute();
    void ActionCoordMoveRightExecute();
    void ActionCoordMoveUpExecute();
    void ActionCoordMoveDownExecute();
    void ActionCoordMoveLeftMoreExecute();
    void ActionCoordMoveRightMoreExecute();
    void ActionCoordMoveUpMoreExecute();
    void ActionCoordMoveDownMoreExecute();
    void ActionCoordViewCenterExecute();
    void ToolButton52Click();
    void ActionSelectIntervalExecute();
    void ActionAddLabelExecute();
    // Style tool bar (user changes only).
    void ActionChangeLineWidthExecute();
    void ActionChangeLineStyleExecute();
    void ActionChangeLineColorExecute();
    void ActionChangeBrushStyleExecute();

    // Controls the logic touches.
    QMdiArea* MdiArea = nullptr;
    QToolBar* ToolBar1 = nullptr;  // "Standard"
    QToolBar* ToolBar2 = nullptr;  // "Coordinate"
    QToolBar* ToolBar3 = nullptr;  // "GraphStyle"
    TComboboxLineWidth* ComboboxLineWidth1 = nullptr;
    TComboboxLineStyle* ComboboxLineStyle1 = nullptr;
    TColorBox* ColorBox1 = nullptr;
    TComboboxBrushStyle* ComboboxBrushStyle1 = nullptr;
    QLabel* StatusPanel0 = nullptr;
    QLabel* StatusPanel1 = nullptr;
    QMenu* Windows1 = nullptr;
    QMenu* View1 = nullptr;
    QMenu* ViewPopupMenu = nullptr;
    QMenu* DefaultCoordPopupMenu = nullptr;
    QTimer* Timer1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateCommands();
    void CreateMenus();
    void CreateToolBars();
    void CreateStyleBar();
    void CreateStatusBar();
    QAction* AddCommand(const QString& name, const QString& text, const QString& hint, const QKeySequence& key,
                        void (TFormMain::*handler)());
    // A checkable item whose mark only the handlers set (a trigger does not toggle it).
    QAction* AddMarkedCommand(const QString& name, const QString& text, void (TFormMain::*handler)());
    QAction* AddCommandFn(const QString& name, const QString& text, std::function<void()> fn);
    // Runs a view command of the active document window, then redraws it.
    void ApplyViewCommand(void (TFormMainSub::*command)());
    void ToggleGroup(int group);
    void SetViewMarks(QAction* graphsList, QAction* commandWindow, QAction* calculator, QAction* standard,
                      QAction* coordinate, QAction* graphStyle);
    void ResetMouseModeButtons();
    // The style of the graph selected in the active window, or null; `doc` gets the window.
    TGraphStyle* SelectedStyle(TFormMainSub*& doc) const;
    // After a picker changed the selected graph's style.
    void AfterStyleChange(TFormMainSub& doc);
    void TileHorizontally();
    void TileVertically();
    void ArrangeIcons();
    void MinimizeAll();
    void ShowHelpTopic(const QString& topic);

    // Document file commands.
    TFormMainSub* NewDocumentWindow();
    void WriteDocument(TFormMainSub& window, const QString& path);
    bool RunSaveDialog(TFormMainSub& window);
    void ApplyDefaultPlane(const QString& fileName);

    std::unique_ptr<QtFileChooser> ownChooser_;
    // The application's printer, made when first used.
    TPrinterService& Printer();
    std::unique_ptr<TQtPrinterService> ownPrinter_;
    TPrinterService* printer_ = nullptr;
    FileChooser* chooser_ = nullptr;
    QHash<QString, QAction*> commands_;
    QActionGroup* layoutGroup_ = nullptr;
    bool shown_ = false;
};
