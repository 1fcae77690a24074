#pragma once
// "Custom Slide Show": edits a slide list (full document paths in slide order) in place. Slides
// are added from a folder browser and removed; the list is played in the full-screen viewer,
// saved to and read from slide list files, and exported as a slide-show file (see
// output/ZMSlideFiles.h).

#include <QDialog>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>

class FileChooser;
class QLabel;
class QPushButton;
class QTableWidget;
class QtFileChooser;
class TDirectoryListBox;
class TDriveComboBox;
class TFileListBox;
class TLinkLabel;

class TFormCustomSlideShow final : public QDialog {
    Q_OBJECT
public:
    // Plays a slide list; by default in the full-screen viewer, from the first slide.
    using SlideLauncher = std::function<void(const QStringList& slides)>;

    explicit TFormCustomSlideShow(QWidget* parent = nullptr);
    ~TFormCustomSlideShow() override;

    // Edits `List` in place, or a list of the dialog's own when it is null; shows the dialog
    // modally.
    void Execute(QStringList* List);
    // The file dialogs of this dialog and of the export; null puts the real ones back.
    void SetFileChooser(FileChooser* chooser);
    // Null puts the full-screen viewer back.
    void SetSlideLauncher(SlideLauncher launcher);

    // Rebuilds the grid from SlideList: one row per slide (number, file name, path) and an
    // empty last row. SelectedIndex is left alone; the grid's current row and LabelSlide
    // follow it.
    void RefreshSlideGrid();
    // A row of the grid was chosen; Row counts the header as row 0, so slide i is row i + 1.
    // The empty last row selects an index past the list.
    void StringGrid1SelectCell(int Row);
    // "Slide: <position>/<count>" for SelectedIndex; "Slide: 0/0" with no slide or none selected.
    void UpdateSlideLabel();
    // "<< Add a Slide" and a double click in the file list: adds the selected file.
    void Button1Click();
    // ">> Remove a Slide".
    void Button2Click();
    // "Remove All", after a question.
    void Button6Click();
    // "View Slide Show".
    void Button3Click();
    // "Save as a Slide List (*.txt)...".
    void Button7Click();
    // "Open a Slide List (*.txt)".
    void Button8Click();
    // "Output as a Slide Show File (*.sld)".
    void Button9Click();
    // "Help" button and "Help" link.
    void Button5Click();
    void Label1Click();
    // "Close".
    void Button4Click();

    QStringList* SlideList = nullptr;
    std::int32_t SelectedIndex = -1;

    // Controls.
    QTableWidget* StringGrid1 = nullptr;
    QLabel* LabelSlide = nullptr;
    TDriveComboBox* DriveComboBox1 = nullptr;
    TDirectoryListBox* DirectoryListBox1 = nullptr;
    TFileListBox* FileListBox1 = nullptr;
    TLinkLabel* Label1 = nullptr;

private:
    std::unique_ptr<QStringList> ownList_;
    std::unique_ptr<QtFileChooser> ownChooser_;
    FileChooser* chooser_ = nullptr;
    SlideLauncher launcher_;
};
