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
    int count() const { return int(m_strings.size()); }

private:
    QStringList m_strings;
};
