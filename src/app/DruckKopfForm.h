#pragma once
// The project header dialog: names, address, contact, project title and the
// two texts printed before and after the results.
#include "app/DialogForm.h"
#include "app/Projektdaten.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TFormTranslator;

class TDruckkopfDlg : public TAppDialog {
    Q_OBJECT

public:
    // Builds the controls and applies the form resource; throws
    // EFormResourceError when the resource is damaged.
    explicit TDruckkopfDlg(QWidget* parent = nullptr);

    // Shows the dialog modally on `projekt`.  The controls are filled from
    // the record when the dialog comes up and stored back into it however
    // the dialog is closed.  `user` gives the default text before the
    // results.  Returns true when the header was changed (and then also
    // emits ProjektdatenGeaendert).
    bool Execute(TProjektdaten& projekt, const TUserdaten& user);

    // Record into the controls.
    void ProjektdatenToDialog(const TProjektdaten& projekt, const TUserdaten& user);
    // Controls into the record; each text cut to its field's width.
    void DialogToProjektdaten(TProjektdaten& projekt) const;

    QLineEdit* Name1Edit = nullptr;
    QLineEdit* Name2Edit = nullptr;
    QLineEdit* StrasseEdit = nullptr;
    QLineEdit* PLZEdit = nullptr;
    QLineEdit* OrtEdit = nullptr;
    QLineEdit* TelefonEdit = nullptr;
    QLineEdit* FaxEdit = nullptr;
    QLineEdit* EMailEdit = nullptr;
    QLineEdit* AnsprechpartnerEdit = nullptr;
    QLineEdit* ProjektEdit = nullptr;
    QPlainTextEdit* VortextMemo = nullptr;
    QPlainTextEdit* NachtextMemo = nullptr;
    QPushButton* CloseBtn = nullptr;
    QFrame* Panel1 = nullptr;  // bottom panel with the button
    QFrame* Panel2 = nullptr;  // lowered panel with the inputs
    // Bound to the main window's translation manager by the form resource.
    TFormTranslator* FormTranslator = nullptr;

signals:
    void ProjektdatenGeaendert();

public slots:
    // However the dialog is closed (button, close box, Escape), the shown
    // values become the header and the result is OK.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormActivate();
    void FormClose();

    TProjektdaten* m_projekt = nullptr;
    const TUserdaten* m_user = nullptr;
    bool m_geladen = false;
    bool m_geaendert = false;
};
