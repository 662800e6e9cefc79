#include "app/Projekt.h"
#include "platform/Numbers.h"
#include <algorithm>

int NodeToSectionIndex(const TTreeNodeRef& node)
{
    return node.TopLevelIndex < 0 ? 0 : node.TopLevelIndex + 1;
}

int NodeToSectionIndex(int topLevelIndex, bool isChild)
{
    return NodeToSectionIndex(TTreeNodeRef{topLevelIndex, isChild});
}

int CountSectionNodes(const std::vector<int>& childCounts)
{
    return int(std::count_if(childCounts.begin(), childCounts.end(), [](int n) { return n > 0; }));
}

TProjekt::TProjekt()
{
    ResizeSections(0);
}

TTeilstrecke& TProjekt::Section(int k)
{
    return Teilstrecken.at(std::size_t(k < 0 ? Teilstrecken.size() : std::size_t(k)));
}

const TTeilstrecke& TProjekt::Section(int k) const
{
    return Teilstrecken.at(std::size_t(k < 0 ? Teilstrecken.size() : std::size_t(k)));
}

void TProjekt::clearRecord(TTeilstrecke& r, const char* kanalform)
{
    // Literal texts are shared without being copied, so clearing a record
    // allocates nothing.
    const QString null = QStringLiteral("0");
    const QString eins = QStringLiteral("1");
    r.Nummer = QString();
    r.Bezeichnung = QString();
    r.Materialart = eins;
    r.Kanalform = qstrcmp(kanalform, "1") == 0 ? eins : qstrcmp(kanalform, "0") == 0 ? null : QString::fromLatin1(kanalform);
    for (ShortStr<10>* f : {&r.DNRohr, &r.KanalHoehe, &r.Laenge, &r.Volumenstrom, &r.Geschw, &r.HydrDurchm,
                            &r.Flaeche, &r.DpRohr, &r.DpFormstueck, &r.DpGesamt})
        *f = null;
    for (int i = 1; i <= EinbautenAnzahl; ++i) {
        TEinbauEintrag& e = r.EinbautenArr[size_t(i)];
        e.Code = QString();
        e.Zeta = null;
        e.Anzahl = null;
    }
    for (int j = 1; j <= FremdEinbautenAnzahl; ++j) {
        TFremdEinbauEintrag& f = r.FremdEinbautenArr[size_t(j)];
        f.Beschreibung = QString();
        f.Dp = null;
        f.Anzahl = null;
    }
}

void TProjekt::ResizeSections(int n)
{
    if (n < 0) n = 0;
    const std::size_t old = Teilstrecken.size();
    Teilstrecken.resize(std::size_t(n) + 1);
    for (std::size_t i = old; i < Teilstrecken.size(); ++i) clearRecord(Teilstrecken[i], "1");
    TSAnzahl = n;
}

int TProjekt::CountSections(const std::vector<int>& childCounts)
{
    TSAnzahl = CountSectionNodes(childCounts);
    return TSAnzahl;
}

void TProjekt::ClearSectionRecord(int k)
{
    clearRecord(Section(k), "1");
}

void TProjekt::ClearNewProjectRecord(int k)
{
    clearRecord(Section(k), "0");
}

void TProjekt::StartNewProject(int n)
{
    Teilstrecken.clear();
    TeilstreckenKopie.clear();
    ResizeSections(n);
    for (int k = 1; k <= TSAnzahl; ++k) ClearNewProjectRecord(k);
    Projektdaten = TProjektdaten();
    VpLeitungGes = DpLeitungGes = Wellenleistung = 0;
    StueckSumme = 0;
    ProjektGespeichert = false;
    ProjektGeladen = false;
    ProjektNeu = true;
    AlleBerechnet = false;
    TSLeer = false;
    Projektdateiname.clear();
}

void TProjekt::CloseProject()
{
    Teilstrecken.clear();
    TeilstreckenKopie.clear();
    ResizeSections(0);
    Projektdaten = TProjektdaten();
    VpLeitungGes = DpLeitungGes = Wellenleistung = 0;
    StueckSumme = 0;
    ProjektGespeichert = false;
    ProjektGeladen = false;
    ProjektNeu = false;
    AlleBerechnet = false;
    TSLeer = false;
    Projektdateiname.clear();
}

namespace {

// The fields a backup carries; `withName` also carries Bezeichnung.
void copyInputs(TTeilstrecke& dst, const TTeilstrecke& src, bool withName)
{
    if (withName) dst.Bezeichnung = src.Bezeichnung;
    dst.Nummer = src.Nummer;
    dst.Materialart = src.Materialart;
    dst.Kanalform = src.Kanalform;
    dst.DNRohr = src.DNRohr;
    dst.KanalHoehe = src.KanalHoehe;
    dst.Laenge = src.Laenge;
    dst.Volumenstrom = src.Volumenstrom;
    dst.Geschw = src.Geschw;
    dst.EinbautenArr = src.EinbautenArr;
    dst.FremdEinbautenArr = src.FremdEinbautenArr;
}

}  // namespace

void TProjekt::BackupSectionArray()
{
    TeilstreckenKopie.assign(std::size_t(TSAnzahl) + 1, TTeilstrecke());
    for (int k = 1; k <= TSAnzahl && k < int(Teilstrecken.size()); ++k)
        copyInputs(TeilstreckenKopie[std::size_t(k)], Teilstrecken[std::size_t(k)], true);
}

void TProjekt::RestoreSectionArrayShifted(int position, TRestoreMode mode)
{
    const int copyCount = int(TeilstreckenKopie.size()) - 1;  // sections in the backup
    const int targets = std::min(TSAnzahl, int(Teilstrecken.size()) - 1);
    if (mode == TRestoreMode::Delete) {
        int t = 1;
        for (int i = 1; i <= copyCount && t <= targets; ++i) {
            if (i == position) continue;
            copyInputs(Teilstrecken[std::size_t(t)], TeilstreckenKopie[std::size_t(i)], true);
            ++t;
        }
    } else {
        int s = 1;
        bool used = false;
        for (int t = 1; t <= targets; ++t) {
            if (!used && s == position) {
                used = true;  // the new, empty section takes this place
                continue;
            }
            if (s > copyCount) break;
            copyInputs(Teilstrecken[std::size_t(t)], TeilstreckenKopie[std::size_t(s)], false);
            ++s;
        }
    }
    TeilstreckenKopie.clear();
    TeilstreckenKopie.shrink_to_fit();
}

int TProjekt::SumFittingCounts(int k)
{
    const TTeilstrecke& r = Section(k);
    auto count = [](const QString& text) {
        if (text.trimmed().isEmpty()) return 0;
        return StrToInt(text);
    };
    int sum = 0;
    for (int i = 1; i <= EinbautenAnzahl; ++i) {
        const int n = count(r.Einbauten(i).Anzahl);
        if (n > 0) sum += n;
    }
    for (int j = 1; j <= FremdEinbautenAnzahl; ++j) {
        const int n = count(r.FremdEinbauten(j).Anzahl);
        if (n > 0) sum += n;
    }
    StueckSumme = sum;
    return sum;
}
