#pragma once
// What the report windows of function analysis and intersections share: the buttons "Copy to
// Clipboard" (Button1), "Save to File..." (Button2) in the group "Output Result", "Close"
// (Button3, the default) and "Help" (Button4), and the text report they copy or save. A report
// says what its text is; the two layouts differ in their empty lines.

#include <QDialog>
#include <QStringList>

#include <memory>

class FileChooser;
class QBoxLayout;
class TTextReport;

class TReportWindow : public QDialog {
    Q_OBJECT
public:
    ~TReportWindow() override;

    // The file dialog of "Save to File..."; null puts the real one back.
    void SetFileChooser(FileChooser* chooser);

    // The report as copied, and as saved.
    virtual QStringList ClipboardLines() const = 0;
    virtual QStringList FileLines() const = 0;

    // Handlers; public so that tests drive them while the report is shown.
    // "Copy to Clipboard".
    void Button1Click();
    // "Save to File...".
    void Button2Click();
    // "Close".
    void Button3Click();
    // "Help".
    void Button4Click();

protected:
    TReportWindow(const QString& caption, const QString& helpTopic, QWidget* parent);
    // Adds the row of buttons to `layout`, at its end.
    void AddButtons(QBoxLayout* layout);

private:
    std::unique_ptr<TTextReport> Report_;
    QString HelpTopic_;
};
