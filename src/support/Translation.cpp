#include "support/Translation.h"
#include "platform/Dialogs.h"
#include "platform/Exceptions.h"
#include "platform/Numbers.h"
#include "platform/ProgramFolder.h"
#include "platform/PropertyPath.h"
#include "support/LangIniFile.h"
#include "support/TransStrUtils.h"
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMutexLocker>
#include <algorithm>

namespace {

TTranslationCore* g_core = nullptr;

const QString kDeutsch = QStringLiteral("Deutsch");
const QString kResourceStrings = QStringLiteral("ResourceStrings");

// The language file's text as a value of the kind the property has now.
bool valueOfKind(DfmValue::Kind kind, const QString& key, const QString& text, CharCodes codes, DfmValue& out,
                 QString& why)
{
    switch (kind) {
    case DfmValue::Integer: {
        bool ok = false;
        const qint64 n = text.trimmed().toLongLong(&ok, 10);
        if (!ok) {
            why = QStringLiteral("'%1' is no whole number").arg(text);
            return false;
        }
        out = DfmValue::fromInt(n);
        return true;
    }
    case DfmValue::Float: {
        double d = 0;
        bool ok = TryStrToFloat(text, d);
        if (!ok) d = QLocale::c().toDouble(text.trimmed(), &ok);
        if (!ok) {
            why = QStringLiteral("'%1' is no number").arg(text);
            return false;
        }
        out = DfmValue();
        out.kind = DfmValue::Float;
        out.number = d;
        return true;
    }
    case DfmValue::String: out = DfmValue::fromString(DecodeQuotedLiteral(text, codes)); return true;
    case DfmValue::Identifier: out = DfmValue::fromIdent(text.trimmed()); return true;
    case DfmValue::List:
        if (!key.endsWith(QLatin1String(".Strings"), Qt::CaseInsensitive)) break;
        out = DfmValue::emptyList();
        for (const QString& item : SplitDelimitedText(text)) out.items.append(DfmValue::fromString(item));
        return true;
    default: break;
    }
    why = QStringLiteral("'%1' cannot be translated").arg(key);
    return false;
}

// What "#nnn" below 256 means in the file's texts: a file in the code page
// (one that nothing shows as UTF-8, plain ASCII among them) means that code
// page's character.
CharCodes charCodesOf(const TLangIniFile& file)
{
    return file.MarkedAsUtf8() ? CharCodes::Unicode : CharCodes::Windows1252;
}

// "Font.Size" of the form or "<path>.Font.Size".
bool isFontSize(const QString& key)
{
    static const QString size = QStringLiteral("Font.Size");
    return key.compare(size, Qt::CaseInsensitive) == 0
           || (key.endsWith(size, Qt::CaseInsensitive) && key.at(key.size() - size.size() - 1) == QLatin1Char('.'));
}

}  // namespace

// ---- core -------------------------------------------------------------------

TTranslationCore::TTranslationCore()
{
    if (g_core)
        throw Exception(QStringLiteral("Core Multi Lang is single instance class. Please use GetTranslationCore "
                                       "class function to obtain an instance."));
    g_core = this;
    m_watcher = std::make_unique<QObject>();
    m_previousHook = SetResStringHook([this](int id, QString& text) { return m_redirect && FindResourceString(id, text); });
}

TTranslationCore::~TTranslationCore()
{
    SetResStringHook(std::move(m_previousHook));
    m_watcher.reset();
    m_file.reset();
    if (g_core == this) g_core = nullptr;
}

TTranslationCore* TTranslationCore::GetTranslationCore() { return g_core; }

QString TTranslationCore::ResolvedFolder(const QString& folder) const
{
    if (folder.isEmpty()) return QString();
    const QString path = QDir::isAbsolutePath(folder) ? folder : ProgramFolder() + folder;
    return QDir::cleanPath(path) + QLatin1Char('/');
}

void TTranslationCore::SetLangsDir(const QString& folder)
{
    QString remembered;
    {
        QMutexLocker lock(&m_langLock);
        remembered = m_currentLang;
        QString dir = folder;
        dir.replace(QLatin1Char('\\'), QLatin1Char('/'));
        if (!dir.isEmpty()) {
            if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
            if (dir.compare(m_langsDir, Qt::CaseInsensitive) == 0) return;
        }
        m_langsDir = dir;
        ScanLanguageFiles();
    }
    SelectLang(remembered);
    // The language is gone from the new folder: the forms go back to German.
    if (!remembered.isEmpty() && CurrentLang().isEmpty()) TranslateAllManagers();
}

void TTranslationCore::ScanLanguageFiles()
{
    QMutexLocker lock(&m_langLock);
    m_currentLang.clear();
    m_file.reset();
    m_resourceStrings.clear();
    m_langs.clear();
    m_langFiles.clear();
    if (m_langsDir.isEmpty()) return;

    QStringList names;
    const QFileInfoList entries =
        QDir(ResolvedFolder(m_langsDir)).entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
    for (const QFileInfo& fi : entries) {
        const QString file = fi.fileName();
        if (!fi.isFile() || !file.endsWith(QLatin1String(".lng"), Qt::CaseInsensitive)) continue;
        const QString name = file.chopped(4);
        if (name.isEmpty()) continue;
        const QString key = name.toLower();
        if (m_langFiles.contains(key)) {
            // Two files that differ in case only: the first in sort order counts.
            if (QString::compare(file, QFileInfo(m_langFiles.value(key)).fileName()) >= 0) continue;
            names.removeIf([&](const QString& n) { return n.toLower() == key; });
        }
        m_langFiles.insert(key, fi.absoluteFilePath());
        if (key != kDeutsch.toLower()) names.append(name);
    }
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    m_langs = QStringList{kDeutsch} + names;
}

void TTranslationCore::SelectLang(const QString& name) { SetCurrentLang(name); }

void TTranslationCore::SetCurrentLang(const QString& name)
{
    bool changed = false;
    {
        QMutexLocker lock(&m_langLock);
        QString target;
        if (!name.isEmpty()) {
            const auto it = std::find_if(m_langs.cbegin(), m_langs.cend(), [&](const QString& l) {
                return l.compare(name, Qt::CaseInsensitive) == 0;
            });
            if (it == m_langs.cend()) return;
            target = *it;
        }
        if (target != m_currentLang) {
            m_currentLang = target;
            OpenLanguageFile();
            changed = true;
        }
    }
    ReportPendingReadError();
    if (changed) TranslateAllManagers();
}

void TTranslationCore::OpenLanguageFile()
{
    QMutexLocker lock(&m_langLock);
    m_file.reset();
    m_resourceStrings.clear();
    if (m_currentLang.isEmpty()) return;
    const QString path = m_langFiles.value(m_currentLang.toLower());
    if (path.isEmpty() || !QFileInfo::exists(path)) return;
    auto file = std::make_unique<TLangIniFile>(path);
    if (file->ReadFailed()) {
        m_pendingReadError = path;
        return;
    }
    // Resource strings are asked for often: the section is indexed once.
    const CharCodes codes = charCodesOf(*file);
    for (const TLangIniFile::TKeyValue& kv : file->SectionValues(kResourceStrings)) {
        const QString id = kv.first.section(QLatin1Char('_'), 0, 0).trimmed();
        if (!id.isEmpty() && !m_resourceStrings.contains(id))
            m_resourceStrings.insert(id, DecodeQuotedLiteral(kv.second, codes));
    }
    m_file = std::move(file);
}

void TTranslationCore::ReportPendingReadError()
{
    QString path;
    {
        QMutexLocker lock(&m_langLock);
        path.swap(m_pendingReadError);
    }
    if (!path.isEmpty()) MessageDlg(FmtLoadResString(SIniFileReadError, {QDir::toNativeSeparators(path)}), mtWarning, mbOK);
}

QString TTranslationCore::CurrentLang() const
{
    QMutexLocker lock(&m_langLock);
    return m_currentLang;
}

QString TTranslationCore::LangsDir() const
{
    QMutexLocker lock(&m_langLock);
    return m_langsDir;
}

QString TTranslationCore::LangsFolder() const
{
    QMutexLocker lock(&m_langLock);
    return ResolvedFolder(m_langsDir);
}

int TTranslationCore::LangsCount() const
{
    QMutexLocker lock(&m_langLock);
    return int(m_langs.size());
}

QString TTranslationCore::Langs(int index) const
{
    QMutexLocker lock(&m_langLock);
    return index >= 0 && index < m_langs.size() ? m_langs.at(index) : QString();
}

void TTranslationCore::TranslateForm(QObject* form)
{
    if (!form) return;
    QMutexLocker lock(&m_langLock);
    TranslateComponent(form);
}

void TTranslationCore::RestoreKept(QObject* container)
{
    const auto it = m_kept.constFind(container);
    if (it == m_kept.constEnd()) return;
    for (const TKept& kept : *it) SetPropertyPath(container, kept.path, kept.value, PropertyPolicy::Translation);
}

void TTranslationCore::TranslateComponent(QObject* container)
{
    const QString section = QString::fromLatin1(container->metaObject()->className());
    m_skipped.removeIf([&](const TSkippedKey& s) { return s.section == section; });
    RestoreKept(container);
    if (!m_file) return;

    // Every German value is read before the first key is set: two keys may
    // change one thing (Label1.ClientWidth and Label1.Width, Font.Height and
    // Font.Size), and the second must keep the German value, not the one
    // the first key has just set.
    struct TGerman {
        bool found = false;
        DfmValue value;       // the value the key names, telling its kind
        QString keepPath;     // what is put back for it
        DfmValue keepValue;
    };
    const QList<TLangIniFile::TKeyValue> keys = m_file->SectionValues(section);
    QList<TGerman> german(keys.size());
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QString& key = keys.at(i).first;
        TGerman& g = german[i];
        g.found = GetPropertyPath(container, key, g.value);
        if (!g.found) continue;
        g.keepPath = key;
        g.keepValue = g.value;
        // A font given in points comes back exactly only through its pixel
        // height, which the designer stores: the height is kept instead.
        if (isFontSize(key)) {
            const QString heightPath = key.chopped(4) + QStringLiteral("Height");
            DfmValue height;
            if (GetPropertyPath(container, heightPath, height)) {
                g.keepPath = heightPath;
                g.keepValue = height;
            }
        }
    }

    const CharCodes codes = charCodesOf(*m_file);
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QString& key = keys.at(i).first;
        const TGerman& g = german.at(i);
        if (!g.found) {
            m_skipped.append({section, key, QStringLiteral("'%1' names nothing").arg(key)});
            continue;
        }
        QString why;
        DfmValue value;
        if (!valueOfKind(g.value.kind, key, keys.at(i).second, codes, value, why)
            || !SetPropertyPath(container, key, value, PropertyPolicy::Translation, &why)) {
            m_skipped.append({section, key, why});
            continue;
        }
        Keep(container, g.keepPath, g.keepValue);
    }
}

void TTranslationCore::Keep(QObject* container, const QString& path, const DfmValue& value)
{
    QList<TKept>& kept = m_kept[container];
    if (kept.isEmpty())
        QObject::connect(container, &QObject::destroyed, m_watcher.get(), [this, container] {
            QMutexLocker l(&m_langLock);
            m_kept.remove(container);
        });
    const bool known = std::any_of(kept.cbegin(), kept.cend(), [&](const TKept& k) {
        return k.path.compare(path, Qt::CaseInsensitive) == 0;
    });
    if (!known) kept.append({path, value});
}

void TTranslationCore::RegisterManager(TTranslationManager* manager)
{
    QMutexLocker lock(&m_managerLock);
    if (manager && !m_managers.contains(manager)) m_managers.append(manager);
}

void TTranslationCore::UnregisterManager(TTranslationManager* manager)
{
    QMutexLocker lock(&m_managerLock);
    m_managers.removeAll(manager);
}

QList<TTranslationManager*> TTranslationCore::Managers() const
{
    QMutexLocker lock(&m_managerLock);
    return m_managers;
}

void TTranslationCore::TranslateAllManagers()
{
    QMutexLocker lock(&m_managerLock);
    const QList<TTranslationManager*> managers = m_managers;
    for (TTranslationManager* m : managers)
        if (m_managers.contains(m)) m->TranslateAll();
}

bool TTranslationCore::FindResourceString(int id, QString& text) const
{
    QMutexLocker lock(&m_langLock);
    if (!m_file) return false;
    const auto it = m_resourceStrings.constFind(QString::number(id));
    if (it == m_resourceStrings.constEnd()) return false;
    text = *it;
    return true;
}

QList<TTranslationCore::TSkippedKey> TTranslationCore::SkippedKeys() const
{
    QMutexLocker lock(&m_langLock);
    return m_skipped;
}

// ---- manager -------------------------------------------------------------------

namespace {
TTranslationCore* coreForReading()
{
    TTranslationCore* c = TTranslationCore::GetTranslationCore();
    if (!c) throw Exception(QStringLiteral("Core translation is not assigned."));
    return c;
}

TTranslationCore* coreForWriting()
{
    TTranslationCore* c = TTranslationCore::GetTranslationCore();
    if (!c) throw Exception(QStringLiteral("Core multi lang is not assigned"));
    return c;
}
}  // namespace

TTranslationManager::TTranslationManager(QObject* owner) : QObject(owner)
{
    if (TTranslationCore* c = TTranslationCore::GetTranslationCore()) c->RegisterManager(this);
}

TTranslationManager::~TTranslationManager()
{
    const QList<TFormTranslator*> translators = m_translators;
    for (auto it = translators.crbegin(); it != translators.crend(); ++it) (*it)->SetManager(nullptr);
    if (TTranslationCore* c = TTranslationCore::GetTranslationCore()) c->UnregisterManager(this);
}

TTranslationCore* TTranslationManager::core() const { return coreForReading(); }

QString TTranslationManager::LangsDir() const { return core()->LangsDir(); }

void TTranslationManager::SetLangsDir(const QString& folder)
{
    TTranslationCore* c = coreForWriting();
    bool cancel = false;
    if (LangsDirChanging) LangsDirChanging(this, c->LangsDir(), folder, cancel);
    if (!cancel) c->SetLangsDir(folder);
}

QString TTranslationManager::CurrentLang() const { return core()->CurrentLang(); }

void TTranslationManager::SetCurrentLang(const QString& language)
{
    TTranslationCore* c = coreForWriting();
    bool cancel = false;
    if (CurrentLangChanging) CurrentLangChanging(this, c->CurrentLang(), language, cancel);
    if (!cancel) c->SetCurrentLang(language);
}

bool TTranslationManager::TranslateResourceStrings() const { return core()->TranslateResourceStrings(); }

void TTranslationManager::SetTranslateResourceStrings(bool on) { coreForWriting()->SetTranslateResourceStrings(on); }

int TTranslationManager::LangsCount() const { return core()->LangsCount(); }

QString TTranslationManager::Langs(int index) const { return core()->Langs(index); }

void TTranslationManager::TranslateAll()
{
    if (BeforeAllTranslate) BeforeAllTranslate(this);
    const QList<TFormTranslator*> translators = m_translators;
    for (TFormTranslator* t : translators)
        if (m_translators.contains(t)) t->Translate();
    if (AfterAllTranslate) AfterAllTranslate(this);
}

void TTranslationManager::RegisterTranslator(TFormTranslator* translator)
{
    if (translator && !m_translators.contains(translator)) m_translators.append(translator);
}

void TTranslationManager::UnregisterTranslator(TFormTranslator* translator) { m_translators.removeAll(translator); }

// ---- translator --------------------------------------------------------------------

TFormTranslator::TFormTranslator(QObject* owner) : QObject(owner) {}

TFormTranslator::~TFormTranslator()
{
    if (m_manager) m_manager->UnregisterTranslator(this);
}

void TFormTranslator::SetManager(TTranslationManager* manager)
{
    if (manager == m_manager) return;
    if (m_manager) m_manager->UnregisterTranslator(this);
    m_manager = manager;
    if (m_manager) m_manager->RegisterTranslator(this);
}

void TFormTranslator::Loaded() { Translate(); }

void TFormTranslator::Translate()
{
    if (BeforeTranslate) BeforeTranslate(this);
    if (parent() && m_manager)
        if (TTranslationCore* c = TTranslationCore::GetTranslationCore()) c->TranslateForm(parent());
    if (AfterTranslate) AfterTranslate(this);
}
