#pragma once
// The full-screen viewer: shows one document file, or a list of them as a slide show, in a
// drawing context of its own. Panning, zooming and switches change only that copy; nothing
// reaches a document window or a file. Loading and drawing run in a 10 ms one-shot tick,
// never in an entry operation or a key handler.

#include <QDialog>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/ZMCanvas.h"
#include "plot/ZMComClass01.h"
#include "plot/ZMViewCommands.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;

class TAddLabel;
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
    // replaces the current one only when it was read without error.
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
    // Flips ShowEnabled of graph Index (0 or 1) when it exists, then redraws.
    void ToggleGraph(int Index);
    // Flips the panel item's check, places the panel 20 px in from the plane's bottom-right
    // corner in the plane's background colour, and shows it exactly when the item is checked.
    void ToggleControlPanel();

    // The pen toggle (F4) and the capture (F6).
    void ToolButtonPenClick();
    void CaptureScreen1Click();

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
    QAction* ShowHideControlPanel1 = nullptr;  // "Show/Hide Control Panel (Space Key)"
    QTimer Timer1;

public slots:
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateContext();
    void BuildControlPanel();
    void FormKeyDown(int Key, Qt::KeyboardModifiers Modifiers);
    // Index lies in the slide list.
    bool IsSlide(qsizetype Index) const;
    // The panel's place and colours; the tick and a late resize of the window use it.
    void PlaceControlPanel();

    bool laidOut_ = false;  // the first tick has sized the plane
};
