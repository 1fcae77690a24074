#pragma once
// "Output Slide Show File": writes the slides of a list into one slide-show file (see
// output/ZMSlideFiles.h) and says whether that worked. The dialog closes after every attempt.

#include <QDialog>
#include <QStringList>

#include <memory>

class FileChooser;
class QPlainTextEdit;
class QPushButton;
class QtFileChooser;

class TFormOutputSlideShowFile final : public QDialog {
    Q_OBJECT
public:
    explicit TFormOutputSlideShowFile(QWidget* parent = nullptr);
    ~TFormOutputSlideShowFile() override;

    // Keeps the list (borrowed for the call) and shows the dialog modally.
    void Execute(const QStringList& SlideList);
    // The save dialog; null puts the real one back.
    void SetFileChooser(FileChooser* chooser);

    // "Output a Slide Show File": asks for the file, writes it, says how it went, closes.
    void Button1Click();
    // "Close".
    void Button2Click();

    const QStringList* SlideList = nullptr;
    QPlainTextEdit* Memo1 = nullptr;  // the information text
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

private:
    std::unique_ptr<QtFileChooser> ownChooser_;
    FileChooser* chooser_ = nullptr;
};
