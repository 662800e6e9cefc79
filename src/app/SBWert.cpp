#include "app/SBWert.h"
#include "app/ProjektDatei.h"
#include "app/Teilstrecke.h"
#include "platform/Dialogs.h"
#include "platform/Exceptions.h"
#include "platform/IniFile.h"
#include "platform/ProgramFolder.h"
#include "support/FileCipher.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <utility>

// ---- names -----------------------------------------------------------------

QString WertDateiPfad() { return FindFileNoCase(ProgramFolder(), QString::fromLatin1(WertDateiName)); }
QString WertDateiDecPfad() { return FindFileNoCase(ProgramFolder(), QString::fromLatin1(WertDateiNameDec)); }
bool WertDateiVorhanden() { return QFileInfo(WertDateiPfad()).isFile(); }

// ---- message texts ---------------------------------------------------------

namespace {
TMessageTextProvider& messageProvider()
{
    static TMessageTextProvider provider;
    return provider;
}
}  // namespace

void SetWertDateiMessageTexts(TMessageTextProvider provider) { messageProvider() = std::move(provider); }

QString WertDateiMessageText(int index)
{
    if (messageProvider()) {
        const QString text = messageProvider()(index);
        if (!text.isEmpty()) return text;
    }
    switch (index) {
    case 3: return QStringLiteral("Fehler beim Löschen der Datei:");
    case 8: return QStringLiteral("Zetawerte nicht vorhanden");
    default: return QString();
    }
}

void MeldeZetawerteFehlen() { MessageDlg(WertDateiMessageText(8), mtInformation, mbOK); }

// ---- sections and keys ----------------------------------------------------

const std::vector<TWertSektion>& TechnischeSektionen()
{
    static const std::vector<TWertSektion> sections = [] {
        std::vector<TWertSektion> s;
        s.push_back({QString::fromLatin1(SektionMaterial),
                     {"EBlech", "EFlex", "EEGemauert", "EHolz", "EBeton", "EFaserzement", "EtaVentilator"}});
        for (const char* name : {SektionBogen, SektionFlachH, SektionFlachV, SektionAbzweig, SektionRedScharf,
                                 SektionRedKonisch, SektionEinbauten})
            s.push_back({QString::fromLatin1(name), {}});
        // The zeta keys in slot order are the dialog's write order.
        for (const TSlotInfo& slot : SlotTable()) {
            const QString section = QString::fromLatin1(slot.section);
            for (TWertSektion& t : s)
                if (t.name.compare(section, Qt::CaseInsensitive) == 0) {
                    t.keys << QString::fromLatin1(slot.key);
                    break;
                }
        }
        return s;
    }();
    return sections;
}

const QStringList& UserdatenSchluessel()
{
    static const QStringList keys = {"Firma", "Nutzer", "Strasse", "PLZ",     "Ort", "Telefon",
                                     "Fax",   "EMail",  "Vortext", "Sprache", "Tip"};
    return keys;
}

QString MaterialSchluessel(int materialIndex)
{
    static const char* const keys[6] = {"EBlech", "EFlex", "EFaserzement", "EHolz", "EBeton", "EEGemauert"};
    if (materialIndex < 0 || materialIndex > 5) return QString();
    return QString::fromLatin1(keys[materialIndex]);
}

// ---- value source ------------------------------------------------------------

bool TWertDatei::Available() const { return WertDateiVorhanden(); }

QString TWertDatei::ReadValue(const QString& section, const QString& key) const
{
    return ReadValues({{section, key}}).value(0);
}

QStringList TWertDatei::ReadValues(const QList<QPair<QString, QString>>& sectionKeys) const
{
    QStringList out;
    out.reserve(sectionKeys.size());
    if (!Available()) {
        for (qsizetype i = 0; i < sectionKeys.size(); ++i) out << QString();
        return out;
    }
    const TIniFile ini(WertDateiPfad());
    for (const auto& sk : sectionKeys) out << ini.ReadString(sk.first, sk.second, QString());
    return out;
}

QStringList TWertDatei::ReadZetaWerte() const
{
    QList<QPair<QString, QString>> keys;
    keys.reserve(EinbautenAnzahl);
    for (const TSlotInfo& s : SlotTable()) keys.append({QString::fromLatin1(s.section), QString::fromLatin1(s.key)});
    return ReadValues(keys);
}

TWertDateiStand::TWertDateiStand() : m_available(WertDateiVorhanden())
{
    if (m_available) m_ini = std::make_unique<TIniFile>(WertDateiPfad());
}

TWertDateiStand::~TWertDateiStand() = default;

QString TWertDateiStand::ReadValue(const QString& section, const QString& key) const
{
    return m_ini ? m_ini->ReadString(section, key, QString()) : QString();
}

QStringList TWertDateiStand::ReadValues(const QList<QPair<QString, QString>>& sectionKeys) const
{
    QStringList out;
    out.reserve(sectionKeys.size());
    for (const auto& sk : sectionKeys) out << ReadValue(sk.first, sk.second);
    return out;
}

// ---- user data ------------------------------------------------------------

namespace {
const QString kUser = QString::fromLatin1(SektionUserdaten);

// One write operation on the value file (created when missing): `fill`
// sets the keys, then the file is saved whole.  A failure is shown and the
// file stays as it was.
bool writeValueFile(const std::function<void(TIniFile&)>& fill)
{
    try {
        TIniFile ini(WertDateiPfad());
        fill(ini);
        ini.UpdateFile();
    } catch (const Exception& e) {
        MessageDlg(e.Message(), mtError, mbOK);
        return false;
    }
    return true;
}

// The user texts "Firma" to "Sprache" of the section "Userdaten", into the
// record (each cut to its field) or into the settings dialog's whole texts.
template <class User>
void readUserTexts(const TIniFile& ini, User& u)
{
    const auto get = [&](const char* key) { return ini.ReadString(kUser, QString::fromLatin1(key), QString()); };
    u.Firma = get("Firma");
    u.Nutzer = get("Nutzer");
    u.Strasse = get("Strasse");
    u.PLZ = get("PLZ");
    u.Ort = get("Ort");
    u.Telefon = get("Telefon");
    u.Fax = get("Fax");
    u.EMail = get("EMail");
    u.Vortext = UnescapeLineBreaks(get("Vortext"));
    u.Sprache = get("Sprache");
}
}  // namespace

bool ReadUserdaten(TUserdaten& u, bool melden)
{
    u = TUserdaten{};
    if (!WertDateiVorhanden()) {
        if (melden) MeldeZetawerteFehlen();
        return false;
    }
    const TIniFile ini(WertDateiPfad());
    readUserTexts(ini, u);
    u.HL = ini.ReadString(QString::fromLatin1(SektionHL), QString::fromLatin1(SchluesselHL), QString());
    return true;
}

bool ReadTip(bool& tip, bool melden)
{
    tip = false;
    if (!WertDateiVorhanden()) {
        if (melden) MeldeZetawerteFehlen();
        return false;
    }
    const TIniFile ini(WertDateiPfad());
    tip = ini.ReadBool(kUser, QString::fromLatin1(SchluesselTip), false);
    return true;
}

bool WriteTip(bool tip)
{
    return writeValueFile([&](TIniFile& ini) { ini.WriteBool(kUser, QString::fromLatin1(SchluesselTip), tip); });
}

namespace {

// The user texts and "Tip" of the section "Userdaten", from the record or
// from the settings dialog's whole texts.
template <class User>
bool writeUserTexts(const User& u, bool tip)
{
    return writeValueFile([&](TIniFile& ini) {
        const auto put = [&](const char* key, const QString& value) {
            ini.WriteString(kUser, QString::fromLatin1(key), value);
        };
        put("Firma", u.Firma);
        put("Nutzer", u.Nutzer);
        put("Strasse", u.Strasse);
        put("PLZ", u.PLZ);
        put("Ort", u.Ort);
        put("Telefon", u.Telefon);
        put("Fax", u.Fax);
        put("EMail", u.EMail);
        put("Vortext", EscapeLineBreaks(u.Vortext));
        put("Sprache", u.Sprache);
        ini.WriteBool(kUser, QString::fromLatin1(SchluesselTip), tip);
    });
}

}  // namespace

bool WriteUserdaten(const TUserdaten& u, bool tip)
{
    return writeUserTexts(u, tip);
}

bool ReadUserEingaben(TUserEingaben& e)
{
    e = TUserEingaben{};
    if (!WertDateiVorhanden()) return false;
    const TIniFile ini(WertDateiPfad());
    readUserTexts(ini, e);
    e.Tip = ini.ReadBool(kUser, QString::fromLatin1(SchluesselTip), false);
    return true;
}

bool WriteUserEingaben(const TUserEingaben& e)
{
    return writeUserTexts(e, e.Tip);
}

// ---- technical data --------------------------------------------------------

TTechnikDaten::TTechnikDaten()
{
    for (const TWertSektion& s : TechnischeSektionen())
        for (const QString& k : s.keys) {
            m_index.insert(k.toLower(), int(m_keys.size()));
            m_sections << s.name;
            m_keys << k;
            m_values << QString();
        }
}

QString TTechnikDaten::Value(const QString& key) const
{
    const int i = m_index.value(key.toLower(), -1);
    return i < 0 ? QString() : m_values.at(i);
}

bool TTechnikDaten::SetValue(const QString& key, const QString& text)
{
    const int i = m_index.value(key.toLower(), -1);
    if (i < 0) return false;
    SetValue(i, text);
    return true;
}

void TTechnikDaten::Clear()
{
    for (QString& v : m_values) v.clear();
}

bool ReadTechnikdaten(TTechnikDaten& daten)
{
    if (!WertDateiVorhanden()) return false;
    const TIniFile ini(WertDateiPfad());
    for (int i = 0; i < daten.Count(); ++i) daten.SetValue(i, ini.ReadString(daten.Section(i), daten.Key(i), QString()));
    return true;
}

bool WriteTechnikdaten(const TTechnikDaten& daten)
{
    return writeValueFile([&](TIniFile& ini) {
        for (int i = 0; i < daten.Count(); ++i)
            ini.WriteString(daten.Section(i), daten.Key(i), daten.Value(i).left(TTechnikDaten::Breite));
    });
}

// ---- enciphering at rest ------------------------------------------------------

namespace {
TWertDateiEntferner& entferner()
{
    static TWertDateiEntferner remove;
    return remove;
}
}  // namespace

TWertDateiEntferner SetWertDateiEntferner(TWertDateiEntferner remove)
{
    return std::exchange(entferner(), std::move(remove));
}

bool SBWerte_ent_und_verschluesseln(TFileCipher& cipher, int mode)
{
    if (mode != 0 && mode != 1) return false;
    const QString folder = ProgramFolder();
    const QString dec = FindFileNoCase(folder, QString::fromLatin1(WertDateiNameDec));
    const QString dat = FindFileNoCase(folder, QString::fromLatin1(WertDateiNameCipher));
    const QString& input = mode == 0 ? dec : dat;
    const QString& output = mode == 0 ? dat : dec;

    if (!QFileInfo(input).isFile()) {
        MessageDlg(WertDateiMessageText(8), mtError, mbOK);
        return false;
    }
    cipher.SetOutfile(output);
    cipher.SetInfile(input);
    cipher.SetPassword(QString::fromLatin1(WertDateiPasswort));
    const bool written = mode == 0 ? cipher.Decrypt() : cipher.Encrypt();
    // The input goes only once its counterpart stands whole on disk.
    if (!written) return false;
    const bool removed = entferner() ? entferner()(input) : QFile::remove(input);
    if (!removed)
        MessageDlg(WertDateiMessageText(3) + QDir::toNativeSeparators(input), mtError, mbOK);
    return true;
}

void SBWerteBeimStart(TFileCipher& cipher, bool andereInstanzLaeuft)
{
    // The running instance owns the value files.
    if (andereInstanzLaeuft) return;
    if (QFileInfo(WertDateiDecPfad()).isFile()) SBWerte_ent_und_verschluesseln(cipher, 0);
}

void SBWerteBeimEnde(TFileCipher& cipher)
{
    if (QFileInfo(FindFileNoCase(ProgramFolder(), QString::fromLatin1(WertDateiNameCipher))).isFile())
        SBWerte_ent_und_verschluesseln(cipher, 1);
}
