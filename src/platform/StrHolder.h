#pragma once
// A component that keeps a list of texts in the form resource
// ("Strings.Strings = ( ... )"); code fetches them by index.
#include <QObject>
#include <QStringList>

class TStrHolder : public QObject {
    Q_OBJECT
    Q_PROPERTY(QStringList Strings READ Strings WRITE SetStrings)

public:
    explicit TStrHolder(QObject* parent = nullptr, const QString& name = QString());

    QStringList Strings() const { return m_strings; }
    void SetStrings(const QStringList& strings) { m_strings = strings; }

    // The text at `index` (0-based); empty text outside the list.
    QString item(int index) const;
    // The text at `index`, or the program's own text `defaults[index]`
    // (UTF-8) where the list has none.
    template <int N>
    QString item(int index, const char* const (&defaults)[N]) const
    {
        const QString t = item(index);
        if (!t.isEmpty() || index < 0 || index >= N) return t;
        return QString::fromUtf8(defaults[index]);
    }
    int count() const { return int(m_strings.size()); }

private:
    QStringList m_strings;
};
