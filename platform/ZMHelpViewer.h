#pragma once
// The help window: a modeless, resizable window over a QTextBrowser with Back, Forward and
// Contents. It is a child window of its owner's top-level window, so it takes input while a modal
// dialog of that owner runs; one viewer per owner window is reused. Help pages are plain HTML files
// in one folder, "about.htm" being the contents page.

#include <QString>
#include <QWidget>

class QTextBrowser;
class QToolButton;

class THelpViewer : public QWidget {
    Q_OBJECT
public:
    // The viewer of `owner`'s window, created when there is none (a parentless one for null).
    static THelpViewer* ForOwner(QWidget* owner);

    // Shows `page` of `folder`, scrolled to `anchor` (the top when empty or unknown). A missing
    // folder or page shows a "not found" text in the viewer. Never throws.
    void ShowPage(const QString& folder, const QString& page, const QString& anchor);

    QTextBrowser* Browser() const { return browser_; }
    const QString& Folder() const { return folder_; }

private:
    explicit THelpViewer(QWidget* parent);
    void showContents();
    void showNotFound(const QString& path);

    QTextBrowser* browser_ = nullptr;
    QToolButton* back_ = nullptr;
    QToolButton* forward_ = nullptr;
    QToolButton* contents_ = nullptr;
    QString folder_;
};
