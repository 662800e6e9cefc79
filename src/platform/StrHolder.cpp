#include "platform/StrHolder.h"

TStrHolder::TStrHolder(QObject* parent, const QString& name) : QObject(parent)
{
    if (!name.isEmpty()) setObjectName(name);
}

QString TStrHolder::item(int index) const
{
    if (index < 0 || index >= m_strings.size()) return QString();
    return m_strings.at(index);
}
