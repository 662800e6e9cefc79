#include "app/DruckKopfForm.h"
#include "app/FormBau.h"
#include "platform/Cp1252Fields.h"
#include "platform/Dialogs.h"
#include "platform/FormResource.h"
#include "platform/PropertyPath.h"
#include "support/Translation.h"
#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <algorithm>
#include <functional>

namespace {

const char* const kFormResource = ":/forms/DruckkopfDlg.dfm";

QString MemoText(QString text);

// Memo texts count as equal whatever their line breaks.
bool SameHeader(const TProjektdaten& a, const TProjektdaten& b)
{
    return a.Name1 == b.Name1 && a.Name2 == b.Name2 && a.Strasse == b.Strasse && a.PLZ == b.PLZ
        && a.Ort == b.Ort && a.Ansprechp == b.Ansprechp && a.Projekt == b.Projekt
        && a.Telefon == b.Telefon && a.Fax == b.Fax && a.Email == b.Email
        && MemoText(a.Vortext) == MemoText(b.Vortext) && MemoText(a.Nachtext) == MemoText(b.Nachtext);
}

// Memo texts may come from files written elsewhere with CR LF or CR breaks.
QString MemoText(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

using formbau::make;

// Restores the owner's pointers when a showing ends, also by an exception.
struct ShowingScope {
    TProjektdaten*& projekt;
    const TUserdaten*& user;
    ~ShowingScope() { projekt = nullptr; user = nullptr; }
};

}  // namespace

TDruckkopfDlg::TDruckkopfDlg(QWidget* parent)
    : TAppDialog(parent)
{
    setObjectName(QStringLiteral("DruckkopfDlg"));

    Panel2 = make<QFrame>(this, "Panel2");
    Panel1 = make<QFrame>(this, "Panel1");

    for (int i = 1; i <= 10; ++i) {
        auto* label = new QLabel(Panel2);
        label->setObjectName(QStringLiteral("Label%1").arg(i));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    Name1Edit = make<QLineEdit>(Panel2, "Name1Edit");
    Name2Edit = make<QLineEdit>(Panel2, "Name2Edit");
    StrasseEdit = make<QLineEdit>(Panel2, "StrasseEdit");
    PLZEdit = make<QLineEdit>(Panel2, "PLZEdit");
    OrtEdit = make<QLineEdit>(Panel2, "OrtEdit");
    TelefonEdit = make<QLineEdit>(Panel2, "TelefonEdit");
    FaxEdit = make<QLineEdit>(Panel2, "FaxEdit");
    EMailEdit = make<QLineEdit>(Panel2, "EMailEdit");
    AnsprechpartnerEdit = make<QLineEdit>(Panel2, "AnsprechpartnerEdit");
    ProjektEdit = make<QLineEdit>(Panel2, "ProjektEdit");

    VortextMemo = make<QPlainTextEdit>(Panel2, "VortextMemo");
    NachtextMemo = make<QPlainTextEdit>(Panel2, "NachtextMemo");
    // The tab key moves on to the next control, as in every other input.
    VortextMemo->setTabChangesFocus(true);
    NachtextMemo->setTabChangesFocus(true);

    CloseBtn = make<QPushButton>(Panel1, "CloseBtn");

    FormTranslator = make<TFormTranslator>(this, "FormTranslator");

    LoadForm(QString::fromLatin1(kFormResource));

    // The header goes into the project file: what it cannot store is
    // refused as it is typed, naming the field by its label.
    const auto labelText = [this](const char* name) {
        return [this, name] {
            const auto* label = findChild<QLabel*>(QLatin1String(name));
            // Labels broken over two lines carry a hyphen and a blank.
            return label ? label->text().replace(QStringLiteral("- "), QString()).simplified() : QString();
        };
    };
    const std::pair<QLineEdit*, const char*> edits[] = {
        {Name1Edit, "Label1"}, {Name2Edit, "Label1"}, {StrasseEdit, "Label2"}, {PLZEdit, "Label3"},
        {OrtEdit, "Label3"}, {TelefonEdit, "Label4"}, {FaxEdit, "Label5"}, {EMailEdit, "Label6"},
        {AnsprechpartnerEdit, "Label7"}, {ProjektEdit, "Label8"},
    };
    for (const auto& [edit, label] : edits) RefuseNonCp1252(edit, labelText(label));
    RefuseNonCp1252(VortextMemo, labelText("Label9"));
    RefuseNonCp1252(NachtextMemo, labelText("Label10"));
}

bool TDruckkopfDlg::Execute(TProjektdaten& projekt, const TUserdaten& user)
{
    m_projekt = &projekt;
    m_user = &user;
    m_geladen = false;
    m_geaendert = false;
    {
        ShowingScope scope{m_projekt, m_user};
        ShowModalForm(this);
    }
    m_geladen = false;
    if (m_geaendert) emit ProjektdatenGeaendert();
    return m_geaendert;
}

void TDruckkopfDlg::showEvent(QShowEvent* event)
{
    TAppDialog::showEvent(event);
    // Only coming up loads the record: returning from a message box or from
    // a minimised window must keep what was typed.
    if (!m_geladen) FormActivate();
}

void TDruckkopfDlg::FormActivate()
{
    if (!m_projekt || !m_user) return;
    ProjektdatenToDialog(*m_projekt, *m_user);
    m_geladen = true;
    Name1Edit->setFocus(Qt::OtherFocusReason);
}

void TDruckkopfDlg::done(int)
{
    FormClose();
    QDialog::done(QDialog::Accepted);
}

void TDruckkopfDlg::FormClose()
{
    // A dialog that never showed the record has nothing to give back.
    if (m_projekt && m_geladen) {
        const TProjektdaten vorher = *m_projekt;
        DialogToProjektdaten(*m_projekt);
        if (!SameHeader(vorher, *m_projekt)) m_geaendert = true;
    }
    m_geladen = false;
}

void TDruckkopfDlg::ProjektdatenToDialog(const TProjektdaten& projekt, const TUserdaten& user)
{
    Name1Edit->setText(projekt.Name1);
    Name2Edit->setText(projekt.Name2);
    StrasseEdit->setText(projekt.Strasse);
    PLZEdit->setText(projekt.PLZ);
    OrtEdit->setText(projekt.Ort);
    AnsprechpartnerEdit->setText(projekt.Ansprechp);
    ProjektEdit->setText(projekt.Projekt);
    TelefonEdit->setText(projekt.Telefon);
    FaxEdit->setText(projekt.Fax);
    EMailEdit->setText(projekt.Email);
    VortextMemo->setPlainText(MemoText(projekt.Vortext.isEmpty() ? user.Vortext : projekt.Vortext));
    // The closing remarks are always this project's own, also when empty.
    NachtextMemo->setPlainText(MemoText(projekt.Nachtext));
}

void TDruckkopfDlg::DialogToProjektdaten(TProjektdaten& projekt) const
{
    projekt.Name1 = Name1Edit->text();
    projekt.Name2 = Name2Edit->text();
    projekt.Strasse = StrasseEdit->text();
    projekt.PLZ = PLZEdit->text();
    projekt.Ort = OrtEdit->text();
    projekt.Ansprechp = AnsprechpartnerEdit->text();
    projekt.Projekt = ProjektEdit->text();
    projekt.Telefon = TelefonEdit->text();
    projekt.Fax = FaxEdit->text();
    projekt.Email = EMailEdit->text();
    projekt.Vortext = VortextMemo->toPlainText();
    projekt.Nachtext = NachtextMemo->toPlainText();
}
