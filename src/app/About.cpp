#include "app/About.h"
#include "app/FormBau.h"
#include "support/Translation.h"
#include "support/UrlLabels.h"
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

using formbau::make;

TAboutBox::TAboutBox(QWidget* owner) : TAppDialog(owner)
{
    setObjectName(QStringLiteral("AboutBox"));
    auto* panel = make<QFrame>(this, "Panel1");
    ProductName = make<TAngleLabel>(panel, "ProductName");
    Version = make<QLabel>(panel, "Version");
    UrlLabel = make<TUrlLabel>(panel, "UrlLabel");
    OKButton = make<QPushButton>(this, "OKButton");
    FormTranslator = make<TFormTranslator>(this, "FormTranslator");
    LoadForm(QStringLiteral(":/forms/AboutBox.dfm"));
}

void TAboutBox::showEvent(QShowEvent* event)
{
    TAppDialog::showEvent(event);
    if (!event->spontaneous()) FormActivate();
}

void TAboutBox::FormActivate()
{
    Version->setText(QString::fromLatin1(VersionText));
    OKButton->setFocus(Qt::OtherFocusReason);
}
