#pragma once
// Records the addresses handed to the shell's "open" for one URL scheme while alive, so that no
// test starts a browser.

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

class UrlRecorder : public QObject {
    Q_OBJECT
public:
    explicit UrlRecorder(QString scheme);
    ~UrlRecorder() override;
    UrlRecorder(const UrlRecorder&) = delete;
    UrlRecorder& operator=(const UrlRecorder&) = delete;

    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls << url; }

private:
    QString scheme_;
};
