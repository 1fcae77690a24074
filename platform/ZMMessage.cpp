#include "platform/ZMMessage.h"

#include "platform/ZMApplication.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace {

QMessageBox::Icon iconOf(MsgKind kind) {
    switch (kind) {
    case MsgKind::Warning: return QMessageBox::Warning;
    case MsgKind::Error: return QMessageBox::Critical;
    case MsgKind::Information: return QMessageBox::Information;
    case MsgKind::Confirmation: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton buttonOf(MsgResult r) {
    switch (r) {
    case MsgResult::Ok: return QMessageBox::Ok;
    case MsgResult::Cancel: return QMessageBox::Cancel;
    case MsgResult::Yes: return QMessageBox::Yes;
    case MsgResult::No: return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButtons buttonsOf(MsgButtons b) {
    switch (b) {
    case MsgButtons::Ok: return QMessageBox::Ok;
    case MsgButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

MessageSink& currentSink(QtMessageSink& fallback) {
    if (ZMApplication* app = ZMApplication::instance()) return app->messageSink();
    return fallback;
}

}  // namespace

QString messageCaption(MsgKind kind) {
    switch (kind) {
    case MsgKind::Warning: return QStringLiteral("Warning");
    case MsgKind::Error: return QStringLiteral("Error");
    case MsgKind::Information: return QStringLiteral("Information");
    case MsgKind::Confirmation: return QStringLiteral("Confirm");
    }
    return {};
}

MsgResult defaultResult(MsgButtons buttons) {
    return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgResult::Yes : MsgResult::Ok;
}

MsgResult escapeResult(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::Ok: return MsgResult::Ok;
    case MsgButtons::OkCancel: return MsgResult::Cancel;
    case MsgButtons::YesNo: return MsgResult::No;
    case MsgButtons::YesNoCancel: return MsgResult::Cancel;
    }
    return MsgResult::Ok;
}

MsgResult QtMessageSink::show(const MessageRequest& request) {
    QWidget* parent = request.parent ? request.parent : QApplication::activeWindow();
    QMessageBox box(iconOf(request.kind), request.caption, request.text, buttonsOf(request.buttons), parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(buttonOf(defaultResult(request.buttons)));
    box.setEscapeButton(box.button(buttonOf(escapeResult(request.buttons))));
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Ok: return MsgResult::Ok;
    case QMessageBox::Cancel: return MsgResult::Cancel;
    case QMessageBox::Yes: return MsgResult::Yes;
    case QMessageBox::No: return MsgResult::No;
    default: return escapeResult(request.buttons);
    }
}

MsgResult message(QWidget* parent, MsgKind kind, const QString& text, MsgButtons buttons) {
    QtMessageSink fallback;
    return currentSink(fallback).show({parent, kind, messageCaption(kind), text, buttons});
}

void applicationError(QWidget* parent, const QString& text) {
    QtMessageSink fallback;
    QWidget* owner = parent ? parent : QApplication::activeWindow();
    currentSink(fallback).show({owner, MsgKind::Error, QCoreApplication::applicationName(), text, MsgButtons::Ok});
}
