#pragma once
// Building a form's controls in code under the names its form resource
// gives them.
#include <QLatin1String>
#include <QString>
#include <QTabWidget>
#include <QWidget>

namespace formbau {

// A new control of class T below `parent`, named `name`.
template <class T, class P>
T* make(P* parent, const char* name)
{
    T* o = new T(parent);
    o->setObjectName(QLatin1String(name));
    return o;
}

// A new page of `pages`, named `name`; its caption comes from the resource.
inline QWidget* makeTab(QTabWidget* pages, const char* name)
{
    auto* w = new QWidget(pages);
    w->setObjectName(QLatin1String(name));
    pages->addTab(w, QString());
    return w;
}

}  // namespace formbau
