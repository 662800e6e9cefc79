#pragma once
// What the program's dialogs share: loading their form resource (with the
// border, the position, panel bevels, button kinds and the tab order that
// plain Qt properties do not carry) and passing F1 on to the main window.
#include <QDialog>
#include <functional>

struct DfmObject;
class QShowEvent;
class QKeyEvent;

class TAppDialog : public QDialog {
    Q_OBJECT

public:
    explicit TAppDialog(QWidget* parent = nullptr);

signals:
    // F1 went down on `control` (its help context, else the dialog's).
    void HilfeAngefordert(const QWidget* control);

protected:
    // Applies the embedded form resource to the components made so far;
    // labels, bevels and pictures the code does not need to know are made
    // from the resource.  Throws EFormResourceError when it is damaged.
    void LoadForm(const QString& resourcePath);
    // The focus moves through the controls of each container in the order
    // of their TabOrder, a container's own controls before the next one.
    void ApplyTabOrder(QWidget* parent);
    // The question before a dialog with unsaved changes closes: Yes saves
    // through `save`, No closes without saving; Escape, the box's close
    // button and a failed save keep the dialog open with what was typed.
    // True when the dialog may close.
    static bool MayCloseAfterAsking(const QString& question, const std::function<bool()>& save);

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void applyResourceExtras(const DfmObject& object);
    bool m_screenCenter = false;
};
