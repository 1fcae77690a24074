#pragma once
// Open and save file dialogs behind a seam, so that tests can script the chosen file name.
// A window that asks for files holds a FileChooser* (a QtFileChooser by default) that tests
// replace with a double.

#include <QString>

class QWidget;

struct FileDialogRequest {
    QWidget* parent = nullptr;
    bool save = false;
    // The classic filter form: "Name|pattern" pairs joined by "|" ("*.xml|*.xml").
    QString filter;
    // Added when the typed name has no suffix ("xml" or ".xml").
    QString defaultExt;
    // The proposed file name.
    QString fileName;
    // Save dialogs only: ask before replacing an existing file.
    bool overwritePrompt = true;
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen file's full path; empty when the user cancelled.
    virtual QString choose(const FileDialogRequest& request) = 0;
};

// Runs a modal QFileDialog.
class QtFileChooser final : public FileChooser {
public:
    QString choose(const FileDialogRequest& request) override;
};

// "A|B" -> "A (B)", "X|*.a|Y|*.b" -> "X (*.a);;Y (*.b)"; a name that already holds its pattern
// ("*.xml") is not repeated.
QString qtFileFilter(const QString& classic);
