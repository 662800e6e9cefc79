#pragma once
// Where the calculation and the section store take their engineering
// values from: the value file beside the program, or a table in tests.
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class IValueSource {
public:
    virtual ~IValueSource() = default;
    // False when there is no value file; the caller reports "Zetawerte nicht vorhanden".
    virtual bool Available() const = 0;
    // The text stored under section and key (names without regard to case);
    // empty when missing.
    virtual QString ReadValue(const QString& section, const QString& key) const = 0;
    // Several values in one operation (the value file is opened once), in
    // the order asked for.
    virtual QStringList ReadValues(const QList<QPair<QString, QString>>& sectionKeys) const
    {
        QStringList out;
        out.reserve(sectionKeys.size());
        for (const auto& sk : sectionKeys) out << ReadValue(sk.first, sk.second);
        return out;
    }
};
