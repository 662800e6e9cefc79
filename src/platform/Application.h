#pragma once
// The application object and its default exception handler.
//
// An exception that leaves an event handler (a slot, an event filter, a
// timer) is caught where the event is delivered and shown in an error
// message box with its text; the program then goes on with the next event.
#include <QApplication>
#include <exception>
#include <functional>

class QTranslator;

class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Shows the exception's message as an error (the runtime's default handler:
// a message that does not end in a full stop or other punctuation gets one).
void HandleException(const std::exception& e);
// The same for an exception of unknown type.
void HandleUnknownException();

// The text HandleException shows for `e`.
QString ExceptionMessage(const std::exception& e);

// Runs `deliver`, catching whatever it throws and showing it with
// HandleException.  Returns what `deliver` returned, false after an exception.
bool DeliverGuarded(const std::function<bool()>& deliver);

// QApplication's delivery of `event` to `receiver` under the default
// handler; TApplication::notify is exactly this.
bool NotifyGuarded(QApplication* app, QObject* receiver, QEvent* event);

// Qt's own texts (file and print dialogs, standard buttons) in `language`,
// from the translations installed beside Qt.  The translator belongs to
// `app`; nullptr (and Qt's English) when they are not installed.
QTranslator* InstallQtTranslations(QCoreApplication* app, const QString& language = QStringLiteral("de"));
