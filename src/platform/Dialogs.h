#pragma once

#include <QString>

#include <functional>

class QDialog;
class QPrinter;
class QWidget;

// Every question to the user, every modal window and every standard dialog goes through here, so
// that tests can answer them without a real modal loop.

enum class MsgKind { Warning, Information, Confirmation, Error };
enum class MsgButtons { OK, OKCancel, YesNo };
enum class MsgButton { OK, Cancel, Yes, No };
enum class ModalResult { OK, Cancel };

// Shows a message box of a kind with a fixed set of buttons; "\r" in the text is a line break.
MsgButton messageBox(MsgKind kind, const QString& text, MsgButtons buttons, QWidget* parent = nullptr);

// Shows one of the program's own windows modally and tells how it was closed.
ModalResult showModal(QDialog* window);

// The system's print dialog for this printer; false when the user cancelled.
bool printDialog(QPrinter* printer, QWidget* parent);

// The text a message box shows for a program text, where "\r" stands for a line break.
QString messageText(const QString& text);

// The seam: while an answerer is set it is asked instead of the user.
namespace DialogSeam {
using MessageAnswerer = std::function<MsgButton(MsgKind, const QString& text, MsgButtons)>;
using ModalAnswerer = std::function<ModalResult(QDialog* window)>;
using PrintAnswerer = std::function<bool(QPrinter* printer)>;

void setMessageAnswerer(MessageAnswerer answerer);
void setModalAnswerer(ModalAnswerer answerer);
void setPrintAnswerer(PrintAnswerer answerer);
void reset();
} // namespace DialogSeam
