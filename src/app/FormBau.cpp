#include "app/FormBau.h"
#include "platform/FormResource.h"
#include "platform/PropertyPath.h"
#include "platform/SpeedBar.h"
#include <QFrame>
#include <QLabel>

namespace formbau {

void createStaticControls(TComponentIndex& components, const DfmObject& object, QWidget* parent,
                          Qt::Alignment labelAlignment)
{
    for (const DfmObject& child : object.children) {
        QObject* existing = components.Find(child.name);
        QWidget* childParent = qobject_cast<QWidget*>(existing);
        if (!existing) {
            QWidget* made = nullptr;
            if (child.className == QLatin1String("TLabel")) {
                auto* l = new QLabel(parent);
                l->setAlignment(labelAlignment);
                made = l;
            } else if (child.className == QLatin1String("TBevel")) {
                auto* f = new QFrame(parent);
                f->setFrameShape(QFrame::HLine);
                f->setFrameShadow(QFrame::Sunken);
                made = f;
            } else if (child.className == QLatin1String("TImage")) {
                made = new TImage(parent);
            }
            if (made) {
                made->setObjectName(child.name);
                components.Add(made);
                childParent = made;
            }
        }
        // Pages of a page control hold their controls themselves.
        createStaticControls(components, child, childParent ? childParent : parent, labelAlignment);
    }
}

}  // namespace formbau
