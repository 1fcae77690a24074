#pragma once
// The layout shared by the table import and export dialogs: a file name edit with its label and
// "Browse...", the "File Format" radio group (XML, TEXT, CSV; XML at first), "OK" (default) and
// "Cancel". The file dialogs go through a FileChooser, which tests replace.

#include <QDialog>
#include <QString>

#include <memory>

#include "platform/ZMFileChooser.h"
#include "storage/ZMTableFile.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class TRadioGroup;

class TFormTableFileBase : public QDialog {
    Q_OBJECT

public:
    ~TFormTableFileBase() override;

    bool Confirmed = false;

    // The file dialog; null puts the real one back.
    void SetFileChooser(FileChooser* chooser);

    // Handlers; public so that tests can drive them.
    virtual void Button1Click() = 0;  // OK
    void Button2Click();               // Cancel
    virtual void Button3Click() = 0;  // "Browse..."

    // The format checked in "File Format".
    TTableFileFormat Format() const;
    // Its default extension (".xml"), filter ("*.xml|*.xml") and default name ("Table1.xml").
    static QString Extension(TTableFileFormat format);
    static QString Filter(TTableFileFormat format);
    static QString DefaultName(TTableFileFormat format);

protected:
    TFormTableFileBase(const QString& caption, const char* label, QWidget* parent);

    // The file dialog of the checked format: the chosen path, empty when cancelled.
    QString ChooseFile(bool save, const QString& fileName);

    QVBoxLayout* Top = nullptr;  // the rows, top to bottom
    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;  // the file name
    TRadioGroup* RadioGroup1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;

private:
    std::unique_ptr<QtFileChooser> ownChooser_;
    FileChooser* chooser_ = nullptr;
};
