#pragma once
// A dialog component that asks for one password in a small modal window:
// key picture, prompt, masked edit, OK, Cancel and Help.
#include "support/AngleLabels.h"
#include <QDialog>
#include <QFont>
#include <QObject>

class QFrame;
class QLineEdit;

class TBaseDialog : public QObject {
    Q_OBJECT
    Q_PROPERTY(TDialogLanguage Language READ Language WRITE SetLanguage)
    Q_PROPERTY(TSoundType SoundType READ SoundType WRITE SetSoundType)
    Q_PROPERTY(int HelpContext READ HelpContext WRITE SetHelpContext)
    Q_PROPERTY(QFont Font READ Font WRITE SetFont)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)

public:
    enum TDialogLanguage {
        dlEnglish, dlRussian, dlUkranian, dlFrench, dlPortuguese, dlSpanish, dlGerman, dlDanish, dlItalian,
        dlSwedish, dlDutch, dlPolish, dlHungarian, dlTurkish, dlSlovak, dlKorean
    };
    Q_ENUM(TDialogLanguage)
    enum TSoundType { stNoSound, stStandart, stAsterisk, stExclamation, stSystemHand, stQuestion, stDefault };
    Q_ENUM(TSoundType)

    explicit TBaseDialog(QObject* owner = nullptr) : QObject(owner) {}

    TDialogLanguage Language() const { return m_language; }
    void SetLanguage(TDialogLanguage value) { m_language = value; }
    TSoundType SoundType() const { return m_soundType; }
    void SetSoundType(TSoundType value) { m_soundType = value; }
    int HelpContext() const { return m_helpContext; }
    void SetHelpContext(int value) { m_helpContext = value; }
    QFont Font() const { return m_font; }
    void SetFont(const QFont& font) { m_font = font; }
    bool ParentFont() const { return m_parentFont; }
    void SetParentFont(bool on) { m_parentFont = on; }

private:
    TDialogLanguage m_language = dlEnglish;
    TSoundType m_soundType = stNoSound;
    int m_helpContext = 0;
    QFont m_font;
    bool m_parentFont = true;
};

// Plays the sound of `sound` (the desktop's beep for every kind but stNoSound).
void PlayDialogSound(TBaseDialog::TSoundType sound);
// What plays a sound (tests count the beeps); an empty function restores
// the desktop's beep.  Returns the previous one.
using SoundPlayer = std::function<void(TBaseDialog::TSoundType)>;
SoundPlayer SetSoundPlayer(SoundPlayer player);

// The window of the password dialog, 269 x 117 pixels.
class TPasswordForm : public QDialog {
    Q_OBJECT
public:
    explicit TPasswordForm(QWidget* parent = nullptr);

    // Captions of `language` for the window, the prompt, Cancel and Help.
    void SetLanguage(TBaseDialog::TDialogLanguage language);
    void SetAllowEmptyPassword(bool on) { m_allowEmpty = on; }
    // Hides Help and moves OK and Cancel to its right.
    void HideHelpButton();

    // OK is enabled when the edit holds text or empty passwords are allowed.
    void EditChange();

    QFrame* Bevel = nullptr;
    QLabel* KeyImage = nullptr;
    QLineEdit* PasswordEdit = nullptr;
    TAngleLabel* Prompt = nullptr;
    TPresetButton* OKButton = nullptr;
    TPresetButton* CancelButton = nullptr;
    TPresetButton* HelpButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool m_allowEmpty = false;
};

class TPasswordDialog : public TBaseDialog {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool AllowEmptyPassword READ AllowEmptyPassword WRITE SetAllowEmptyPassword)

public:
    explicit TPasswordDialog(QObject* owner = nullptr) : TBaseDialog(owner) {}

    QString Caption() const { return m_caption; }
    void SetCaption(const QString& c) { m_caption = c; }
    bool AllowEmptyPassword() const { return m_allowEmpty; }
    void SetAllowEmptyPassword(bool on) { m_allowEmpty = on; }
    // In: the edit's first text; out: what was typed, empty unless OK.
    QString Password() const { return m_password; }
    void SetPassword(const QString& p) { m_password = p; }

    // Shows the window modally; true when it was closed with OK.
    bool Execute();

    // The window caption and the prompt of each language.
    static QString LanguageCaption(TDialogLanguage language);
    static QString LanguagePrompt(TDialogLanguage language);

private:
    QString m_caption;
    bool m_allowEmpty = false;
    QString m_password;
};
