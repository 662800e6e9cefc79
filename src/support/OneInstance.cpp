#include "support/OneInstance.h"
#include "platform/Dialogs.h"
#include "platform/ResourceStrings.h"
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>

// Warnings always; the course of events with QT_LOGGING_RULES="strombau.instance.info=true".
Q_LOGGING_CATEGORY(lcInstance, "strombau.instance", QtWarningMsg)

namespace {

const QByteArray kActivate = QByteArrayLiteral("activate\n");
constexpr int kConnectMs = 2000;

}  // namespace

TOneInstance::TOneInstance(QObject* owner) : QObject(owner) {}

TOneInstance::~TOneInstance()
{
    if (m_server) m_server->close();
    if (m_lock) m_lock->unlock();
}

QString TOneInstance::Version() const
{
    return QStringLiteral("%1.%2").arg(m_version >> 8).arg(m_version & 0xFF);
}

QString TOneInstance::ApplicationTitle() { return TitleOf(QCoreApplication::applicationFilePath()); }

QString TOneInstance::TitleOf(const QString& executable)
{
    QString name = QFileInfo(executable).fileName();
    name = name.section(QLatin1Char('.'), 0, 0);
    if (name.size() > 1) name = name.left(1) + name.mid(1).toLower();
    return name;
}

QString TOneInstance::InstanceName() const { return m_name.isEmpty() ? ApplicationTitle() : m_name; }

QWidget* TOneInstance::mainWindow() const
{
    if (m_window) return m_window;
    for (QObject* o = parent(); o; o = o->parent())
        if (auto* w = qobject_cast<QWidget*>(o)) return w->window();
    return nullptr;
}

void TOneInstance::Loaded()
{
    const QString name = InstanceName();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    const QString base = folder.isEmpty() ? QString() : QDir(folder).filePath(name);

    auto lock = base.isEmpty() ? nullptr : std::make_unique<QLockFile>(base + QStringLiteral(".lock"));
    if (lock) {
        // Only a lock whose process is gone counts as stale, never by age.
        lock->setStaleLockTime(0);
        if (lock->tryLock(0)) {
            m_lock = std::move(lock);
            m_handleTaken = true;
            listen(base + QStringLiteral(".socket"));
            qCInfo(lcInstance) << "first copy:" << name << "holds" << (base + QStringLiteral(".lock"));
            return;
        }
    }
    // Taken, but by nobody that can be named (a folder in its place, a
    // damaged file): that is no copy of the program.
    qint64 pid = 0;
    QString host, app;
    const bool held = lock && lock->error() == QLockFile::LockFailedError && lock->getLockInfo(&pid, &host, &app);
    if (!held) {
        // No lock to be had: run, but say that a second start goes unnoticed.
        const QString where = base.isEmpty() ? QStringLiteral("-") : QDir::toNativeSeparators(base + QStringLiteral(".lock"));
        qCWarning(lcInstance) << "cannot take the lock" << where << "- a second start cannot be detected";
        MessageDlg(FmtLoadResString(SOneInstanceNoLock, {where}), mtWarning, mbOK);
        m_handleTaken = true;
        return;
    }

    qCInfo(lcInstance) << "another copy of" << name << "is running, process" << pid;
    m_exists = true;
    if (OnInstanceExists) OnInstanceExists(this);
    if (m_switchToPrevious) sendActivation(base + QStringLiteral(".socket"));
    if (m_terminate) {
        qCInfo(lcInstance) << "this copy ends";
        // The program looks at this before it runs its start steps.
        m_terminateRequested = true;
    }
    m_handleTaken = true;
}

void TOneInstance::listen(const QString& socketPath)
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left behind by a copy that crashed.
    QLocalServer::removeServer(socketPath);
    if (!m_server->listen(socketPath)) {
        qCWarning(lcInstance) << "cannot listen on" << socketPath << m_server->errorString();
        return;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            auto handle = [this, socket] {
                if (!socket->canReadLine()) return;
                const QByteArray request = socket->readLine();
                if (request == kActivate) {
                    qCInfo(lcInstance) << "activation requested by another copy";
                    activate();
                } else {
                    qCWarning(lcInstance) << "unknown request" << request.left(40);
                }
                socket->disconnectFromServer();
            };
            connect(socket, &QLocalSocket::readyRead, this, handle);
            if (socket->bytesAvailable() > 0) handle();
        }
    });
}

void TOneInstance::sendActivation(const QString& socketPath)
{
    QLocalSocket socket;
    const QDeadlineTimer deadline(kConnectMs);
    // The first copy may still be starting: try again until the time is up.
    for (;;) {
        socket.connectToServer(socketPath);
        if (socket.waitForConnected(int(qMax<qint64>(1, deadline.remainingTime())))) break;
        if (deadline.hasExpired()) {
            qCWarning(lcInstance) << "the other copy does not answer:" << socket.errorString();
            return;
        }
        socket.abort();
        QThread::msleep(50);
    }
    socket.write(kActivate);
    socket.waitForBytesWritten(int(qMax<qint64>(1, deadline.remainingTime())));
    qCInfo(lcInstance) << "asked the other copy to show its window";
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(200);
}

void TOneInstance::activate()
{
    QWidget* window = mainWindow();
    if (!window) return;
    if (window->isMinimized()) {
        window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        window->show();
        qCInfo(lcInstance) << "window restored";
    } else {
        window->raise();
        window->activateWindow();
        qCInfo(lcInstance) << "window raised";
    }
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != window) {
        modal->raise();
        modal->activateWindow();
    }
}
