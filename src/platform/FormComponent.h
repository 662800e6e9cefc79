#pragma once
// Components with form entries of their own (a grid's cells, a cipher's
// key) implement this next to QObject; the form loader offers every
// property to the component first and tells it when loading is done.
#include "platform/FormResource.h"
#include <QString>

class TFormComponent {
public:
    virtual ~TFormComponent() = default;
    // Returns true when the component took the property or entry.
    virtual bool ReadFormProperty(const QString& name, const DfmValue& value) { return false; }
    // Entries the component writes back, in its own order (form writers).
    virtual QList<DfmProperty> WriteFormProperties() const { return {}; }
    // Called once after every property of the resource was applied.
    virtual void Loaded() {}
};
