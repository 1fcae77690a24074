#pragma once
// The full-screen viewer: shows one document file, or a list of them as a slide show, in a
// drawing context of its own. Panning, zooming and switches change only that copy; nothing
// reaches a document window or a file. Loading and drawing run in a 10 ms one-shot tick,
// never in an entry operation or a key handler.

#include <QDialog>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "platform/ZMCanvas.h"
#include "plot/ZMComClass01.h"
#include "plot/ZMViewCommands.h"

class FileChooser;
class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QToolButton;
class QtFileChooser;

class TAddLabel;
class TCapScreen;
class TCoordinate;
class TMemory;
class TPanelImage;
class TXMLNode;
namespace zm {
class TOperatorLib;
class TVarMemory;
}  // namespace zm

class TFormSlideShow : public QDialog {
    Q_OBJECT
public:
    explicit TFormSlideShow(QWidget* parent = nullptr);
    ~TFormSlideShow() override;

    // Entry operations: each prepares, shows the viewer modally and returns when it closes.
    // The slide list is borrowed and must outlive the call.
    void ShowDocument(const QString& FileName);
    void ShowSlides(int StartIndex, const QStringList& List);
    // Their first halves, so that tests can show() the viewer instead.
    void PrepareDocument(const QString& FileName);
    void PrepareSlides(int StartIndex, const QStringList& List);

    // The load-and-draw tick: lays the plane out, redraws, switches itself off, loads
    // CurrentFile and toggles the control panel.
    void Timer1Timer();

    // Slide navigation; nothing happens past either end.
    void GoToSlide(int Index);
    void NextSlide();
    void PreviousSlide();
    void FirstSlide();
    void LastSlide();
    void UpdateSlideNavigation();

    // A missing file changes nothing; a foreign root only removes the labels. A graph list
    // replaces the current one only when it was read without error. A file with more labels than
    // a drawing can hold raises and changes nothing.
    void LoadDocument(const QString& FileName);
    void ReadAddLabels(const TXMLNode& AddLabelsElement);
    // Moves every label to the pixel of its world anchor.
    void PlaceAddLabels();
    // The label controls on the panel.
    std::vector<TAddLabel*> Labels() const;

    // Redraws the plane with the viewer's context, then re-places the labels.
    void Redraw();
    // A zoom, move or centre command; one that would make the view unusable is not applied.
    void ApplyView(TViewCommand Command);
    // The arrow keys and images: the fast variant while "Accelerate" is checked.
    void MoveView(TViewCommand Step, TViewCommand Fast);
    // Flips ShowEnabled of graph Index (0 or 1) when it exists, then redraws.
    void ToggleGraph(int Index);
    // Flips the panel item's check, places the panel 20 px in from the plane's bottom-right
    // corner in the plane's background colour, and shows it exactly when the item is checked.
    void ToggleControlPanel();

    // Pointer modes: 0 arrow, 1 hidden pointer, 2 pen. The pointer is hidden exactly while the
    // mode is 1; the plane shows the hand in mode 2.
    void SetPointerMode(std::uint8_t Mode);
    // The "Pen" button and F4: to mode 2 from 0 or 1, to mode 0 from 2.
    void ToolButtonPenClick();
    // The pen: a press (any button) moves the canvas position; a move with the left button
    // held in mode 2 draws a segment in PenStyle on the plane's image, which the next redraw
    // erases.
    void Coordinate1MouseDown(QPoint P);
    void Coordinate1MouseMove(Qt::MouseButtons Buttons, QPoint P);
    void SavePenBrush();
    void RestorePenBrush();

    // Check marks of the plane switches and pointer modes, and "&Go" (only with a slide list).
    void PopupMenuMainPopup();
    // Rebuilds a "Graph List" menu: one item per graph, in list order, its index in the data.
    void GraphListPopup(QMenu* Menu);
    // A "Graph List" item: flips that graph when it is still in the list; redraws either way.
    void GraphItemClick(const QAction* Item);

    // Items that open dialogs; each ends with the control panel hidden and shown again.
    void PenProperties1Click();
    void CoordinateProperties1Click();
    // Asks for a document (the empty name on Cancel) that the next tick loads.
    void OpenDocument1Click();
    // Edits CapScreen in the capture-job dialog.
    void SetBatchCaptureJob1Click();
    void Help1Click();
    // F6, "Capture Screen" and the "Quick Capture Screen" button: writes the plane's image, pen
    // strokes in and labels out, to CapScreen's next file and steps its number. A picture that
    // cannot be made or written raises and leaves the number as it was.
    void CaptureScreen1Click();

    // The file dialog of "Open Document..."; null puts the real one back.
    void SetFileChooser(FileChooser* Chooser);

    // Context, in this order. SavedPen and SavedBrush keep the plane's canvas pen and brush
    // around a pen stroke.
    TCanvasPen SavedPen;
    TCanvasBrush SavedBrush;
    std::unique_ptr<zm::TVarMemory> VarMemory;
    std::unique_ptr<zm::TVarMemory> ConstMemory;
    std::unique_ptr<TMemory> Memory;
    std::unique_ptr<zm::TOperatorLib> OperatorLib;
    QString ProgramDir;   // the program folder with a trailing separator
    QString CurrentFile;  // read by the next tick
    std::unique_ptr<TCapScreen> CapScreen;
    const QStringList* SlideList = nullptr;  // null while one document is shown
    std::int32_t SlideIndex = -1;
    std::uint8_t PointerMode = 0;  // 0 arrow, 1 hidden pointer, 2 pen
    TGraphStyle PenStyle;

    // Controls.
    QWidget* Panel1 = nullptr;
    TCoordinate* Coordinate1 = nullptr;
    QGroupBox* GroupBoxMovement = nullptr;  // "Control Panel"
    QCheckBox* CheckBoxAcc = nullptr;
    QLabel* Label1 = nullptr;  // "Accelerate"
    TPanelImage* ImageLastSlide = nullptr;
    TPanelImage* ImageNextSlide = nullptr;
    QLabel* LabelSlide = nullptr;
    TPanelImage* LabelHide = nullptr;
    TPanelImage* Image1 = nullptr;  // "Move Upwards"
    TPanelImage* Image2 = nullptr;  // "Move Downwards"
    TPanelImage* Image3 = nullptr;  // "Move to the Left"
    TPanelImage* Image4 = nullptr;  // "Move to the Right"
    TPanelImage* Image5 = nullptr;  // "Center View"
    QWidget* ToolBar1 = nullptr;  // zooms, pen, refresh
    QWidget* ToolBar2 = nullptr;  // menus, dialogs, capture, open and close
    QToolButton* ToolButtonPen = nullptr;
    QMenu* PopupMenuMain = nullptr;
    QMenu* PopupMenuGraphList = nullptr;
    QMenu* PopupMenuGridProperties = nullptr;
    QMenu* PopupMenuCoordinateStyle = nullptr;
    QAction* ShowHideControlPanel1 = nullptr;  // "Show/Hide Control Panel (Space Key)"
    QTimer Timer1;

public slots:
    void reject() override;
    // Every way of closing ends here; the pointer is shown again.
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RemoveLabels();
    // A plane switch of the grid and coordinate-style menus.
    enum class Switch { GridHor, GridVer, GridRadial, GridAngular, EqualScale, Crossed, Boxed, Legend };

    void CreateContext();
    void BuildControlPanel();
    void BuildMenus();
    void BuildToolBars(QWidget* parent);
    // A menu item, named, that runs `handler` through the guard.
    QAction* AddItem(QMenu* menu, const char* name, const QString& caption, std::function<void()> handler);
    // The grid and coordinate-style items, added to `menu` with names ending in `suffix`.
    void AddGridItems(QMenu* menu, const char* suffix);
    void AddCoordinateStyleItems(QMenu* menu, const char* suffix);
    QMenu* AddGraphListMenu(QMenu* menu, const char* name);
    void AddSwitch(QMenu* menu, const char* name, const char* suffix, const QString& caption, Switch which);
    // The setting a switch flips; null for the two axes styles, which set AxesStyle.
    static std::uint8_t TCoordinateSettings::* SwitchFlag(Switch Which);
    void PlaneSwitchClick(Switch Which);
    // Hides and shows the control panel, which leaves it shown and the focus with the viewer.
    void ReshowControlPanel();
    void FormKeyDown(int Key, Qt::KeyboardModifiers Modifiers);
    // Index lies in the slide list.
    bool IsSlide(qsizetype Index) const;
    // Makes Index, when it lies in the slide list, the slide shown and loaded next.
    void StepToSlide(qsizetype Index);
    // The panel's place and colours; the tick and a late resize of the window use it.
    void PlaceControlPanel();

    bool laidOut_ = false;       // the first tick has sized the plane
    bool pointerHidden_ = false;  // our override cursor is on the stack
    std::vector<std::pair<QAction*, Switch>> switchItems_;
    QAction* Go1 = nullptr;
    QAction* Arrow1 = nullptr;
    QAction* Hide1 = nullptr;
    QAction* Pen1 = nullptr;
    QMenu* QuickCaptureScreen1 = nullptr;
    std::unique_ptr<QtFileChooser> ownChooser_;
    FileChooser* chooser_ = nullptr;
};
