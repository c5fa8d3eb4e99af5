#include "platform/Dialogs.h"

#include <QDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace {

DialogSeam::MessageAnswerer& messageAnswerer()
{
    static DialogSeam::MessageAnswerer answerer;
    return answerer;
}

DialogSeam::ModalAnswerer& modalAnswerer()
{
    static DialogSeam::ModalAnswerer answerer;
    return answerer;
}

DialogSeam::PrintAnswerer& printAnswerer()
{
    static DialogSeam::PrintAnswerer answerer;
    return answerer;
}

} // namespace

QString messageText(const QString& text)
{
    return QString(text).replace('\r', '\n');
}

MsgButton messageBox(MsgKind kind, const QString& text, MsgButtons buttons, QWidget* parent)
{
    if (messageAnswerer())
        return messageAnswerer()(kind, text, buttons);

    QMessageBox box(parent);
    box.setWindowTitle(QStringLiteral("Veldra 4"));
    box.setText(messageText(text));
    switch (kind) {
    case MsgKind::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgKind::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MsgKind::Confirmation:
        box.setIcon(QMessageBox::Question);
        break;
    case MsgKind::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    switch (buttons) {
    case MsgButtons::OK:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MsgButtons::OKCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MsgButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok:
        return MsgButton::OK;
    case QMessageBox::Yes:
        return MsgButton::Yes;
    case QMessageBox::No:
        return MsgButton::No;
    default:
        // Esc and the close box answer the safe way.
        return buttons == MsgButtons::YesNo ? MsgButton::No
                                            : (buttons == MsgButtons::OK ? MsgButton::OK : MsgButton::Cancel);
    }
}

ModalResult showModal(QDialog* window)
{
    if (modalAnswerer())
        return modalAnswerer()(window);
    return window->exec() == QDialog::Accepted ? ModalResult::OK : ModalResult::Cancel;
}

bool printDialog(QPrinter* printer, QWidget* parent)
{
    if (printAnswerer())
        return printAnswerer()(printer);
    QPrintDialog dialog(printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void DialogSeam::setMessageAnswerer(MessageAnswerer answerer)
{
    messageAnswerer() = std::move(answerer);
}

void DialogSeam::setModalAnswerer(ModalAnswerer answerer)
{
    modalAnswerer() = std::move(answerer);
}

void DialogSeam::setPrintAnswerer(PrintAnswerer answerer)
{
    printAnswerer() = std::move(answerer);
}

void DialogSeam::reset()
{
    messageAnswerer() = nullptr;
    modalAnswerer() = nullptr;
    printAnswerer() = nullptr;
}
