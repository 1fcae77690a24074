#pragma once
// The document window: one drawing with its context (graph list, operator table,
// variable and constant memories) and its views (plane, graph list box, command
// window, calculator panel).

#include <QPointer>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <memory>

#include "plot/ZMComClass01.h"

#include "plot/ZMComClass01.h"

class QAction;
class QDomElement;
class QGroupBox;
class QMenu;
class QStatusBar;

class TAddLabel;
class TColorBox;
class TComboboxBrushStyle;
class TComboboxLineStyle;
class TComboboxLineWidth;
class TCoordinate;
class TMemory;
class TMemoryListBox;
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

class TFormMainSub : public QWidget {
    Q_OBJECT
public:
    explicit TFormMainSub(QWidget* parent = nullptr);
    ~TFormMainSub() override;

    // Set-up: copies the links, builds the context, links the views, redraws.
    void InitDocument(const TMyToolBar& Controls);

    // 0 normal, 1 place a label, 2 select an interval; setting also sets the plane cursor.
    uint8_t GetMouseMode() const { return MouseMode; }
    void SetMouseMode(uint8_t Mode);

    // Labels element: one "AddLabel" child per label, in creation order.
    void SaveLabels(QDomElement& Node) const;
    void LoadLabels(const QDomElement& Node);
    void PlaceLabels();

    void UpdateStyleControls();
    void SavePenBrush();
    void RestorePenBrush();

    // Redraws the plane with this window's context.
    void Redraw();
    // Copies the plane's current intervals into the saved ones (marks them valid).
    void SaveCurrentIntervals();
    // Makes List the document's graph list: every view is re-pointed before the old
    // list is freed; the list box gets one row per graph.
    void ReplaceMemory(std::unique_ptr<TMemory> List);

    // Graph commands.
    void ActionAddGraphExecute();
    void ActionAddTableExecute();
    void ActionEditGraphExecute();
    void Delete1Click();
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

    // Shows or hides the plane pop-up items "Add", "Show/Hide Graph", "Edit Graph"
    // and "Delete Graph" (graphs layout / normal layout).
    void SetGraphMenuItemsVisible(bool Visible);

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

    // Views and panels (parent-owned widgets).
    QWidget* Panel1 = nullptr;
    QWidget* Panel2 = nullptr;
    QGroupBox* GroupBox1 = nullptr;  // "Graphs List"
    QGroupBox* GroupBox2 = nullptr;  // "Command Window"
    QGroupBox* GroupBox3 = nullptr;  // "Calculator"
    TCoordinate* Coordinate1 = nullptr;
    TMemoryListBox* MemoryListBox1 = nullptr;
    TZMCommandMemo* ZMCommandMemo1 = nullptr;

    QMenu* CoordinatePopupMenu = nullptr;
    QMenu* GraphListPopupMenu = nullptr;
    QMenu* LabelPopupMenu = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormClose();

    uint8_t MouseMode = 0;
    bool BandActive = false;
};
