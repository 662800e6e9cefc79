#pragma once
// Stand-ins for the main window's support components whose real classes
// are not in the program yet.  They carry the published properties that
// the form resource sets, and no behaviour: the password dialog asks
// nothing.  Each one goes away when its component arrives.
#include <QObject>
#include <QString>

// Asks for one password.
class TPasswordDialog : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QString Language READ Language WRITE SetLanguage)
    Q_PROPERTY(bool AllowEmptyPassword READ AllowEmptyPassword WRITE SetAllowEmptyPassword)
    Q_PROPERTY(QString SoundType READ SoundType WRITE SetSoundType)
    Q_PROPERTY(int HelpContext READ HelpContext WRITE SetHelpContext)
public:
    explicit TPasswordDialog(QObject* owner = nullptr) : QObject(owner) {}
    QString Caption() const { return m_caption; }
    void SetCaption(const QString& c) { m_caption = c; }
    QString Language() const { return m_language; }
    void SetLanguage(const QString& l) { m_language = l; }
    bool AllowEmptyPassword() const { return m_allowEmpty; }
    void SetAllowEmptyPassword(bool on) { m_allowEmpty = on; }
    QString SoundType() const { return m_soundType; }
    void SetSoundType(const QString& s) { m_soundType = s; }
    int HelpContext() const { return m_helpContext; }
    void SetHelpContext(int c) { m_helpContext = c; }
    QString Password;

private:
    QString m_caption;
    QString m_language = QStringLiteral("dlEnglish");
    QString m_soundType = QStringLiteral("stNoSound");
    bool m_allowEmpty = false;
    int m_helpContext = 0;
};
