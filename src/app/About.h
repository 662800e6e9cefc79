#pragma once
// The program information box: product name, version and the project's
// address with a link to write to it.
#include "app/DialogForm.h"

class QLabel;
class QPushButton;
class TAngleLabel;
class TFormTranslator;
class TUrlLabel;

class TAboutBox : public TAppDialog {
    Q_OBJECT

public:
    // Throws EFormResourceError when the resource is damaged.
    explicit TAboutBox(QWidget* owner = nullptr);

    void FormActivate();

    static constexpr const char* VersionText = "2.20";

    TAngleLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    TUrlLabel* UrlLabel = nullptr;
    QPushButton* OKButton = nullptr;
    TFormTranslator* FormTranslator = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};
