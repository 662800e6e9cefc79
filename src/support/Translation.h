#pragma once
// Translation of the user interface from language files.
//
// The forms are German by themselves; another language comes from a file
// "<language>.lng" in the language folder (LangIniFile.h).  Its sections are
// named after the class of a form ("TMainForm", "TDruckkopfDlg"); each key is
// a property path below that form, its value the new value:
//
//   [TMainForm]
//   Caption='Duct calculator <untitled>'
//   Datei1.Caption='&File'
//   KanalartCombo.Items.Strings='Sheet metal','Flexible hose'
//   SpeedBar1.Sections.Items(0).Caption='File'
//   [ResourceStrings]
//   65170_SMsgDlgYes='&Yes'
//
// The current value's kind tells how a value is read: texts as string
// constants (DecodeQuotedLiteral), lists as comma-separated quoted items,
// numbers as decimal text, enumerations as the member's name.  Paths are
// found and set by the property-path module under its translation policy;
// a key that names nothing, is not allowed or whose value does not fit is
// skipped (SkippedKeys tells which and why).  Lists keep their number of
// items.
//
// Every property a language sets keeps its German value the first time;
// each translation first puts the kept values back, so switching to
// "Deutsch" gives the German forms back and a file that leaves a text out
// leaves it German.
//
// Three classes: one TTranslationCore for the process (language folder,
// list of languages, current language and its file, the registered
// managers, the redirection of resource strings); a TTranslationManager on
// the main window; a TFormTranslator on every form, which translates its
// owner when the form is loaded and whenever the language changes.
#include "platform/FormComponent.h"
#include "platform/FormResource.h"
#include "platform/ResourceStrings.h"
#include <QHash>
#include <QList>
#include <QObject>
#include <QRecursiveMutex>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <memory>

class TLangIniFile;
class TTranslationManager;
class TFormTranslator;

class TTranslationCore {
public:
    // The first core becomes the process's core and answers resource
    // strings from the language file.  A second one throws Exception.
    TTranslationCore();
    ~TTranslationCore();
    TTranslationCore(const TTranslationCore&) = delete;
    TTranslationCore& operator=(const TTranslationCore&) = delete;

    // The process's core, or nullptr.
    static TTranslationCore* GetTranslationCore();

    // The language folder: "\" becomes "/", a trailing "/" is added.  A
    // relative folder lies in the program folder; an empty one lists no
    // language.  A new folder (compared without regard to case) is scanned;
    // the language stays when the new folder has it, else German returns.
    void SetLangsDir(const QString& folder);
    // A name from the list (any case) or empty (German forms, no file);
    // another name changes nothing.  A change opens the language's file and
    // translates every form again.
    void SetCurrentLang(const QString& name);
    // SetCurrentLang; no other language is chosen in its place.
    void SelectLang(const QString& name);
    // Rebuilds the list: "Deutsch" first, then the names of the files
    // "*.lng" (any case) in the folder, sorted without regard to case.  No
    // language is current afterwards and no file is open.
    void ScanLanguageFiles();
    // Opens the current language's file (the one the scan found); a file
    // that exists but cannot be read is named in one message.
    void OpenLanguageFile();

    QString CurrentLang() const;
    // As it was set (with "/" and the trailing "/"), and the folder scanned.
    QString LangsDir() const;
    QString LangsFolder() const;
    int LangsCount() const;
    // Language `index` of the list (0-based); empty outside the list.
    QString Langs(int index) const;

    // Translates a form (a frame, a data module) with the section of its
    // class.
    void TranslateForm(QObject* form);
    void TranslateDataModule(QObject* module) { TranslateForm(module); }
    void TranslateFrame(QObject* frame) { TranslateForm(frame); }

    void RegisterManager(TTranslationManager* manager);
    void UnregisterManager(TTranslationManager* manager);
    QList<TTranslationManager*> Managers() const;

    // The text of resource string `id` from the section "ResourceStrings"
    // of the open file: the first key whose part before "_" (trimmed) is
    // `id` in decimal.  False when there is none.
    bool FindResourceString(int id, QString& text) const;
    // While on (the default), LoadResString and LoadStr ask the open file
    // first.
    bool TranslateResourceStrings() const { return m_redirect; }
    void SetTranslateResourceStrings(bool on) { m_redirect = on; }

    // The keys the last translation of each section left alone, with why.
    struct TSkippedKey {
        QString section;
        QString key;
        QString reason;
    };
    QList<TSkippedKey> SkippedKeys() const;

private:
    struct TKept {
        QString path;
        DfmValue value;
    };
    void TranslateComponent(QObject* container);
    void RestoreKept(QObject* container);
    // Remembers the German value of `path` unless it is kept already.
    void Keep(QObject* container, const QString& path, const DfmValue& value);
    QString ResolvedFolder(const QString& folder) const;
    void TranslateAllManagers();
    void ReportPendingReadError();

    mutable QRecursiveMutex m_langLock;
    mutable QRecursiveMutex m_managerLock;
    QString m_currentLang;
    QString m_langsDir;
    QStringList m_langs;
    QHash<QString, QString> m_langFiles;  // lower-case name -> file found by the scan
    std::unique_ptr<TLangIniFile> m_file;
    QHash<QString, QString> m_resourceStrings;  // "65170" -> decoded text
    QString m_pendingReadError;
    QList<TTranslationManager*> m_managers;
    std::atomic<bool> m_redirect{true};
    ResStringHook m_previousHook;
    // The German values, per form, of every path a language has set.
    QHash<QObject*, QList<TKept>> m_kept;
    QList<TSkippedKey> m_skipped;
    std::unique_ptr<QObject> m_watcher;  // context of the forms' destroyed signals
};

class TTranslationManager : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString LangsDir READ LangsDir WRITE SetLangsDir)
    Q_PROPERTY(QString CurrentLang READ CurrentLang WRITE SetCurrentLang)
    Q_PROPERTY(bool TranslateResourceStrings READ TranslateResourceStrings WRITE SetTranslateResourceStrings)

public:
    // Registers with the process's core.
    explicit TTranslationManager(QObject* owner = nullptr);
    // Releases its translators (last to first), then unregisters.
    ~TTranslationManager() override;

    // The core's values.  Without a core the getters throw Exception
    // "Core translation is not assigned.", the setters "Core multi lang is
    // not assigned".
    QString LangsDir() const;
    void SetLangsDir(const QString& folder);
    QString CurrentLang() const;
    void SetCurrentLang(const QString& language);
    bool TranslateResourceStrings() const;
    void SetTranslateResourceStrings(bool on);
    int LangsCount() const;
    QString Langs(int index) const;

    // BeforeAllTranslate, every registered translator in registration
    // order, AfterAllTranslate.
    void TranslateAll();
    void RegisterTranslator(TFormTranslator* translator);
    void UnregisterTranslator(TFormTranslator* translator);
    QList<TFormTranslator*> Translators() const { return m_translators; }

    // Asked before the language (folder) changes; Cancel keeps the old one.
    std::function<void(QObject* Sender, const QString& OldLanguage, const QString& NewLanguage, bool& Cancel)>
        CurrentLangChanging;
    std::function<void(QObject* Sender, const QString& OldFolder, const QString& NewFolder, bool& Cancel)>
        LangsDirChanging;
    std::function<void(QObject* Sender)> BeforeAllTranslate;
    std::function<void(QObject* Sender)> AfterAllTranslate;

private:
    TTranslationCore* core() const;  // throws without a core
    QList<TFormTranslator*> m_translators;
};

class TFormTranslator : public QObject, public TFormComponent {
    Q_OBJECT
    Q_PROPERTY(TTranslationManager* Manager READ Manager WRITE SetManager)

public:
    explicit TFormTranslator(QObject* owner = nullptr);
    ~TFormTranslator() override;

    TTranslationManager* Manager() const { return m_manager; }
    // Leaves the old manager and registers with the new one.
    void SetManager(TTranslationManager* manager);

    // The form is loaded: translate it.
    void Loaded() override;
    // BeforeTranslate; the owner translated through the core (with an
    // owner, a manager and a core); AfterTranslate.
    void Translate();

    std::function<void(QObject* Sender)> BeforeTranslate;
    std::function<void(QObject* Sender)> AfterTranslate;

private:
    TTranslationManager* m_manager = nullptr;
};
