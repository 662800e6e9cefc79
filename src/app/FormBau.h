#pragma once
// Building a form's controls in code under the names its form resource
// gives them.
#include <QLatin1String>
#include <QString>
#include <QTabWidget>
#include <QWidget>

struct DfmObject;
class TComponentIndex;

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

// Makes what only the resource `object` knows below `parent`: every label
// (TLabel), bevel (TBevel) and picture (TImage) that `components` does not
// hold yet, named and added to it.  A new label starts with
// `labelAlignment` until the resource's Alignment and Layout say otherwise.
// The controls of an object the form has go below that object.
void createStaticControls(TComponentIndex& components, const DfmObject& object, QWidget* parent,
                          Qt::Alignment labelAlignment);

}  // namespace formbau
