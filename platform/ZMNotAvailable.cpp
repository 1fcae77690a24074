#include "platform/ZMNotAvailable.h"

#include "platform/ZMMessage.h"

void NotAvailableYet(QWidget* parent, const QString& command) {
    message(parent, MsgKind::Information, QStringLiteral("\"%1\" is not available yet.").arg(command));
}
