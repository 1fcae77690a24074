#include "support/UrlRecorder.h"

#include <QDesktopServices>

UrlRecorder::UrlRecorder(QString scheme) : scheme_(std::move(scheme)) {
    QDesktopServices::setUrlHandler(scheme_, this, "open");
}

UrlRecorder::~UrlRecorder() { QDesktopServices::unsetUrlHandler(scheme_); }
