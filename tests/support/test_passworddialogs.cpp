#include "common/TestSupport.h"
#include "support/PasswordDialogs.h"
#include <QDir>
#include <QFrame>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using D = TBaseDialog;

class PasswordDialogTest : public ::testing::Test {
protected:
    // The next password window is shown off screen and handed to `answer`,
    // whose modal result the dialog gets.
    void answer(std::function<int(TPasswordForm&)> f)
    {
        ScriptedAnswerer::instance().expectForm([f, this](QWidget* w) {
            auto* form = qobject_cast<TPasswordForm*>(w);
            EXPECT_NE(form, nullptr);
            if (!form) return int(mrCancel);
            form->show();
            ++shown;
            return f(*form);
        });
    }
    static int okResult(TPasswordForm& form)
    {
        QTest::mouseClick(form.OKButton, Qt::LeftButton);
        EXPECT_FALSE(form.isVisible());
        return form.result();
    }

    TPasswordDialog dlg;
    int shown = 0;
};

TEST_F(PasswordDialogTest, OkIsEnabledOnlyWhileTheEditHoldsText)
{
    answer([](TPasswordForm& form) {
        EXPECT_FALSE(form.OKButton->isEnabled());
        EXPECT_TRUE(form.PasswordEdit->hasFocus() || !form.isActiveWindow());
        QTest::keyClicks(form.PasswordEdit, "k");
        EXPECT_TRUE(form.OKButton->isEnabled());
        QTest::keyClick(form.PasswordEdit, Qt::Key_Backspace);
        EXPECT_FALSE(form.OKButton->isEnabled());
        // Enter does nothing while OK is disabled.
        QTest::keyClick(form.PasswordEdit, Qt::Key_Return);
        EXPECT_TRUE(form.isVisible());
        QTest::keyClicks(form.PasswordEdit, "Geheim 1");
        return okResult(form);
    });
    EXPECT_TRUE(dlg.Execute());
    EXPECT_EQ(dlg.Password(), QStringLiteral("Geheim 1"));
    EXPECT_EQ(shown, 1);
}

TEST_F(PasswordDialogTest, EmptyPasswordAllowed)
{
    dlg.SetAllowEmptyPassword(true);
    answer([](TPasswordForm& form) {
        EXPECT_TRUE(form.OKButton->isEnabled());
        return okResult(form);
    });
    EXPECT_TRUE(dlg.Execute());
    EXPECT_TRUE(dlg.Password().isEmpty());
}

TEST_F(PasswordDialogTest, InitialPasswordIsMaskedAndEnablesOk)
{
    dlg.SetPassword("abc");
    answer([](TPasswordForm& form) {
        EXPECT_EQ(form.PasswordEdit->text(), QStringLiteral("abc"));
        EXPECT_EQ(form.PasswordEdit->echoMode(), QLineEdit::Password);
        EXPECT_EQ(form.PasswordEdit->displayText(), QStringLiteral("***"));
        EXPECT_TRUE(form.OKButton->isEnabled());
        QTest::keyClick(form.PasswordEdit, Qt::Key_End);  // the text came selected
        QTest::keyClicks(form.PasswordEdit, "d");
        QTest::keyClick(form.PasswordEdit, Qt::Key_Return);  // Enter is OK
        EXPECT_FALSE(form.isVisible());
        return form.result();
    });
    EXPECT_TRUE(dlg.Execute());
    EXPECT_EQ(dlg.Password(), QStringLiteral("abcd"));
}

TEST_F(PasswordDialogTest, CancelEscapeAndCloseBoxGiveFalseAndNoPassword)
{
    const std::function<int(TPasswordForm&)> ways[] = {
        [](TPasswordForm& form) {
            QTest::mouseClick(form.CancelButton, Qt::LeftButton);
            return form.result();
        },
        [](TPasswordForm& form) {
            QTest::keyClick(form.PasswordEdit, Qt::Key_Escape);
            EXPECT_FALSE(form.isVisible());
            return form.result();
        },
        [](TPasswordForm& form) {
            form.close();
            return form.result();
        },
    };
    for (const auto& way : ways) {
        for (const QString& initial : {QString(), QStringLiteral("vorher")}) {
            dlg.SetPassword(initial);
            answer([&](TPasswordForm& form) {
                QTest::keyClicks(form.PasswordEdit, "xyz");
                return way(form);
            });
            EXPECT_FALSE(dlg.Execute());
            EXPECT_TRUE(dlg.Password().isEmpty());
        }
    }
}

TEST_F(PasswordDialogTest, HelpButtonOnlyWithAHelpContext)
{
    answer([](TPasswordForm& form) {
        EXPECT_FALSE(form.HelpButton->isVisible());
        EXPECT_EQ(form.OKButton->geometry(), QRect(96, 86, 78, 23));
        EXPECT_EQ(form.CancelButton->geometry(), QRect(179, 86, 78, 23));
        return int(mrCancel);
    });
    dlg.Execute();

    dlg.SetHelpContext(31);
    answer([](TPasswordForm& form) {
        EXPECT_TRUE(form.HelpButton->isVisible());
        EXPECT_EQ(form.OKButton->geometry(), QRect(13, 86, 78, 23));
        EXPECT_EQ(form.CancelButton->geometry(), QRect(96, 86, 78, 23));
        EXPECT_EQ(form.HelpButton->geometry(), QRect(179, 86, 78, 23));
        EXPECT_EQ(form.property("HelpContext").toInt(), 31);
        return int(mrCancel);
    });
    dlg.Execute();
}

TEST_F(PasswordDialogTest, GermanWindowWithItsOwnCaption)
{
    dlg.SetLanguage(D::dlGerman);
    dlg.SetCaption(QStringLiteral("Technikdaten ändern"));
    dlg.SetHelpContext(12);
    answer([](TPasswordForm& form) {
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Technikdaten ändern"));
        EXPECT_EQ(form.Prompt->Caption(), QStringLiteral("Passwort &Eingeben:"));
        EXPECT_EQ(form.OKButton->text(), QStringLiteral("OK"));
        EXPECT_EQ(form.CancelButton->text(), QStringLiteral("Abbrechen"));
        EXPECT_EQ(form.HelpButton->text(), QStringLiteral("&Hilfe"));
        EXPECT_EQ(form.Prompt->buddy(), form.PasswordEdit);
        EXPECT_EQ(form.size(), QSize(269, 117));
        EXPECT_EQ(form.Bevel->geometry(), QRect(12, 8, 244, 68));
        EXPECT_EQ(form.PasswordEdit->geometry(), QRect(77, 39, 162, 21));
        EXPECT_EQ(form.Prompt->geometry(), QRect(77, 22, 162, 15));
        EXPECT_TRUE(form.Prompt->wordWrap());

        // The key picture: 42 x 42 and not empty.
        const QImage key = form.KeyImage->pixmap().toImage();
        EXPECT_EQ(key.size(), QSize(42, 42));
        EXPECT_EQ(form.KeyImage->geometry(), QRect(28, 24, 42, 42));
        int opaque = 0;
        for (int y = 0; y < key.height(); ++y)
            for (int x = 0; x < key.width(); ++x) opaque += qAlpha(key.pixel(x, y)) > 128;
        EXPECT_GT(opaque, 300);

        const QImage shot = form.grab().toImage();
        const QString dir = QDir::tempPath() + QStringLiteral("/strombau-label-grabs");
        QDir().mkpath(dir);
        shot.save(dir + QStringLiteral("/password_german.png"));
        // The key shows in the window at its place (a golden pixel in its middle).
        const QColor mid = shot.pixelColor(28 + 21, 24 + 21);
        EXPECT_GT(mid.red(), 150);
        EXPECT_LT(mid.blue(), 120);
        return int(mrCancel);
    });
    EXPECT_FALSE(dlg.Execute());
}

TEST_F(PasswordDialogTest, LanguagesGiveTheirCaptions)
{
    struct Row {
        D::TDialogLanguage language;
        const char *caption, *prompt, *cancel, *help;
    };
    const Row rows[] = {
        {D::dlEnglish, "Password", "&Enter password:", "Cancel", "&Help"},
        {D::dlFrench, "Mot de Passe", "&Saisie Mot de Passe :", "Annuler", "&Aide"},
        {D::dlPortuguese, "Senha", "&Informe sua Senha:", "Cancela", "&Ajuda"},
        {D::dlItalian, "Password", "&Inserire password:", "Annulla", "&Aiuto"},
        {D::dlDutch, "Wachtwoord", "&Voer wachtwoord in:", "Ann&uleren", "&Help"},
        {D::dlSlovak, "Heslo", "Zadajte heslo:", "&Storno", "&Pomoc"},
    };
    dlg.SetHelpContext(1);
    for (const Row& r : rows) {
        dlg.SetLanguage(r.language);
        answer([&](TPasswordForm& form) {
            EXPECT_EQ(form.windowTitle(), QString::fromUtf8(r.caption));
            EXPECT_EQ(form.Prompt->Caption(), QString::fromUtf8(r.prompt));
            EXPECT_EQ(form.CancelButton->text(), QString::fromUtf8(r.cancel));
            EXPECT_EQ(form.HelpButton->text(), QString::fromUtf8(r.help));
            return int(mrCancel);
        });
        dlg.Execute();
    }
    // Every language has words of its own for the window and the prompt.
    QSet<QString> prompts;
    for (int l = D::dlEnglish; l <= D::dlKorean; ++l) {
        EXPECT_FALSE(TPasswordDialog::LanguageCaption(D::TDialogLanguage(l)).isEmpty());
        prompts.insert(TPasswordDialog::LanguagePrompt(D::TDialogLanguage(l)));
    }
    EXPECT_EQ(prompts.size(), 16);
}

TEST_F(PasswordDialogTest, FontOfTheOwnerFormOrItsOwn)
{
    QWidget owner;
    QFont ownerFont(QStringLiteral("Liberation Serif"));
    ownerFont.setPixelSize(15);
    owner.setFont(ownerFont);
    TPasswordDialog onForm(&owner);
    QFont own(QStringLiteral("Liberation Mono"));
    own.setPixelSize(11);
    onForm.SetFont(own);
    QString family;
    ScriptedAnswerer::instance().expectForm([&](QWidget* w) { family = w->font().family(); return int(mrCancel); });
    onForm.Execute();
    EXPECT_EQ(family, QStringLiteral("Liberation Serif"));

    onForm.SetParentFont(false);
    ScriptedAnswerer::instance().expectForm([&](QWidget* w) { family = w->font().family(); return int(mrCancel); });
    onForm.Execute();
    EXPECT_EQ(family, QStringLiteral("Liberation Mono"));
}

TEST_F(PasswordDialogTest, SoundPlaysWhenTheWindowOpens)
{
    QList<D::TSoundType> played;
    const SoundPlayer old = SetSoundPlayer([&](D::TSoundType s) { played << s; });
    answer([](TPasswordForm&) { return int(mrCancel); });
    dlg.Execute();
    EXPECT_TRUE(played.isEmpty());
    dlg.SetSoundType(D::stExclamation);
    answer([&](TPasswordForm&) {
        EXPECT_EQ(played.size(), 1);  // before the window shows
        return int(mrCancel);
    });
    dlg.Execute();
    SetSoundPlayer(old);
    EXPECT_EQ(played, QList<D::TSoundType>{D::stExclamation});
}

}  // namespace
