#pragma once
// The state of the open project: the section array with its backup copy,
// the project flags, the file name, the network totals and the header.
// The main window owns one TProjekt for the whole run.
#include "app/Projektdaten.h"
#include "app/Teilstrecke.h"
#include <QString>
#include <vector>

// How a backup is written back around a changed section count.
enum class TRestoreMode { Insert, Delete };

// Where a tree node sits, described without the tree control:
// the index (0-based) of the top-level section node that is the node itself
// or its parent, and whether the node is one of the two children
// ("Zubehör", "Formstücke").
struct TTreeNodeRef {
    int TopLevelIndex = -1;
    bool IsChild = false;
};

// The section number (1-based) of a tree node; a child maps to its parent's
// section.  A node reference with a negative top-level index gives 0.
int NodeToSectionIndex(const TTreeNodeRef& node);
int NodeToSectionIndex(int topLevelIndex, bool isChild);

// The number of section nodes: `childCounts` holds, for every node of the
// tree in any order, the number of its children; a node with children is a
// section node.
int CountSectionNodes(const std::vector<int>& childCounts);

class TProjekt {
public:
    TProjekt();

    // Records 0..TSAnzahl; record k (1..TSAnzahl) is the k-th section node,
    // record 0 belongs to no section.
    std::vector<TTeilstrecke> Teilstrecken;
    // Filled only between BackupSectionArray and RestoreSectionArrayShifted.
    std::vector<TTeilstrecke> TeilstreckenKopie;
    int TSAnzahl = 0;

    // Nothing changed since the project was opened or last written.
    bool ProjektGespeichert = false;
    bool ProjektGeladen = false;
    bool ProjektNeu = false;
    bool AlleBerechnet = false;
    bool TSLeer = false;
    QString Projektdateiname;

    double VpLeitungGes = 0;   // largest volume flow, m³/h
    double DpLeitungGes = 0;   // sum of the sections' total losses, Pa
    double Wellenleistung = 0; // fan shaft power, kW
    int StueckSumme = 0;       // piece count of one section (SumFittingCounts)

    TProjektdaten Projektdaten;

    // Record k, 0..TSAnzahl; throws std::out_of_range outside.
    TTeilstrecke& Section(int k);
    const TTeilstrecke& Section(int k) const;

    // Re-allocates the array for n sections (n + 1 records) and sets
    // TSAnzahl := n.  Records that exist already keep their contents;
    // records that are added come cleared (ClearSectionRecord).  n < 0 is 0.
    void ResizeSections(int n);

    // TSAnzahl := the number of section nodes (see CountSectionNodes).  The
    // array is not re-allocated; call ResizeSections(TSAnzahl) afterwards.
    int CountSections(const std::vector<int>& childCounts);

    // Record k := an empty section (Materialart "1", Kanalform "1", numbers
    // "0", empty codes and descriptions).  ZetaSumme and FremdSumme are left.
    void ClearSectionRecord(int k);
    // The record of a section that a new project creates: as
    // ClearSectionRecord, but with Kanalform "0".
    void ClearNewProjectRecord(int k);

    // Drops the open project and starts a new one of n sections: array for
    // n sections with new-project records, header cleared, totals 0, flags
    // of a new unnamed project (not saved, not loaded, new, not calculated).
    void StartNewProject(int n);
    // Drops the open project: no sections, header cleared, totals 0, flags
    // of "no project" (not saved, not loaded, not new, not calculated).
    void CloseProject();

    // TeilstreckenKopie := the input fields of records 1..TSAnzahl (name,
    // number, material, shape, dimensions, length, flow, velocity, all
    // fitting slots and further components).
    void BackupSectionArray();
    // Copies the backup back with a shift of one at `position` (1-based) and
    // frees it.  The caller has re-allocated and cleared Teilstrecken for the
    // new TSAnzahl before.  Delete: backup record `position` is dropped, the
    // later ones move down.  Insert: target `position` stays the cleared
    // record, the later backup records move up; names are not carried.
    void RestoreSectionArrayShifted(int position, TRestoreMode mode);

    // StueckSumme := sum of the counts greater than 0 of the 99 fitting slots
    // and the 20 further components of record k.  An empty count is 0; a
    // count that is not an integer throws EConvertError.
    int SumFittingCounts(int k);

private:
    void clearRecord(TTeilstrecke& r, const char* kanalform);
};
