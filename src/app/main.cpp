// Program entry: the application object and the translation core, then the
// main window, the technical-data dialog and the project-header dialog in
// this order, then the message loop until the main window is closed.
#include "app/DruckKopfForm.h"
#include "app/GrundlagenDLG.h"
#include "app/Strombau.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Exceptions.h"
#include "print/PreviewForm.h"
#include "support/Translation.h"
#include <QFont>
#include <memory>

namespace {

int ProgramMain(int argc, char** argv)
{
    TApplication app(argc, argv);
    TTranslationCore translationCore;
    app.setApplicationName(QStringLiteral("Strombaurechner"));
    // Qt's own dialogs (file and print dialogs, button captions) in German.
    InstallQtTranslations(&app);
    // Every form names its face; this is only the fallback of the desktop.
    app.setFont(QFont(QStringLiteral("Arial"), 8));
    // "Druckvorschau" shows the recorded pages in the preview window.
    RegisterPreviewForm();

    std::unique_ptr<TMainForm> mainForm;
    try {
        mainForm = std::make_unique<TMainForm>();
        // Another copy of the program runs and has been asked to show itself.
        if (mainForm->OneInstance->TerminateRequested()) return 0;
        mainForm->GrundlagenForm = new TGrundlagenForm(mainForm.get());
        mainForm->DruckkopfDlg = new TDruckkopfDlg(mainForm.get());
    } catch (const std::exception& e) {
        HandleException(e);
        return 1;
    }
    mainForm->show();
    const int rc = app.exec();
    mainForm.reset();
    return rc;
}

}  // namespace

int main(int argc, char** argv)
{
    return ProgramMain(argc, argv);
}
