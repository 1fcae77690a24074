#pragma once
// "Coordinate Properties": every persistent setting of one plane on nine pages chosen from a
// tree. The controls are the only working copy: OK checks the text fields and writes every
// control back into the plane's Settings; Cancel, the close box and Esc write nothing. A font
// confirmed for a title goes into Settings at once (also when the dialog is then cancelled).
// Needs no document window: the full-screen viewer opens it on its own plane.

#include <QDialog>
#include <QString>

#include <array>
#include <memory>

#include "platform/ZMFont.h"

class FontChooser;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;
class QtFontChooser;
class TColorBox;
class TCoordinate;
class TLinkLabel;
class TPenPickers;
class TRadioGroup;
class UpDownEdit;

class TFormCoordinateProperties : public QDialog {
    Q_OBJECT
public:
    static constexpr int PageCount = 9;

    explicit TFormCoordinateProperties(QWidget* parent = nullptr);
    ~TFormCoordinateProperties() override;

    // Keeps the plane, shows the dialog modally and returns Confirmed: true only after an OK
    // whose checks all passed. The caller redraws the plane when it is true.
    bool Execute(TCoordinate& Coordinate);

    // Tests put their own font dialog in; nullptr restores the program's.
    void SetFontChooser(FontChooser* chooser);

    bool Confirmed = false;

    // Handlers; public so that tests can drive them.
    // Expands the tree, selects its first node and loads every control from the plane.
    void FormShow();
    // The page, its caption and the heading follow the current node (page 0 with none).
    void TreeView1Change(QTreeWidgetItem* current);
    void Button1Click();  // OK
    void Button2Click();  // Cancel
    void Button3Click();  // Help
    void LinkSpecificClick();
    // "Font..." of title 0 top, 1 bottom, 2 left, 3 right.
    void FontButtonClick(int title);

    // The caption kept for a page (a stacked page has none of its own).
    QString PageCaption(int page) const;

private:
    struct AxisControls {
        QCheckBox* Arrow = nullptr;
        QLineEdit* Name = nullptr;
        QComboBox* Direction = nullptr;
        TPenPickers* Pen = nullptr;
        QLineEdit* TickStep = nullptr;
        UpDownEdit* TickLength = nullptr;
        QLineEdit* LabelStep = nullptr;
        QLineEdit* LabelString = nullptr;
        QCheckBox* LabelSide = nullptr;
    };
    struct TitleControls {
        QCheckBox* Enabled = nullptr;
        QLineEdit* Text = nullptr;
        QPushButton* Font = nullptr;
    };
    struct GridControls {
        QCheckBox* Enabled = nullptr;
        QLineEdit* Step = nullptr;
        TPenPickers* Pen = nullptr;
    };

    void BuildLayout();
    QWidget* BuildIntervalsPage();
    QWidget* BuildViewPage();
    QWidget* BuildStylePage();
    QWidget* BuildTicksPage();
    QWidget* BuildLabelsPage();
    QWidget* BuildTitlesPage();
    QWidget* BuildLegendPage();
    // Grids `first` and `first + 1`, each a check box over its step and pen: in a group of the
    // check box's caption where `grouped` (polar), else indented under it (Cartesian).
    QWidget* BuildGridsPage(std::size_t first, bool grouped);
    void BuildTree();

    void LoadControls();
    // Runs every check; shows the first failure's message and returns false when any failed.
    bool Validate();
    void WriteControls();

    TCoordinate* Coordinate_ = nullptr;
    std::unique_ptr<QtFontChooser> ownChooser_;
    FontChooser* chooser_ = nullptr;
    // The font dialog's font: its own default at first, then the font it last returned.
    TFont dialogFont_;

    std::array<QString, PageCount> pageCaptions_;

    QTreeWidget* TreeView1 = nullptr;
    QStackedWidget* PageControl1 = nullptr;
    QLabel* LabelHeading = nullptr;
    QPlainTextEdit* MemoHelp = nullptr;
    TLinkLabel* LinkSpecific = nullptr;

    QLineEdit* EditXMin = nullptr;
    QLineEdit* EditXMax = nullptr;
    QLineEdit* EditYMin = nullptr;
    QLineEdit* EditYMax = nullptr;
    QLineEdit* EditSteps = nullptr;
    QLineEdit* EditMaxGap = nullptr;

    QCheckBox* CheckEqualScale = nullptr;
    TColorBox* ColorBackground = nullptr;
    TRadioGroup* RadioAxesView = nullptr;

    std::array<AxisControls, 2> axes_;  // x, y
    std::array<TitleControls, 4> titles_;  // top, bottom, left, right

    QCheckBox* CheckLegend = nullptr;
    QCheckBox* CheckShowSamples = nullptr;
    QCheckBox* CheckTextColor = nullptr;
    TRadioGroup* RadioPosition = nullptr;

    std::array<GridControls, 4> grids_;  // horizontal, vertical, radial, angular

    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
};
