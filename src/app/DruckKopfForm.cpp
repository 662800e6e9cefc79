#include "app/DruckKopfForm.h"
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

const DfmValue* Value(const DfmObject& object, const char* name)
{
    const DfmProperty* p = object.property(QString::fromLatin1(name));
    return p ? &p->value : nullptr;
}

bool IsIdent(const DfmValue* v, const char* ident)
{
    return v && v->kind == DfmValue::Identifier && v->text.compare(QLatin1String(ident), Qt::CaseInsensitive) == 0;
}

// Restores the owner's pointers when a showing ends, also by an exception.
struct ShowingScope {
    TProjektdaten*& projekt;
    const TUserdaten*& user;
    ~ShowingScope() { projekt = nullptr; user = nullptr; }
};

}  // namespace

TDruckkopfDlg::TDruckkopfDlg(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("DruckkopfDlg"));

    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));

    for (int i = 1; i <= 10; ++i) {
        auto* label = new QLabel(Panel2);
        label->setObjectName(QStringLiteral("Label%1").arg(i));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    auto edit = [this](const char* name) {
        auto* e = new QLineEdit(Panel2);
        e->setObjectName(QString::fromLatin1(name));
        return e;
    };
    Name1Edit = edit("Name1Edit");
    Name2Edit = edit("Name2Edit");
    StrasseEdit = edit("StrasseEdit");
    PLZEdit = edit("PLZEdit");
    OrtEdit = edit("OrtEdit");
    TelefonEdit = edit("TelefonEdit");
    FaxEdit = edit("FaxEdit");
    EMailEdit = edit("EMailEdit");
    AnsprechpartnerEdit = edit("AnsprechpartnerEdit");
    ProjektEdit = edit("ProjektEdit");

    auto memo = [this](const char* name) {
        auto* m = new QPlainTextEdit(Panel2);
        m->setObjectName(QString::fromLatin1(name));
        // The tab key moves on to the next control, as in every other input.
        m->setTabChangesFocus(true);
        return m;
    };
    VortextMemo = memo("VortextMemo");
    NachtextMemo = memo("NachtextMemo");

    CloseBtn = new QPushButton(Panel1);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));

    FormTranslator = new TFormTranslator(this);
    FormTranslator->setObjectName(QStringLiteral("FormTranslator"));

    const DfmObject form = LoadFormResource(QString::fromLatin1(kFormResource));
    ApplyFormResource(this, form);
    ApplyResourceExtras(form);
    ApplyTabOrder(this);
}

// The parts of the resource that have no plain Qt property.
void TDruckkopfDlg::ApplyResourceExtras(const DfmObject& object)
{
    QObject* target = object.name.compare(objectName(), Qt::CaseInsensitive) == 0
        ? static_cast<QObject*>(this)
        : FindComponentByName(this, object.name);

    if (target == this) {
        const DfmValue* pos = Value(object, "Position");
        // A dialog placed by position comes up centred on its owner.
        if (IsIdent(pos, "poOwnerFormCenter") || IsIdent(pos, "poMainFormCenter") || IsIdent(pos, "poScreenCenter"))
            setAttribute(Qt::WA_Moved, false);
        const DfmValue* border = Value(object, "BorderStyle");
        if (IsIdent(border, "bsDialog") || IsIdent(border, "bsSingle") || IsIdent(border, "bsToolWindow")) {
            setFixedSize(size());
            setSizeGripEnabled(false);
        }
    } else if (auto* panel = qobject_cast<QFrame*>(target); panel && object.className == QLatin1String("TPanel")) {
        const DfmValue* bevel = Value(object, "BevelOuter");
        if (IsIdent(bevel, "bvNone"))
            panel->setFrameStyle(QFrame::NoFrame);
        else if (IsIdent(bevel, "bvLowered"))
            panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        else
            panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    } else if (auto* button = qobject_cast<QPushButton*>(target)) {
        const DfmValue* kind = Value(object, "Kind");
        if (IsIdent(kind, "bkOK")) {
            button->setDefault(true);
            connect(button, &QPushButton::clicked, this, &QDialog::accept, Qt::UniqueConnection);
        } else if (IsIdent(kind, "bkCancel") || IsIdent(kind, "bkClose")) {
            connect(button, &QPushButton::clicked, this, &QDialog::reject, Qt::UniqueConnection);
        }
    }

    for (const DfmObject& child : object.children) ApplyResourceExtras(child);
}

// The focus moves through the controls of each container in the order of
// their TabOrder, a container's own controls before the next container.
void TDruckkopfDlg::ApplyTabOrder(QWidget* parent)
{
    QList<QWidget*> chain;
    std::function<void(QWidget*)> collect = [&](QWidget* container) {
        QList<QWidget*> kids;
        for (QObject* o : container->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w && w->property("TabOrder").isValid()) kids << w;
        }
        std::stable_sort(kids.begin(), kids.end(), [](QWidget* a, QWidget* b) {
            return a->property("TabOrder").toInt() < b->property("TabOrder").toInt();
        });
        for (QWidget* w : kids) {
            if (w->focusPolicy() & Qt::TabFocus) chain << w;
            collect(w);
        }
    };
    collect(parent);
    for (int i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
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
    QDialog::showEvent(event);
    // Only coming up loads the record: returning from a message box or from
    // a minimised window must keep what was typed.
    if (!m_geladen) FormActivate();
}

void TDruckkopfDlg::keyPressEvent(QKeyEvent* event)
{
    // The inputs pass F1 on to the dialog.
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        emit HilfeAngefordert(focus && focus->window() == this ? focus : this);
        return;
    }
    QDialog::keyPressEvent(event);
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
