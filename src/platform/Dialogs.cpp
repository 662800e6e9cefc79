#include "platform/Dialogs.h"
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace {

DialogAnswerer*& answerer()
{
    static DialogAnswerer* a = nullptr;
    return a;
}

QString captionFor(TMsgDlgType type)
{
    switch (type) {
    case mtWarning: return QStringLiteral("Warnung");
    case mtError: return QStringLiteral("Fehler");
    case mtInformation: return QStringLiteral("Information");
    case mtConfirmation: return QStringLiteral("Bestätigung");
    case mtCustom: break;
    }
    return QApplication::applicationDisplayName();
}

QMessageBox::Icon iconFor(TMsgDlgType type)
{
    switch (type) {
    case mtWarning: return QMessageBox::Warning;
    case mtError: return QMessageBox::Critical;
    case mtInformation: return QMessageBox::Information;
    case mtConfirmation: return QMessageBox::Question;
    case mtCustom: break;
    }
    return QMessageBox::NoIcon;
}

// "Projektdateien (*.STB)|*.STB" -> "Projektdateien (*.STB *.stb)"; the
// pattern matches without regard to case, as on the original platform.
QString qtFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& p : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            patterns << p.trimmed();
            if (p.trimmed().toLower() != p.trimmed()) patterns << p.trimmed().toLower();
        }
        QString desc = parts[i];
        const int paren = desc.indexOf(QLatin1Char('('));
        if (paren >= 0) desc = desc.left(paren).trimmed();
        out << desc + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return out.join(QStringLiteral(";;"));
}

}  // namespace

DialogAnswerer* SetDialogAnswerer(DialogAnswerer* a)
{
    DialogAnswerer* old = answerer();
    answerer() = a;
    return old;
}

DialogAnswerer* CurrentDialogAnswerer() { return answerer(); }

int MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons, int)
{
    if (answerer()) return answerer()->message(text, type, buttons);

    QMessageBox box(iconFor(type), captionFor(type), QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')),
                    QMessageBox::NoButton, QApplication::activeWindow());
    struct Btn { TMsgDlgBtn flag; const char* caption; int result; QMessageBox::ButtonRole role; };
    const Btn all[] = {
        {mbYes, "&Ja", mrYes, QMessageBox::YesRole},
        {mbNo, "&Nein", mrNo, QMessageBox::NoRole},
        {mbOK, "OK", mrOk, QMessageBox::AcceptRole},
        {mbCancel, "Abbrechen", mrCancel, QMessageBox::RejectRole},
        {mbAbort, "&Abbrechen", mrAbort, QMessageBox::RejectRole},
        {mbRetry, "&Wiederholen", mrRetry, QMessageBox::AcceptRole},
        {mbIgnore, "&Ignorieren", mrIgnore, QMessageBox::AcceptRole},
        {mbAll, "&Alle", mrAll, QMessageBox::AcceptRole},
    };
    QList<QPair<QAbstractButton*, int>> made;
    for (const Btn& b : all)
        if (buttons & b.flag) made.append({box.addButton(QString::fromUtf8(b.caption), b.role), b.result});
    if (made.isEmpty()) made.append({box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole), mrOk});
    box.setDefaultButton(qobject_cast<QPushButton*>(made.first().first));
    box.exec();
    for (const auto& m : made)
        if (box.clickedButton() == m.first) return m.second;
    // Closed by the window's close box or Escape.
    if (buttons & mbCancel) return mrCancel;
    if (buttons & mbNo) return mrNo;
    return made.first().second;
}

void ShowMessage(const QString& text) { MessageDlg(text, mtCustom, mbOK); }

bool InputQuery(const QString& caption, const QString& prompt, QString& value)
{
    if (answerer()) return answerer()->input(caption, prompt, value);
    QInputDialog dlg(QApplication::activeWindow());
    dlg.setWindowTitle(caption);
    dlg.setLabelText(prompt);
    dlg.setTextValue(value);
    dlg.setOkButtonText(QStringLiteral("OK"));
    dlg.setCancelButtonText(QStringLiteral("Abbrechen"));
    if (dlg.exec() != QDialog::Accepted) return false;
    value = dlg.textValue();
    return true;
}

QString InputBox(const QString& caption, const QString& prompt, const QString& def)
{
    QString value = def;
    return InputQuery(caption, prompt, value) ? value : def;
}

bool ExecuteFileDialog(FileDialogRequest& r)
{
    if (answerer()) return answerer()->fileDialog(r);
    QFileDialog dlg(QApplication::activeWindow(), r.title, r.initialDir, qtFilter(r.filter));
    dlg.setAcceptMode(r.kind == FileDialogRequest::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(r.kind == FileDialogRequest::Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dlg.setDefaultSuffix(r.defaultExt);
    if (!r.overwritePrompt) dlg.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!r.fileName.isEmpty()) dlg.selectFile(r.fileName);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return false;
    r.fileName = dlg.selectedFiles().first();
    return true;
}

bool ExecutePrintDialog(PrintDialogRequest& r)
{
    if (answerer()) return answerer()->printDialog(r);
    QPrinter printer;
    if (!r.printerName.isEmpty()) printer.setPrinterName(r.printerName);
    printer.setFromTo(r.fromPage, r.toPage);
    printer.setCopyCount(r.copies);
    QPrintDialog dlg(&printer, QApplication::activeWindow());
    dlg.setMinMax(r.minPage, r.maxPage);
    dlg.setOption(QAbstractPrintDialog::PrintPageRange, r.pageRangeEnabled);
    if (dlg.exec() != QDialog::Accepted) return false;
    r.printRange = printer.printRange() == QPrinter::PageRange;
    r.fromPage = printer.fromPage();
    r.toPage = printer.toPage();
    r.copies = printer.copyCount();
    r.printerName = printer.printerName();
    return true;
}

int ShowModalForm(QWidget* form)
{
    if (answerer()) return answerer()->modalForm(form);
    if (auto* dlg = qobject_cast<QDialog*>(form)) return dlg->exec();
    return mrCancel;
}
