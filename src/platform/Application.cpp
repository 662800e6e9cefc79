#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Exceptions.h"
#include "platform/ResourceStrings.h"
#include <QLibraryInfo>
#include <QTranslator>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event) { return NotifyGuarded(this, receiver, event); }

QString ExceptionMessage(const std::exception& e)
{
    QString msg;
    if (const auto* ex = dynamic_cast<const Exception*>(&e)) msg = ex->Message();
    else msg = QString::fromUtf8(e.what());
    // As the runtime does: a message whose last character sorts after '.'
    // (a letter or digit, not ".", "!" or "?") is given a full stop.
    if (!msg.isEmpty() && msg.back() > QLatin1Char('.')) msg += QLatin1Char('.');
    return msg;
}

void HandleException(const std::exception& e) { MessageDlg(ExceptionMessage(e), mtError, mbOK); }

void HandleUnknownException() { MessageDlg(LoadResString(SUnknownException) + QLatin1Char('.'), mtError, mbOK); }

bool DeliverGuarded(const std::function<bool()>& deliver)
{
    try {
        return deliver();
    } catch (const std::exception& e) {
        HandleException(e);
    } catch (...) {
        HandleUnknownException();
    }
    return false;
}

bool NotifyGuarded(QApplication* app, QObject* receiver, QEvent* event)
{
    return DeliverGuarded([&] { return app->QApplication::notify(receiver, event); });
}

QTranslator* InstallQtTranslations(QCoreApplication* app, const QString& language)
{
    if (!app) return nullptr;
    auto* translator = new QTranslator(app);
    if (!translator->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}
