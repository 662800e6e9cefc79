#include "app/UserForm.h"
#include "app/FormBau.h"
#include "app/Strombau.h"
#include "platform/Dialogs.h"
#include "platform/StrHolder.h"
#include "support/Translation.h"
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTreeWidget>

namespace {

const char* const kFormResource = ":/forms/UserDlg.dfm";

const char* const kDefaultTexts[] = {
    "Datei nicht vorhanden:",
    "Die Änderungen wurden noch nicht gespeichert!!",
    "Wollen Sie die Änderungen jetzt speichern?",
    "Die Sprache kann nur gewechselt werden, wenn kein Projekt aktiv ist!",
};

// Kept for the program's run, not per dialog.
struct TRunState {
    bool geaendert = false;
    int sprachIndex = -1;
};
TRunState& runState()
{
    static TRunState state;
    return state;
}

using formbau::make;

}  // namespace

bool TUserDlg::Geaendert() { return runState().geaendert; }
int TUserDlg::SprachIndex() { return runState().sprachIndex; }
void TUserDlg::ResetRunState() { runState() = TRunState{}; }

TUserDlg::TUserDlg(TMainForm* owner) : TAppDialog(owner), m_owner(owner)
{
    setObjectName(QStringLiteral("UserDlg"));
    Panel2 = make<QFrame>(this, "Panel2");
    Panel1 = make<QFrame>(this, "Panel1");
    FirmaEdit = make<QLineEdit>(Panel2, "FirmaEdit");
    UserEdit = make<QLineEdit>(Panel2, "UserEdit");
    StrasseEdit = make<QLineEdit>(Panel2, "StrasseEdit");
    PLZEdit = make<QLineEdit>(Panel2, "PLZEdit");
    OrtEdit = make<QLineEdit>(Panel2, "OrtEdit");
    TelefonEdit = make<QLineEdit>(Panel2, "TelefonEdit");
    FaxEdit = make<QLineEdit>(Panel2, "FaxEdit");
    EMailEdit = make<QLineEdit>(Panel2, "EMailEdit");
    VortextMemo = make<QPlainTextEdit>(Panel2, "VortextMemo");
    VortextMemo->setTabChangesFocus(true);
    SpracheCB = make<QComboBox>(Panel2, "SpracheCB");
    TipCB = make<QCheckBox>(Panel2, "TipCB");
    SaveBtn = make<QPushButton>(Panel1, "SaveBtn");
    CloseBtn = make<QPushButton>(Panel1, "CloseBtn");
    SaveBtn->setAutoDefault(false);
    CloseBtn->setAutoDefault(false);
    UserFormStrHolder = new TStrHolder(this, QStringLiteral("UserFormStrHolder"));
    FormTranslator = make<TFormTranslator>(this, "FormTranslator");

    LoadForm(QString::fromLatin1(kFormResource));

    for (QLineEdit* e : {FirmaEdit, UserEdit, StrasseEdit, PLZEdit, OrtEdit, TelefonEdit, FaxEdit, EMailEdit})
        connect(e, &QLineEdit::textChanged, this, &TUserDlg::FirmaEditChange);
    connect(VortextMemo, &QPlainTextEdit::textChanged, this, &TUserDlg::FirmaEditChange);
    // The tip box is an input like every other one.
    connect(TipCB, &QCheckBox::toggled, this, &TUserDlg::FirmaEditChange);
    // Only the user's choice is a change of the language.
    connect(SpracheCB, &QComboBox::activated, this, &TUserDlg::SpracheCBChange);
    connect(SaveBtn, &QPushButton::clicked, this, [this] { SaveBtnClick(); });
}

QString TUserDlg::text(int index) const
{
    return UserFormStrHolder->item(index, kDefaultTexts);
}

bool TUserDlg::projektOffen() const
{
    return m_owner && m_owner->TSTreeView && m_owner->TSTreeView->topLevelItemCount() > 0;
}

void TUserDlg::showEvent(QShowEvent* event)
{
    TAppDialog::showEvent(event);
    // Coming up loads; returning from a message box keeps what was typed.
    if (!m_geladen) {
        m_geladen = true;
        FormActivate();
    }
}

void TUserDlg::FormActivate()
{
    SaveBtn->setEnabled(runState().geaendert);
    if (WertDateiVorhanden()) {
        LoadUserData();
        FirmaEdit->setFocus(Qt::OtherFocusReason);
    } else {
        MessageDlg(text(0) + QStringLiteral(" \"SBWert.Dat\""), mtInformation, mbOK);
    }
    {
        const QSignalBlocker block(SpracheCB);
        SpracheCB->clear();
        TTranslationManager* manager = m_owner ? m_owner->TranslationManager : nullptr;
        const QString current = manager ? manager->CurrentLang() : QString();
        int selected = -1;
        for (int i = 0; manager && i < manager->LangsCount(); ++i) {
            SpracheCB->addItem(manager->Langs(i));
            if (manager->Langs(i) == current) selected = i;
        }
        // No language stored and none chosen: the program speaks its own
        // German, the list's first entry, and the box says so.
        if (selected < 0 && current.isEmpty() && m_gelesen.Sprache.isEmpty() && SpracheCB->count() > 0) selected = 0;
        SpracheCB->setCurrentIndex(selected);
    }
    runState().sprachIndex = SpracheCB->currentIndex();
}

void TUserDlg::LoadUserData()
{
    ReadUserEingaben(m_gelesen);
    // What the file holds is no change: only the user's own edits set the
    // flag, so closing a dialog that was only looked at asks nothing.
    m_laden = true;
    const auto loaded = qScopeGuard([this] { m_laden = false; });
    FirmaEdit->setText(m_gelesen.Firma);
    UserEdit->setText(m_gelesen.Nutzer);
    StrasseEdit->setText(m_gelesen.Strasse);
    PLZEdit->setText(m_gelesen.PLZ);
    OrtEdit->setText(m_gelesen.Ort);
    TelefonEdit->setText(m_gelesen.Telefon);
    FaxEdit->setText(m_gelesen.Fax);
    EMailEdit->setText(m_gelesen.EMail);
    if (VortextMemo->toPlainText() != m_gelesen.Vortext) VortextMemo->setPlainText(m_gelesen.Vortext);
    TipCB->setChecked(m_gelesen.Tip);
}

void TUserDlg::FirmaEditChange()
{
    if (m_laden) return;
    runState().geaendert = true;
    SaveBtn->setEnabled(true);
}

void TUserDlg::SpracheCBChange(int index)
{
    if (!projektOffen()) {
        FirmaEditChange();  // the new language takes effect when saved
        return;
    }
    MessageDlg(text(3), mtError, mbOK);
    // Back to the language of the opening; the other inputs keep their flag.
    const QSignalBlocker block(SpracheCB);
    SpracheCB->setCurrentIndex(runState().sprachIndex);
    (void)index;
}

bool TUserDlg::SaveUserData()
{
    TUserEingaben e;
    e.Firma = FirmaEdit->text();
    e.Nutzer = UserEdit->text();
    e.Strasse = StrasseEdit->text();
    e.PLZ = PLZEdit->text();
    e.Ort = OrtEdit->text();
    e.Telefon = TelefonEdit->text();
    e.Fax = FaxEdit->text();
    e.EMail = EMailEdit->text();
    e.Vortext = VortextMemo->toPlainText();
    // With no entry selected (a stored language whose file is gone) the
    // stored name stays.
    const bool chosen = SpracheCB->currentIndex() >= 0;
    e.Sprache = chosen ? SpracheCB->currentText() : m_gelesen.Sprache;
    e.Tip = TipCB->isChecked();
    if (!WriteUserEingaben(e)) return false;
    m_gelesen = e;
    if (chosen && m_owner && m_owner->TranslationManager) m_owner->TranslationManager->SetCurrentLang(e.Sprache);
    if (m_owner) m_owner->Gitter_beschriften();
    return true;
}

bool TUserDlg::SaveBtnClick()
{
    // The flag clears only once the file holds the values.
    if (!SaveUserData()) return false;
    runState().geaendert = false;
    SaveBtn->setEnabled(false);
    runState().sprachIndex = SpracheCB->currentIndex();
    return true;
}

void TUserDlg::FormCloseQuery(bool& CanClose)
{
    CanClose = true;
    if (!runState().geaendert) return;
    CanClose = MayCloseAfterAsking(text(1) + QLatin1Char('\r') + text(2), [this] { return SaveBtnClick(); });
}

void TUserDlg::FormClose()
{
    m_geladen = false;
}

void TUserDlg::done(int)
{
    if (isVisible()) {
        bool canClose = true;
        FormCloseQuery(canClose);
        if (!canClose) return;
    }
    FormClose();
    TAppDialog::done(QDialog::Accepted);
}
