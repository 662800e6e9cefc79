#include "support/PasswordDialogs.h"
#include "platform/Dialogs.h"
#include <QApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <memory>
#include <utility>

namespace {

struct LanguageTexts {
    const char* caption;
    const char* prompt;
};

// In the order of TDialogLanguage.
const LanguageTexts kTexts[] = {
    {"Password", "&Enter password:"},
    {"Пароль", "&Введите пароль:"},
    {"Пароль", "&Введіть пароль:"},
    {"Mot de Passe", "&Saisie Mot de Passe :"},
    {"Senha", "&Informe sua Senha:"},
    {"Contraseña", "&Introduzca la contraseña:"},
    {"Passwort", "Passwort &Eingeben:"},
    {"Adgangskode", "&Indtast adgangskode:"},
    {"Password", "&Inserire password:"},
    {"Lösenord", "&Ange lösenord:"},
    {"Wachtwoord", "&Voer wachtwoord in:"},
    {"Hasło", "&Wprowadź hasło:"},
    {"Jelszó", "&Adja meg a jelszót:"},
    {"Parola", "&Parolayı girin:"},
    {"Heslo", "Zadajte heslo:"},
    {"암호", "암호 입력(&E):"},
};
static_assert(std::size(kTexts) == TBaseDialog::dlKorean + 1);

SoundPlayer& soundPlayer()
{
    static SoundPlayer player;
    return player;
}

}  // namespace

void PlayDialogSound(TBaseDialog::TSoundType sound)
{
    if (sound == TBaseDialog::stNoSound) return;
    if (soundPlayer()) soundPlayer()(sound);
    else QApplication::beep();
}

SoundPlayer SetSoundPlayer(SoundPlayer player)
{
    return std::exchange(soundPlayer(), std::move(player));
}

// ---------------------------------------------------------------- window

TPasswordForm::TPasswordForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("PasswordForm"));
    setFixedSize(269, 117);
    setWindowTitle(QString::fromUtf8(kTexts[0].caption));

    Bevel = new QFrame(this);
    Bevel->setObjectName(QStringLiteral("Bevel"));
    Bevel->setFrameShape(QFrame::Box);
    Bevel->setFrameShadow(QFrame::Sunken);
    Bevel->setGeometry(12, 8, 244, 68);

    KeyImage = new QLabel(this);
    KeyImage->setObjectName(QStringLiteral("KeyImage"));
    KeyImage->setGeometry(28, 24, 42, 42);
    KeyImage->setPixmap(QPixmap(QStringLiteral(":/pictures/keyicon.png")));

    PasswordEdit = new QLineEdit(this);
    PasswordEdit->setObjectName(QStringLiteral("PasswordEdit"));
    PasswordEdit->setGeometry(77, 39, 162, 21);
    PasswordEdit->setEchoMode(QLineEdit::Password);
    PasswordEdit->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));  // '*'
    connect(PasswordEdit, &QLineEdit::textChanged, this, &TPasswordForm::EditChange);

    Prompt = new TAngleLabel(this);
    Prompt->setObjectName(QStringLiteral("Prompt"));
    Prompt->SetAutoSize(false);
    Prompt->setWordWrap(true);
    Prompt->setGeometry(77, 22, 162, 15);
    Prompt->SetCaption(QString::fromUtf8(kTexts[0].prompt));
    Prompt->setBuddy(PasswordEdit);

    auto button = [this](const char* name, TPresetButton::TPresetButtonKind kind, int left) {
        auto* b = new TPresetButton(this);
        b->setObjectName(QLatin1String(name));
        b->SetKind(kind);
        b->setGeometry(left, 86, 78, 23);
        return b;
    };
    OKButton = button("OKButton", TPresetButton::pbkOk, 13);
    OKButton->setEnabled(false);
    CancelButton = button("CancelButton", TPresetButton::pbkCancel, 96);
    HelpButton = button("HelpButton", TPresetButton::pbkHelp, 179);
}

void TPasswordForm::SetLanguage(TBaseDialog::TDialogLanguage language)
{
    const int l = int(language);
    if (l < 0 || l > TBaseDialog::dlKorean) return;
    setWindowTitle(QString::fromUtf8(kTexts[l].caption));
    Prompt->SetCaption(QString::fromUtf8(kTexts[l].prompt));
    CancelButton->SetKind(TPresetButton::KindOf(TPresetButton::pgCancel, l));
    HelpButton->SetKind(TPresetButton::KindOf(TPresetButton::pgHelp, l));
}

void TPasswordForm::HideHelpButton()
{
    HelpButton->hide();
    OKButton->move(96, OKButton->y());
    CancelButton->move(179, CancelButton->y());
}

void TPasswordForm::EditChange()
{
    OKButton->setEnabled(!PasswordEdit->text().isEmpty() || m_allowEmpty);
}

void TPasswordForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    PasswordEdit->setFocus();
}

// ---------------------------------------------------------------- dialog

QString TPasswordDialog::LanguageCaption(TDialogLanguage language)
{
    const int l = int(language);
    return l >= 0 && l <= dlKorean ? QString::fromUtf8(kTexts[l].caption) : QString();
}

QString TPasswordDialog::LanguagePrompt(TDialogLanguage language)
{
    const int l = int(language);
    return l >= 0 && l <= dlKorean ? QString::fromUtf8(kTexts[l].prompt) : QString();
}

bool TPasswordDialog::Execute()
{
    auto form = std::make_unique<TPasswordForm>();
    if (Language() != dlEnglish) form->SetLanguage(Language());
    if (!m_caption.isEmpty()) form->setWindowTitle(m_caption);
    form->SetAllowEmptyPassword(m_allowEmpty);
    form->EditChange();
    if (!m_password.isEmpty()) form->PasswordEdit->setText(m_password);
    form->setProperty("HelpContext", HelpContext());
    if (HelpContext() == 0) form->HideHelpButton();

    auto* owner = qobject_cast<QWidget*>(parent());
    if (ParentFont() && owner && owner->isWindow()) form->setFont(owner->font());
    else form->setFont(Font());

    // Centred on the screen.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        form->move(area.center() - QPoint(form->width() / 2, form->height() / 2));
    }

    PlayDialogSound(SoundType());
    const bool ok = ShowModalForm(form.get()) == mrOk;
    m_password = ok ? form->PasswordEdit->text() : QString();
    return ok;
}
