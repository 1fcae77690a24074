#pragma once
// "Set Batch Capture Job": edits the viewer's capture settings in place. There is no OK and no
// Cancel: the prefix and the format are stored as they change, the two numbers on an arrow step
// or Enter, and the folder as the folder list moves. "Close" only closes.

#include <QDialog>
#include <QTimer>

class QLineEdit;
class QPlainTextEdit;
class TCapScreen;
class TDirectoryListBox;
class TDriveComboBox;
class TRadioGroup;
class UpDownEdit;

class TFormSetCaptureJob final : public QDialog {
    Q_OBJECT
public:
    explicit TFormSetCaptureJob(QWidget* parent = nullptr);

    // Keeps the settings, fills the fields from them and shows the dialog modally.
    void Execute(TCapScreen& CapScreen);

    // Handlers; public so that tests can drive them.
    void FormShow();
    // The refill 100 ms after the dialog shows: both number edits show the stored numbers.
    void Timer1Timer();
    void EditFileNamePrefixChange();
    void RadioGroup1Click();
    // An arrow step or Enter: the edit's text must be an integer, which is then stored.
    void EditCurrentIndexEnter();
    void EditDigitalEnter();
    // The folder list's folder becomes the capture folder and shows in the memo.
    void DirectoryListBox1Change();
    void Button4Click();  // Close

    // The name of the next file as the dialog shows it: no folder, the format in lower case.
    QString SampleName() const;

    TCapScreen* CapScreen = nullptr;

    QLineEdit* EditFileName = nullptr;
    QLineEdit* EditFileNamePrefix = nullptr;
    UpDownEdit* UpDown1 = nullptr;  // its edit is EditCurrentIndex
    UpDownEdit* UpDown2 = nullptr;  // its edit is EditDigital
    TRadioGroup* RadioGroup1 = nullptr;
    TDriveComboBox* DriveComboBox1 = nullptr;
    TDirectoryListBox* DirectoryListBox1 = nullptr;
    QPlainTextEdit* MemoOutputDirectory = nullptr;
    QTimer Timer1;

private:
    void RefreshSample();
};
