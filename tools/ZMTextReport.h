#pragma once
// The text reports of the tools (value table, function analysis, intersections): lines, each
// ended by CR LF, copied to the clipboard or saved to a ".txt" file. A dialog holds one
// TTextReport; tests give it a ScriptedFileChooser.

#include <QString>
#include <QStringList>

#include <memory>

class FileChooser;
class QWidget;

class TTextReport {
public:
    TTextReport();
    ~TTextReport();
    TTextReport(const TTextReport&) = delete;
    TTextReport& operator=(const TTextReport&) = delete;

    // The file dialog Save asks; null puts the real one back.
    void SetFileChooser(FileChooser* chooser);

    // The lines, each followed by CR LF.
    static QString Text(const QStringList& lines);
    // Empties the clipboard and leaves the report text on it.
    static void Copy(const QStringList& lines);
    // Asks for a file (default extension ".txt", filter "*.txt|*.txt", asking before replacing a
    // file) and, when one is chosen, writes the report text there in UTF-8. A failed write raises
    // ZmError (see writeWholeFile). Returns whether a file was chosen.
    bool Save(QWidget* parent, const QStringList& lines);

private:
    std::unique_ptr<FileChooser> own_;
    FileChooser* chooser_;
};
