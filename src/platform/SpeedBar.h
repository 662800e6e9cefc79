#pragma once
// The tool bar with sections and flat buttons, and the picture control
// placed on it.  Buttons are placed by their own geometry; a section is a
// named group the buttons refer to.
#include <QFrame>
#include <QLabel>
#include <QObject>
#include <QPixmap>
#include <QToolButton>

class TSpeedBar : public QFrame {
    Q_OBJECT
    Q_PROPERTY(int BtnWidth READ BtnWidth WRITE SetBtnWidth)
    Q_PROPERTY(int BtnHeight READ BtnHeight WRITE SetBtnHeight)
    Q_PROPERTY(QStringList Options READ Options WRITE SetOptions)
public:
    explicit TSpeedBar(QWidget* parent = nullptr);
    int BtnWidth() const { return m_btnWidth; }
    void SetBtnWidth(int w) { m_btnWidth = w; }
    int BtnHeight() const { return m_btnHeight; }
    void SetBtnHeight(int h) { m_btnHeight = h; }
    // "sbFlatBtns" draws the buttons flat.
    QStringList Options() const { return m_options; }
    void SetOptions(const QStringList& options);

private:
    int m_btnWidth = 24;
    int m_btnHeight = 23;
    QStringList m_options;
};

class TSpeedbarSection : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
public:
    explicit TSpeedbarSection(QObject* owner = nullptr) : QObject(owner) {}
    QString Caption() const { return m_caption; }
    void SetCaption(const QString& c) { m_caption = c; }

private:
    QString m_caption;
};

class TSpeedItem : public QToolButton {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QString SectionName READ SectionName WRITE SetSectionName)
    Q_PROPERTY(int Spacing READ Spacing WRITE SetSpacing)
public:
    explicit TSpeedItem(QWidget* parent = nullptr);
    // The caption is kept for the menu texts of a translation; the button
    // shows its glyph and gives the hint as tool tip.
    QString Caption() const { return m_caption; }
    void SetCaption(const QString& c) { m_caption = c; }
    QString SectionName() const { return m_section; }
    void SetSectionName(const QString& s) { m_section = s; }
    int Spacing() const { return m_spacing; }
    void SetSpacing(int s) { m_spacing = s; }

private:
    QString m_caption;
    QString m_section;
    int m_spacing = 1;
};

// A picture; with Stretch the picture fills the control.
class TImage : public QLabel {
    Q_OBJECT
    Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)
    Q_PROPERTY(bool Center READ Center WRITE SetCenter)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
public:
    explicit TImage(QWidget* parent = nullptr);
    bool Stretch() const { return hasScaledContents(); }
    void SetStretch(bool on) { setScaledContents(on); }
    bool Center() const { return m_center; }
    void SetCenter(bool on);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool on) { m_transparent = on; }
    // False (and the picture unchanged) when the file is missing or no picture.
    bool LoadFromFile(const QString& fileName);
    bool HasPicture() const;

private:
    bool m_center = false;
    bool m_transparent = false;
};
