#include "platform/Handlers.h"

#include "platform/Dialogs.h"

#include <QApplication>

void applicationErrorHandler(const QString& message)
{
    messageBox(MsgKind::Error, message, MsgButtons::OK, QApplication::activeWindow());
}
