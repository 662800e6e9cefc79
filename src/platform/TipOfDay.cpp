#include "platform/TipOfDay.h"
#include "platform/Dialogs.h"
#include <QCheckBox>
#include <QDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TTipOfDay::TTipOfDay(QObject* owner) : QObject(owner) {}

bool TTipOfDay::ShowWhenFormShown() const
{
    return m_options.contains(QStringLiteral("toShowWhenFormShown"), Qt::CaseInsensitive);
}

bool TTipOfDay::ReadFormProperty(const QString& name, const DfmValue& value)
{
    if (value.kind != DfmValue::String) return false;
    if (name.compare(QLatin1String("ButtonNext.Caption"), Qt::CaseInsensitive) == 0) {
        m_nextCaption = value.text;
        return true;
    }
    if (name.compare(QLatin1String("ButtonClose.Caption"), Qt::CaseInsensitive) == 0) {
        m_closeCaption = value.text;
        return true;
    }
    return false;
}

bool TTipOfDay::Execute(QWidget* parent)
{
    bool canShow = true;
    if (OnCanShow) OnCanShow(canShow);
    if (!canShow) return false;

    QDialog dlg(parent);
    dlg.setObjectName(QStringLiteral("TipOfDayForm"));
    dlg.setWindowTitle(m_title);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    dlg.setFont(f);

    auto* header = new QLabel(m_header, &dlg);
    header->setObjectName(QStringLiteral("HeaderLabel"));
    QFont hf = f;
    hf.setBold(true);
    hf.setPixelSize(16);
    header->setFont(hf);

    auto* tip = new QLabel(&dlg);
    tip->setObjectName(QStringLiteral("TipLabel"));
    tip->setWordWrap(true);
    tip->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    tip->setMinimumSize(320, 90);

    auto* panel = new QFrame(&dlg);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, Qt::white);
    panel->setPalette(pal);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->addWidget(header);
    panelLayout->addWidget(tip, 1);

    auto* check = new QCheckBox(m_checkBoxText, &dlg);
    check->setObjectName(QStringLiteral("TipCheckBox"));
    check->setChecked(m_checked);
    auto* next = new QPushButton(m_nextCaption, &dlg);
    next->setObjectName(QStringLiteral("NextBtn"));
    next->setEnabled(m_tips.size() > 1);
    auto* close = new QPushButton(m_closeCaption, &dlg);
    close->setObjectName(QStringLiteral("CloseBtn"));
    close->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(check, 1);
    buttons->addWidget(next);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(&dlg);
    layout->addWidget(panel, 1);
    layout->addLayout(buttons);

    if (m_tips.isEmpty())
        m_current = 0;
    else
        m_current = qBound(0, m_current, int(m_tips.size()) - 1);
    auto showTip = [this, tip] { tip->setText(m_tips.isEmpty() ? QString() : m_tips.at(m_current)); };
    showTip();
    QObject::connect(next, &QPushButton::clicked, &dlg, [this, showTip] {
        if (m_tips.isEmpty()) return;
        m_current = (m_current + 1) % int(m_tips.size());
        showTip();
    });
    QObject::connect(close, &QPushButton::clicked, &dlg, &QDialog::accept);

    ShowModalForm(&dlg);
    m_checked = check->isChecked();
    if (OnAfterExecute) OnAfterExecute();
    return true;
}
