#include "app/DialogForm.h"
#include "app/FormBau.h"
#include "platform/Dialogs.h"
#include "platform/FormResource.h"
#include "platform/PropertyPath.h"
#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <algorithm>
#include <functional>

namespace {

const DfmValue* Value(const DfmObject& object, const char* name)
{
    const DfmProperty* p = object.property(QString::fromLatin1(name));
    return p ? &p->value : nullptr;
}

bool IsIdent(const DfmValue* v, const char* ident)
{
    return v && v->kind == DfmValue::Identifier && v->text.compare(QLatin1String(ident), Qt::CaseInsensitive) == 0;
}

}  // namespace

TAppDialog::TAppDialog(QWidget* parent) : QDialog(parent)
{
}

void TAppDialog::LoadForm(const QString& resourcePath)
{
    const DfmObject form = LoadFormResource(resourcePath);
    TComponentIndex components(this);
    // Labels stand at the top of their box.
    formbau::createStaticControls(components, form, this, Qt::AlignLeft | Qt::AlignTop);
    ApplyFormResource(this, form);
    applyResourceExtras(form);
    ApplyTabOrder(this);
}

// The parts of the resource that have no plain Qt property.
void TAppDialog::applyResourceExtras(const DfmObject& object)
{
    QObject* target = object.name.compare(objectName(), Qt::CaseInsensitive) == 0
        ? static_cast<QObject*>(this)
        : FindComponentByName(this, object.name);

    if (target == this) {
        const DfmValue* pos = Value(object, "Position");
        // A dialog placed by position comes up centred on its owner, or on
        // the screen.
        if (IsIdent(pos, "poOwnerFormCenter") || IsIdent(pos, "poMainFormCenter"))
            setAttribute(Qt::WA_Moved, false);
        if (IsIdent(pos, "poScreenCenter") || IsIdent(pos, "poDesktopCenter")) {
            setAttribute(Qt::WA_Moved, false);
            m_screenCenter = true;
        }
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

    for (const DfmObject& child : object.children) applyResourceExtras(child);
}

void TAppDialog::ApplyTabOrder(QWidget* parent)
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
        // Containers without an order of their own (the pages of a page
        // control) pass their controls on in the order they were made.
        for (QObject* o : container->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w && !w->property("TabOrder").isValid() && !w->isWindow()) collect(w);
        }
    };
    collect(parent);
    for (int i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

bool TAppDialog::MayCloseAfterAsking(const QString& question, const std::function<bool()>& save)
{
    const int answer = MessageDlg(question, mtConfirmation, mbYesNo | mbEscapeCancels);
    if (answer == mrNo) return true;
    return answer == mrYes && save();
}

void TAppDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_screenCenter && !event->spontaneous()) {
        if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
    }
}

void TAppDialog::keyPressEvent(QKeyEvent* event)
{
    // The inputs pass F1 on to the dialog.
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        emit HilfeAngefordert(focus && focus->window() == this ? focus : this);
        return;
    }
    QDialog::keyPressEvent(event);
}
