#include "platform/SpeedBar.h"
#include <QFileInfo>
#include <QImageReader>

TSpeedBar::TSpeedBar(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::NoFrame);
}

void TSpeedBar::SetOptions(const QStringList& options)
{
    m_options = options;
    const bool flat = options.contains(QStringLiteral("sbFlatBtns"), Qt::CaseInsensitive);
    for (TSpeedItem* item : findChildren<TSpeedItem*>(Qt::FindDirectChildrenOnly)) item->setAutoRaise(flat);
}

TSpeedItem::TSpeedItem(QWidget* parent) : QToolButton(parent)
{
    setAutoRaise(true);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setFocusPolicy(Qt::NoFocus);
}

TImage::TImage(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TImage::SetCenter(bool on)
{
    m_center = on;
    setAlignment(on ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignTop));
}

bool TImage::LoadFromFile(const QString& fileName)
{
    if (!QFileInfo(fileName).isFile()) return false;
    QImageReader reader(fileName);
    const QImage image = reader.read();
    if (image.isNull()) return false;
    setPixmap(QPixmap::fromImage(image));
    return true;
}

bool TImage::HasPicture() const
{
    return !pixmap().isNull();
}
