#include "platform/ZMHelpViewer.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const char* const kViewerName = "HelpViewer";
const char* const kContentsPage = "about.htm";

}  // namespace

THelpViewer* THelpViewer::ForOwner(QWidget* owner) {
    QWidget* window = owner ? owner->window() : nullptr;
    if (window) {
        for (QObject* child : window->children()) {
            if (auto* v = qobject_cast<THelpViewer*>(child)) return v;
        }
    } else {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* v = qobject_cast<THelpViewer*>(w);
            if (v && !v->parentWidget()) return v;
        }
    }
    return new THelpViewer(window);
}

THelpViewer::THelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QString::fromLatin1(kViewerName));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Zorvik Mendal Help"));

    back_ = new QToolButton(this);
    back_->setText(QStringLiteral("Back"));
    back_->setObjectName(QStringLiteral("Back"));
    forward_ = new QToolButton(this);
    forward_->setText(QStringLiteral("Forward"));
    forward_->setObjectName(QStringLiteral("Forward"));
    contents_ = new QToolButton(this);
    contents_->setText(QStringLiteral("Contents"));
    contents_->setObjectName(QStringLiteral("Contents"));
    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(false);
    browser_->setOpenLinks(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addWidget(contents_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);

    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(contents_, &QToolButton::clicked, this, [this] { showContents(); });
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);

    resize(640, 480);
}

void THelpViewer::ShowPage(const QString& folder, const QString& page, const QString& anchor) {
    folder_ = folder;
    const QString path = QDir(folder).filePath(page.isEmpty() ? QString::fromLatin1(kContentsPage) : page);
    if (!QFileInfo(path).isFile()) {
        showNotFound(path);
    } else {
        QUrl url = QUrl::fromLocalFile(path);
        if (!anchor.isEmpty()) url.setFragment(anchor);
        if (!isVisible()) show();  // the anchor scroll needs the laid-out size
        browser_->setSource(url);
        if (!anchor.isEmpty()) browser_->scrollToAnchor(anchor);
    }
    show();
    raise();
    activateWindow();
}

void THelpViewer::showContents() { ShowPage(folder_, QString::fromLatin1(kContentsPage), QString()); }

void THelpViewer::showNotFound(const QString& path) {
    browser_->setSource(QUrl());
    browser_->setPlainText(QStringLiteral("The help page \"%1\" was not found.").arg(QDir::toNativeSeparators(path)));
}
