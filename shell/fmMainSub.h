#pragma once
// The document window: one drawing with its context (graph list, operator table,
// variable and constant memories) and its views (plane, graph list box, command
// window, calculator panel), the mouse on the plane, the text labels, the pop-up menus
// and the view commands.

#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ZMCanvas.h"
#include "plot/ZMComClass01.h"
#include "plot/ZMViewCommands.h"

class QAction;
class QActionGroup;
class QGroupBox;
class QMenu;
class QStatusBar;

class TAddLabel;
class TCalcPanel;
class TColorBox;
class TComboboxBrushStyle;
class TComboboxLineStyle;
class TComboboxLineWidth;
class TCoordinate;
class TMemory;
class TMemoryListBox;
class TTableObj;
class TXMLNode;
class TZMCommandMemo;
namespace zm {
class TOperatorLib;
class TVarMemory;
}  // namespace zm

// Links from a document window to the main window's style pickers and status bar.
// The main window builds one and hands it to InitDocument; the window keeps a copy.
struct TMyToolBar {
    QPointer<TComboboxLineWidth> LineWidthBox;
    QPointer<TComboboxLineStyle> LineStyleBox;
    QPointer<TColorBox> ColorBox;
    QPointer<TComboboxBrushStyle> BrushStyleBox;
    QPointer<QStatusBar> StatusBar;
};

class TFormMainSub;

// The dialogs the window opens. Each returns true when the user confirmed; the defaults
// open the program's dialogs, tests put their own in.
struct TDocumentDialogs {
    // Appends a new function graph / table graph to the window's graph list.
    std::function<bool(TFormMainSub&)> AddGraph;
    std::function<bool(TFormMainSub&)> AddTable;
    // Reads a table file: the new table, or nullptr when the user cancelled.
    std::function<std::unique_ptr<TTableObj>(TFormMainSub&)> ImportTable;
    // Writes the points of one table graph of the graph list to a table file.
    std::function<bool(TFormMainSub&)> ExportTable;
    // Edits graph `index` of the graph list in place (a function or a table graph).
    std::function<bool(TFormMainSub&, int index)> EditGraph;
    // Edits the plane's settings in place.
    std::function<bool(TFormMainSub&)> CoordinateProperties;
    // Fills `result` (caption, font, transparency, colour) for a new label.
    std::function<bool(TFormMainSub&, TAddLabel& result)> AddLabel;
    // Edits the caption, font, transparency and colour of `label` through a copy in `result`.
    std::function<bool(TFormMainSub&, const TAddLabel& label, TAddLabel& result)> EditLabel;
};

class TFormMainSub : public QWidget {
    Q_OBJECT
public:
    explicit TFormMainSub(QWidget* parent = nullptr);
    ~TFormMainSub() override;

    // Set-up: copies the links, builds the context, links the views, redraws, shows.
    void InitDocument(const TMyToolBar& Controls);

    // 0 normal, 1 place a label, 2 select an interval; setting also sets the plane cursor.
    uint8_t GetMouseMode() const { return MouseMode; }
    void SetMouseMode(uint8_t Mode);

    // Labels element: one "AddLabel" child per label, in creation order.
    void SaveLabels(const TXMLNode& Node) const;
    void LoadLabels(const TXMLNode& Node);
    // Moves every label to the pixel of its world anchor.
    void PlaceLabels();
    // The label controls (children of the plane), in creation order.
    std::vector<TAddLabel*> Labels() const;

    void UpdateStyleControls();
    void SavePenBrush();
    void RestorePenBrush();

    // Redraws the plane with this window's context, then re-places the labels.
    void Redraw();
    // Copies the plane's current intervals into the saved ones (marks them valid).
    void SaveCurrentIntervals();
    // Makes List the document's graph list: every view is re-pointed before the old
    // list is freed; the list box gets one row per graph.
    void ReplaceMemory(std::unique_ptr<TMemory> List);

    // The selected row of the graph list box (-1 for none).
    int SelectedRow() const;

    // Graph commands.
    void ActionAddGraphExecute();
    // Opens the add-graph dialog on this window's context preset with a formula, a second
    // formula, a FunctionObjType and, for an f(x,y) region, an x interval (as the tools hand them
    // on); on OK adds the row, redraws and refreshes the style pickers. True when the graph was
    // added.
    bool AddPresetGraph(const std::string& Exp, const std::string& AddExp, uint8_t Kind,
                        const TInterval& XInterval = {});
    void ActionAddTableExecute();
    // Appends the table a table file gave, shown, then opens the table editor on it.
    void ActionImportTableExecute();
    void ActionExportTableExecute();
    void ActionEditGraphExecute();
    void Delete1Click();
    // Removes the graph of Row from the list and its row from the list box, then redraws.
    void DeleteGraphRow(int Row);
    void ActionCoordinatePropertiesExecute();

    // View commands applied by the main window's coordinate tool bar.
    void ActionCoordExpandHor();
    void ActionCoordExpandVer();
    void ActionCoordExpandBoth();
    void ActionCoordContractHor();
    void ActionCoordContractVer();
    void ActionCoordContractBoth();
    void ActionCoordMoveLeft();
    void ActionCoordMoveRight();
    void ActionCoordMoveUp();
    void ActionCoordMoveDown();
    void ActionCoordMoveLeftMore();
    void ActionCoordMoveRightMore();
    void ActionCoordMoveUpMore();
    void ActionCoordMoveDownMore();
    void ActionCoordViewCenter();
    void RecoverCoordinateInterval();

    // Shows or hides the plane pop-up items "Add", "Show/Hide Graph", "Edit Graph" and
    // "Delete Graph" (graphs layout / normal layout).
    void SetGraphMenuItemsVisible(bool Visible);

    // Handlers of the mouse on the plane (pixel positions of Coordinate1).
    void Coordinate1MouseDown(Qt::MouseButton Button, QPoint P);
    void Coordinate1MouseMove(QPoint P);
    void Coordinate1MouseUp(Qt::MouseButton Button, QPoint P);
    // A label dragged over / dropped on the plane at P.
    bool Coordinate1DragOver(QWidget* Source) const;
    // True when the global point lies on the plane and on no label other than Dragged;
    // OnPlane gets the point in the plane's pixels.
    bool OpenPlaneAt(QPoint Global, const QWidget* Dragged, QPoint& OnPlane) const;
    void Coordinate1DragDrop(QWidget* Source, QPoint P);
    void LabelMouseDown(TAddLabel* Label, Qt::MouseButton Button);
    void Panel2Resize();

    // The graph list box.
    void MemoryListBox1MouseUp(QPoint P);
    void MemoryListBox1KeyUp(int Key);

    // Pop-up menus.
    void GraphListPopupMenuPopup();
    void LabelPopupMenuPopup();
    void CoordinatePopupMenuPopup();
    void EditLabel1Click();
    void ransparent1Click();
    void DeleteLabel1Click();
    void ToggleGraphByMenu(QAction* Item);
    void EditGraphByMenu(QAction* Item);
    void DeleteGraphByMenu(QAction* Item);

    // The status-bar text for a plane pixel: "X: 1.25    Y: -3".
    QString PositionText(QPoint P) const;

    // Document state set by the file commands.
    uint8_t IsNew = 1;
    QString FilePath;

    // Document context, owned by the window.
    std::unique_ptr<zm::TVarMemory> VarMemory;
    std::unique_ptr<zm::TVarMemory> ConstMemory;
    std::unique_ptr<TMemory> Memory;
    std::unique_ptr<zm::TOperatorLib> OperatorLib;
    std::unique_ptr<TMyToolBar> StyleControls;
    TInterval SavedXInterval;  // recovery point of the view; Enabled 1 marks it valid
    TInterval SavedYInterval;

    TDocumentDialogs Dialogs;

    // Views and panels (parent-owned widgets).
    QWidget* Panel1 = nullptr;
    QWidget* Panel2 = nullptr;
    QGroupBox* GroupBox1 = nullptr;  // "Graphs List"
    QGroupBox* GroupBox2 = nullptr;  // "Command Window"
    QGroupBox* GroupBox3 = nullptr;  // "Calculator"
    TCoordinate* Coordinate1 = nullptr;
    TMemoryListBox* MemoryListBox1 = nullptr;
    TZMCommandMemo* ZMCommandMemo1 = nullptr;
    TCalcPanel* CalcPanel1 = nullptr;

    QMenu* CoordinatePopupMenu = nullptr;
    QMenu* GraphListPopupMenu = nullptr;
    QMenu* LabelPopupMenu = nullptr;
    TAddLabel* PopupLabel = nullptr;

    // Items of the pop-up menus.
    QAction* AddGraph1 = nullptr;        // "Add Graph" (graph list)
    QAction* AddTableGraph1 = nullptr;   // "Add Table Graph"
    QAction* Delete1 = nullptr;          // "Delete"
    QAction* Properties1 = nullptr;      // "Properties"
    QAction* EditLabel1 = nullptr;       // "Edit Label"
    QAction* ransparent1 = nullptr;      // "Transparent"
    QAction* DeleteLabel1 = nullptr;     // "Delete Label"
    QMenu* Add1 = nullptr;               // "Add" > "Graph", "Table Graph"
    QMenu* ShowHideGraph1 = nullptr;     // "Show/Hide Graph"
    QMenu* EditGraph1 = nullptr;         // "Edit Graph"
    QMenu* DeleteGraph1 = nullptr;       // "Delete Graph"
    QAction* HorizontalGridLines1 = nullptr;
    QAction* VerticalGridLines1 = nullptr;
    QAction* RadialGridLines1 = nullptr;
    QAction* AngularGirdLines1 = nullptr;
    QAction* Equalscaleofmarks1 = nullptr;
    QAction* Crossed1 = nullptr;
    QAction* Boxed1 = nullptr;
    QAction* Legend1 = nullptr;
    QAction* CoordinateProperties1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormClose();
    void BuildMenus();
    // The views after a graph was appended to the list.
    void GraphAdded();
    void ApplyView(TViewCommand Command);
    void DrawBand();
    // World point of a plane pixel by the plane's linear mapping, also in the margins;
    // false when the plot rectangle is empty.
    bool PixelToWorld(QPoint P, double& X, double& Y) const;
    // A new label control on the plane with the look and anchor of Source.
    TAddLabel* MakeLabel(const TAddLabel& Source);
    // Puts Label on the plane as a control, after the others.
    TAddLabel* AdoptLabel(std::unique_ptr<TAddLabel> Label);
    void WireLabel(TAddLabel* Label);
    void SelectRow(int Row);
    void PlaneSwitch(QAction* Item);

    uint8_t MouseMode = 0;
    TCanvasPen SparePen;
    TCanvasBrush SpareBrush;
    bool BandActive = false;
    QPoint BandOrigin;
    QPoint BandEnd;

    // Labels in creation order; the panel's child order changes when a widget is raised.
    std::vector<QPointer<TAddLabel>> LabelList;

    // A label drag in progress (left button held on a label).
    QPointer<TAddLabel> DragLabel;
    QPoint DragStart;
    bool Dragging = false;
};
