#include "app/About.h"
#include "support/Translation.h"
#include "support/UrlLabels.h"
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

TAboutBox::TAboutBox(QWidget* owner) : TAppDialog(owner)
{
    setObjectName(QStringLiteral("AboutBox"));
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    ProductName = new TAngleLabel(panel);
    ProductName->setObjectName(QStringLiteral("ProductName"));
    Version = new QLabel(panel);
    Version->setObjectName(QStringLiteral("Version"));
    UrlLabel = new TUrlLabel(panel);
    UrlLabel->setObjectName(QStringLiteral("UrlLabel"));
    OKButton = new QPushButton(this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    FormTranslator = new TFormTranslator(this);
    FormTranslator->setObjectName(QStringLiteral("FormTranslator"));
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
