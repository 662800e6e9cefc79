// Language files: any bytes are read; the header dialog translated with
// them and switched back to German has every German text and place again,
// and every property the file names its German value; what no language may
// change stays; the text helpers take any text.
#include "FuzzSupport.h"
#include "app/DruckKopfForm.h"
#include "platform/PropertyPath.h"
#include "support/LangIniFile.h"
#include "support/TransStrUtils.h"
#include "support/Translation.h"
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

TTranslationManager* g_manager = nullptr;
TDruckkopfDlg* g_dialog = nullptr;
QString g_folder;

// Texts, places and limits of the dialog's controls.
QStringList State(QWidget* w)
{
    QStringList t{w->windowTitle(), QString::number(w->width())};
    for (QWidget* c : w->findChildren<QWidget*>()) {
        QString s = c->objectName() + QLatin1Char(':') + c->toolTip() + QLatin1Char(':')
                    + QString::number(c->x()) + QLatin1Char(',') + QString::number(c->y()) + QLatin1Char(',')
                    + QString::number(c->width()) + QLatin1Char(',') + QString::number(c->height())
                    + QLatin1Char(':') + QString::number(c->isEnabled()) + QString::number(c->isHidden());
        if (auto* x = qobject_cast<QLabel*>(c)) s += QLatin1Char(':') + x->text() + QString::number(int(x->alignment()));
        if (auto* x = qobject_cast<QPushButton*>(c)) s += QLatin1Char(':') + x->text();
        if (auto* x = qobject_cast<QLineEdit*>(c)) s += QLatin1Char(':') + QString::number(x->maxLength());
        t << s;
    }
    return t;
}

// Each path the file's section of the dialog names, with its value now (in
// the form text notation; empty when the path names nothing).
QStringList Touched(const QString& fileName)
{
    QStringList values;
    const TLangIniFile file(fileName);
    for (const QString& path : file.ReadSection(QStringLiteral("TDruckkopfDlg"))) {
        DfmValue value;
        values << path + QLatin1Char('=') + (GetPropertyPath(g_dialog, path, value) ? WriteFormValue(value) : QString());
    }
    return values;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::Init(argc, argv);
    new TTranslationCore;
    g_folder = fuzz::Scratch() + QStringLiteral("/langs/");
    QDir().mkpath(g_folder);
    // The header dialog finds the main window's manager by name.
    auto* mainForm = new QWidget;
    mainForm->setObjectName(QStringLiteral("MainForm"));
    g_manager = new TTranslationManager(mainForm);
    g_manager->setObjectName(QStringLiteral("TranslationManager"));
    g_dialog = new TDruckkopfDlg(mainForm);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = QString::fromUtf8(bytes);
    const QStringList items = SplitDelimitedText(text);
    qsizetype total = 0;
    for (const QString& item : items) total += item.size();
    FUZZ_CHECK(total <= text.size());
    // A number stands for one character whatever the code page.
    FUZZ_CHECK(DecodeQuotedLiteral(text).size() == DecodeQuotedLiteral(text, CharCodes::Windows1252).size());

    static const QStringList german = State(g_dialog);
    const QString fileName = g_folder + QStringLiteral("Fuzz.lng");
    fuzz::Put(fileName, bytes);
    const QStringList touched = Touched(fileName);
    g_manager->SetLangsDir(QString());
    g_manager->SetLangsDir(g_folder);
    g_manager->SetCurrentLang(QStringLiteral("Fuzz"));
    FUZZ_CHECK(g_manager->CurrentLang() == QStringLiteral("Fuzz"));
    FUZZ_CHECK(g_dialog->FormTranslator->Manager() == g_manager);
    g_manager->SetCurrentLang(QStringLiteral("Deutsch"));
    FUZZ_CHECK(State(g_dialog) == german);
    FUZZ_CHECK(Touched(fileName) == touched);
    return 0;
}
