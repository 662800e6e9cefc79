#include "platform/Dialogs.h"
#include "platform/ResourceStrings.h"
#include <QApplication>
#include <algorithm>
#include <QDialog>
#include <QFileDialog>
#include <QCloseEvent>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
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
    case mtWarning: return LoadResString(SMsgDlgWarning);
    case mtError: return LoadResString(SMsgDlgError);
    case mtInformation: return LoadResString(SMsgDlgInformation);
    case mtConfirmation: return LoadResString(SMsgDlgConfirm);
    case mtCustom: break;
    }
    return QApplication::applicationDisplayName();
}

// The message box; with `escapeCancels` Escape and the close button leave it
// without a clicked button, where the plain box would click its No button.
class TMessageBox : public QMessageBox {
public:
    TMessageBox(Icon icon, const QString& title, const QString& text, QWidget* parent, bool escapeCancels)
        : QMessageBox(icon, title, text, NoButton, parent), m_escapeCancels(escapeCancels)
    {
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (m_escapeCancels && event->matches(QKeySequence::Cancel)) {
            reject();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override
    {
        if (m_escapeCancels) {
            QDialog::closeEvent(event);  // rejects; no button was clicked
            return;
        }
        QMessageBox::closeEvent(event);
    }

private:
    bool m_escapeCancels;
};

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

}  // namespace

QString FileDialogNameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& p : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString pattern = p.trimmed();
            for (const QString& variant : {pattern, pattern.toUpper(), pattern.toLower()})
                if (!variant.isEmpty() && !patterns.contains(variant)) patterns << variant;
        }
        QString desc = parts[i];
        const int paren = desc.indexOf(QLatin1Char('('));
        if (paren >= 0) desc = desc.left(paren).trimmed();
        out << desc + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return out.join(QStringLiteral(";;"));
}

QString MessageDlgCaption(TMsgDlgType type) { return captionFor(type); }

QString MessageDlgText(const QString& text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

QList<MessageDlgButton> MessageDlgButtons(TMsgDlgButtons buttons)
{
    struct Btn { TMsgDlgBtn flag; int text; int result; };
    static const Btn all[] = {
        {mbYes, SMsgDlgYes, mrYes},         {mbNo, SMsgDlgNo, mrNo},
        {mbOK, SMsgDlgOK, mrOk},            {mbCancel, SMsgDlgCancel, mrCancel},
        {mbAbort, SMsgDlgAbort, mrAbort},   {mbRetry, SMsgDlgRetry, mrRetry},
        {mbIgnore, SMsgDlgIgnore, mrIgnore}, {mbAll, SMsgDlgAll, mrAll},
    };
    QList<MessageDlgButton> out;
    for (const Btn& b : all)
        if (buttons & b.flag) out.append({b.flag, LoadResString(b.text), b.result});
    if (out.isEmpty()) out.append({mbOK, LoadResString(SMsgDlgOK), mrOk});
    return out;
}

int MessageDlgEscapeResult(TMsgDlgButtons buttons)
{
    if (buttons & (mbCancel | mbEscapeCancels)) return mrCancel;
    if (buttons & mbNo) return mrNo;
    if (buttons & mbOK) return mrOk;
    return MessageDlgButtons(buttons).first().result;
}

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

    TMessageBox box(iconFor(type), captionFor(type), MessageDlgText(text), QApplication::activeWindow(),
                    (buttons & mbEscapeCancels) != 0);
    QList<QPair<QAbstractButton*, int>> made;
    for (const MessageDlgButton& b : MessageDlgButtons(buttons)) {
        QMessageBox::ButtonRole role = QMessageBox::AcceptRole;
        if (b.result == mrYes) role = QMessageBox::YesRole;
        else if (b.result == mrNo) role = QMessageBox::NoRole;
        else if (b.result == mrCancel || b.result == mrAbort) role = QMessageBox::RejectRole;
        made.append({box.addButton(b.text, role), b.result});
    }
    // The default button is OK, else Yes, else the first one.
    QAbstractButton* def = made.first().first;
    for (const int wanted : {int(mrOk), int(mrYes)}) {
        const auto it = std::find_if(made.begin(), made.end(), [&](const auto& m) { return m.second == wanted; });
        if (it != made.end()) { def = it->first; break; }
    }
    box.setDefaultButton(qobject_cast<QPushButton*>(def));
    box.exec();
    for (const auto& m : made)
        if (box.clickedButton() == m.first) return m.second;
    // Closed by the window's close box or Escape.
    return MessageDlgEscapeResult(buttons);
}

void ShowMessage(const QString& text) { MessageDlg(text, mtCustom, mbOK); }

void SetupInputDialog(QInputDialog& dlg, const QString& caption, const QString& prompt, const QString& value,
                      int maxLength, const InputFieldSetup& setupField)
{
    dlg.setWindowTitle(caption);
    dlg.setLabelText(prompt);
    dlg.setTextValue(maxLength > 0 ? value.left(maxLength) : value);
    dlg.setOkButtonText(LoadResString(SMsgDlgOK));
    dlg.setCancelButtonText(LoadResString(SMsgDlgCancel));
    auto* field = dlg.findChild<QLineEdit*>();
    if (!field) return;
    if (maxLength > 0) field->setMaxLength(maxLength);
    if (setupField) setupField(field);
}

bool DialogAnswerer::inputBox(QInputDialog& box)
{
    QString value = box.textValue();
    if (!input(box.windowTitle(), box.labelText(), value)) return false;
    // The field takes of the answer what it would take when set.
    box.setTextValue(value);
    return true;
}

bool InputQuery(const QString& caption, const QString& prompt, QString& value, int maxLength,
                const InputFieldSetup& setupField)
{
    QInputDialog dlg(QApplication::activeWindow());
    SetupInputDialog(dlg, caption, prompt, value, maxLength, setupField);
    const bool ok = answerer() ? answerer()->inputBox(dlg) : dlg.exec() == QDialog::Accepted;
    if (!ok) return false;
    // The field's own text: a field that puts back what it held before a
    // refused character tells the box the refused text last.
    auto* field = dlg.findChild<QLineEdit*>();
    value = field ? field->text() : dlg.textValue();
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
    QFileDialog dlg(QApplication::activeWindow(), r.title, r.initialDir, FileDialogNameFilters(r.filter));
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
    QPrinter printer(QPrinter::HighResolution);
    const bool pdf = r.printerName == QLatin1String("PDF") || (r.printerName.isEmpty() && !r.pdfFileName.isEmpty());
    if (pdf) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(r.pdfFileName);
    } else if (!r.printerName.isEmpty()) {
        printer.setPrinterName(r.printerName);
    }
    if (r.paperCode > 0) {
        const QPageSize::PageSizeId id = QPageSize::id(r.paperCode);
        if (id != QPageSize::Custom) printer.setPageSize(QPageSize(id));
    }
    printer.setPageOrientation(r.orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
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
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        r.printerName = QStringLiteral("PDF");
        r.pdfFileName = printer.outputFileName();
    } else {
        r.printerName = printer.printerName();
        r.pdfFileName.clear();
    }
    const QPageLayout layout = printer.pageLayout();
    r.paperCode = layout.pageSize().windowsId();
    r.orientation = layout.orientation() == QPageLayout::Landscape ? 2 : 1;
    return true;
}

int ShowModalForm(QWidget* form)
{
    if (answerer()) return answerer()->modalForm(form);
    if (auto* dlg = qobject_cast<QDialog*>(form)) return dlg->exec();
    return mrCancel;
}
