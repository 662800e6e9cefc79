#pragma once
// The tip-of-the-day dialog component: a title, a header line, one tip at a
// time with a button to the next tip, a close button and a check box.  The
// owner decides through CanShow whether the dialog appears and reads the
// check box back in AfterExecute.  The window itself is built on demand and
// shown through ShowModalForm.
//
// Window parts (object names): "TipOfDayForm" (window, caption = Title),
// "HeaderLabel", "TipLabel", "NextBtn", "CloseBtn", "TipCheckBox".
#include "platform/FormComponent.h"
#include <QObject>
#include <QStringList>
#include <functional>

class QWidget;

class TTipOfDay : public QObject, public TFormComponent {
    Q_OBJECT
    Q_PROPERTY(QString Title READ Title WRITE SetTitle)
    Q_PROPERTY(QString HeaderText READ HeaderText WRITE SetHeaderText)
    Q_PROPERTY(QString CheckBoxText READ CheckBoxText WRITE SetCheckBoxText)
    Q_PROPERTY(QString ButtonNextCaption READ ButtonNextCaption WRITE SetButtonNextCaption)
    Q_PROPERTY(QString ButtonCloseCaption READ ButtonCloseCaption WRITE SetButtonCloseCaption)
    Q_PROPERTY(QStringList Tips READ Tips WRITE SetTips)
    Q_PROPERTY(QStringList Options READ Options WRITE SetOptions)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
public:
    explicit TTipOfDay(QObject* owner = nullptr);

    QString Title() const { return m_title; }
    void SetTitle(const QString& t) { m_title = t; }
    QString HeaderText() const { return m_header; }
    void SetHeaderText(const QString& t) { m_header = t; }
    QString CheckBoxText() const { return m_checkBoxText; }
    void SetCheckBoxText(const QString& t) { m_checkBoxText = t; }
    QString ButtonNextCaption() const { return m_nextCaption; }
    void SetButtonNextCaption(const QString& t) { m_nextCaption = t; }
    QString ButtonCloseCaption() const { return m_closeCaption; }
    void SetButtonCloseCaption(const QString& t) { m_closeCaption = t; }
    QStringList Tips() const { return m_tips; }
    void SetTips(const QStringList& tips) { m_tips = tips; }
    // "toShowWhenFormShown": the owner form offers the dialog when it is first shown.
    QStringList Options() const { return m_options; }
    void SetOptions(const QStringList& options) { m_options = options; }
    bool ShowWhenFormShown() const;
    // State of the check box: set before the dialog opens, read after it closed.
    bool Checked() const { return m_checked; }
    void SetChecked(bool on) { m_checked = on; }

    // Index of the tip shown first; moves on with the "next" button.
    int CurrentTip() const { return m_current; }

    // Asked before the dialog opens; clearing the flag keeps it closed.
    std::function<void(bool& canShow)> OnCanShow;
    // Called after the dialog closed.
    std::function<void()> OnAfterExecute;

    // Asks OnCanShow, shows the dialog modally, then calls OnAfterExecute.
    // Returns whether the dialog was shown.
    bool Execute(QWidget* parent = nullptr);

    // Resource entries of the nested button objects ("ButtonNext.Caption").
    bool ReadFormProperty(const QString& name, const DfmValue& value) override;

private:
    QString m_title, m_header, m_checkBoxText, m_nextCaption, m_closeCaption;
    QStringList m_tips, m_options;
    bool m_checked = false;
    int m_current = 0;
};
