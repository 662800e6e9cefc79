#pragma once
// A value source backed by a table, for the section store and calculation
// tests.
#include "app/Teilstrecke.h"
#include "app/WertQuelle.h"
#include <QMap>
#include <QString>

namespace berechnung_test {

class TTabellenWerte : public IValueSource {
public:
    bool available = true;
    QMap<QString, QString> values;  // "section/key" in lower case

    bool Available() const override { return available; }
    QString ReadValue(const QString& section, const QString& key) const override
    {
        ++reads;
        return values.value(name(section, key));
    }
    QStringList ReadValues(const QList<QPair<QString, QString>>& sectionKeys) const override
    {
        ++batches;
        return IValueSource::ReadValues(sectionKeys);
    }
    void set(const QString& section, const QString& key, const QString& value)
    {
        values[name(section, key)] = value;
    }
    void remove(const QString& section, const QString& key) { values.remove(name(section, key)); }

    mutable int reads = 0;    // values read
    mutable int batches = 0;  // several values read in one operation

    // Every zeta key holds its slot number as "<slot>,5" (so each slot's
    // value is different); the six roughnesses and the fan efficiency are set.
    static TTabellenWerte Voll()
    {
        TTabellenWerte w;
        for (const TSlotInfo& s : SlotTable())
            w.set(QString::fromLatin1(s.section), QString::fromLatin1(s.key), QString::number(s.slot) + ",5");
        w.set("Material", "EBlech", "0,15");
        w.set("Material", "EFlex", "1,2");
        w.set("Material", "EFaserzement", "0,1");
        w.set("Material", "EHolz", "0,6");
        w.set("Material", "EBeton", "1,5");
        w.set("Material", "EEGemauert", "4");
        w.set("Material", "EtaVentilator", "0,8");
        return w;
    }

private:
    static QString name(const QString& section, const QString& key)
    {
        return (section + "/" + key).toLower();
    }
};

}  // namespace berechnung_test
