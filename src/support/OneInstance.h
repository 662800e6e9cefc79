#pragma once
// Keeps a second copy of the program from running.
//
// The guard decides in its loading step, while its form is being loaded and
// before the form's own creation handler runs.  The first copy takes a
// per-user lock file and listens on a local socket, both in the user's
// runtime folder and named after the application's title (the executable's
// name before its first ".", every letter after the first in lower case).
// A later copy finds the lock taken: it fires OnInstanceExists, asks the
// first copy over the socket to show its window (SwitchToPrevious) and,
// with Terminate, tells its program to end (TerminateRequested) - the
// program then runs none of its start steps and exits.  The first copy
// restores its window when minimised, else raises and activates it, and
// then raises an open modal dialog above it.  A lock left behind by a copy
// that crashed is taken over.  When the lock cannot be made at all, the
// program runs and says once that a second start cannot be detected.
//
// Both sides log to the category "strombau.instance" (the course of events
// at info level, off unless QT_LOGGING_RULES switches it on).
#include "platform/FormComponent.h"
#include <QLoggingCategory>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QLocalServer;
class QLockFile;
class QWidget;

Q_DECLARE_LOGGING_CATEGORY(lcInstance)

class TOneInstance : public QObject, public TFormComponent {
    Q_OBJECT
    Q_PROPERTY(bool Terminate READ Terminate WRITE SetTerminate)
    Q_PROPERTY(bool SwitchToPrevious READ SwitchToPrevious WRITE SetSwitchToPrevious)
    Q_PROPERTY(QString Version READ Version WRITE SetVersion)

public:
    explicit TOneInstance(QObject* owner = nullptr);
    // Gives up the lock and the socket.
    ~TOneInstance() override;

    bool Terminate() const { return m_terminate; }
    void SetTerminate(bool on) { m_terminate = on; }
    bool SwitchToPrevious() const { return m_switchToPrevious; }
    void SetSwitchToPrevious(bool on) { m_switchToPrevious = on; }
    // "1.1"; setting it has no effect.
    QString Version() const;
    void SetVersion(const QString&) {}

    // Fired in the second copy.
    std::function<void(QObject* Sender)> OnInstanceExists;

    // The check.
    void Loaded() override;

    // The name of lock and socket: the application's title.
    static QString ApplicationTitle();
    // The title for an executable: its file name before the first ".",
    // every character after the first in lower case.
    static QString TitleOf(const QString& executable);
    // Another name than the title (tests run several guards in one process).
    void SetInstanceName(const QString& name) { m_name = name; }
    QString InstanceName() const;

    // This copy found another one running.
    bool InstanceExists() const { return m_exists; }
    // This copy was told to end (another one runs and Terminate is set).
    bool TerminateRequested() const { return m_terminateRequested; }
    // This copy holds the lock.
    bool IsFirstInstance() const { return m_lock != nullptr; }

    // The window that an activation request brings to the front: the
    // owner's window unless set.
    void SetMainWindow(QWidget* window) { m_window = window; }

private:
    void listen(const QString& socketPath);
    void sendActivation(const QString& socketPath);
    void activate();
    QWidget* mainWindow() const;

    bool m_terminate = true;
    bool m_switchToPrevious = true;
    quint16 m_version = 257;
    QString m_name;
    bool m_exists = false;
    bool m_terminateRequested = false;
    bool m_handleTaken = false;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
    QWidget* m_window = nullptr;
};
