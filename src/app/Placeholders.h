#pragma once
// Stand-ins for the main window's support components whose real classes
// are not in the program yet.  They carry the published properties that
// the form resource sets, and no behaviour: the translation manager does not
// translate and the single-instance guard guards nothing.  Each one goes
// away when its component arrives.
#include <QObject>
#include <QString>

// Language folder and current language of the interface.
class TTranslationManager : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString LangsDir READ LangsDir WRITE SetLangsDir)
    Q_PROPERTY(QString CurrentLang READ CurrentLang WRITE SetCurrentLang)
    Q_PROPERTY(bool TranslateResourceStrings READ TranslateResourceStrings WRITE SetTranslateResourceStrings)
public:
    explicit TTranslationManager(QObject* owner = nullptr) : QObject(owner) {}
    QString LangsDir() const { return m_langsDir; }
    void SetLangsDir(const QString& dir) { m_langsDir = dir; }
    QString CurrentLang() const { return m_currentLang; }
    void SetCurrentLang(const QString& lang) { m_currentLang = lang; }
    bool TranslateResourceStrings() const { return m_translateResStrings; }
    void SetTranslateResourceStrings(bool on) { m_translateResStrings = on; }

private:
    QString m_langsDir;
    QString m_currentLang;
    bool m_translateResStrings = false;
};

// Applies the current language to its form; bound to a manager by name.
class TFormTranslator : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Manager READ Manager WRITE SetManager)
public:
    explicit TFormTranslator(QObject* owner = nullptr) : QObject(owner) {}
    QString Manager() const { return m_manager; }
    void SetManager(const QString& name) { m_manager = name; }

private:
    QString m_manager;
};

// Keeps a second copy of the program from running.
class TOneInstance : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool Terminate READ Terminate WRITE SetTerminate)
    Q_PROPERTY(bool SwitchToPrevious READ SwitchToPrevious WRITE SetSwitchToPrevious)
    Q_PROPERTY(QString Version READ Version WRITE SetVersion)
public:
    explicit TOneInstance(QObject* owner = nullptr) : QObject(owner) {}
    bool Terminate() const { return m_terminate; }
    void SetTerminate(bool on) { m_terminate = on; }
    bool SwitchToPrevious() const { return m_switchToPrevious; }
    void SetSwitchToPrevious(bool on) { m_switchToPrevious = on; }
    QString Version() const { return QStringLiteral("1.1"); }
    void SetVersion(const QString&) {}  // read-only; stored forms still carry it

private:
    bool m_terminate = true;
    bool m_switchToPrevious = true;
};
