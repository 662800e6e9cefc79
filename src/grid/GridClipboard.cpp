#include "grid/GridClipboard.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

constexpr qint64 Piece = 32768;

QString beforeZero(QString text)
{
    const qsizetype zero = text.indexOf(QChar(0));
    if (zero >= 0) text.truncate(zero);
    return text;
}

}  // namespace

QByteArray StreamText(QIODevice* stream)
{
    QByteArray bytes;
    if (!stream->isSequential()) stream->seek(0);
    for (;;) {
        const QByteArray piece = stream->read(Piece);
        if (piece.isEmpty()) break;
        const qsizetype zero = piece.indexOf('\0');
        if (zero >= 0) {
            bytes += piece.left(zero);
            break;
        }
        bytes += piece;
    }
    return bytes;
}

void StreamToClipboard(QIODevice* stream, const QString& format)
{
    if (!stream || !stream->isOpen()) return;
    const QByteArray bytes = StreamText(stream);
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return;
    if (format == ClipboardTextFormat) {
        clipboard->setText(QString::fromUtf8(bytes));
        return;
    }
    auto* data = new QMimeData;
    data->setData(format, bytes);
    clipboard->setMimeData(data);
}

void ClipboardToStream(QIODevice* stream, const QString& format)
{
    if (!stream || !stream->isOpen()) return;
    QByteArray bytes;
    if (const QClipboard* clipboard = QGuiApplication::clipboard()) {
        if (format == ClipboardTextFormat) {
            bytes = beforeZero(clipboard->text()).toUtf8();
        } else if (const QMimeData* data = clipboard->mimeData()) {
            bytes = data->data(format);
            const qsizetype zero = bytes.indexOf('\0');
            if (zero >= 0) bytes.truncate(zero);
        }
    }
    if (auto* buffer = qobject_cast<QBuffer*>(stream)) buffer->buffer().clear();
    if (!stream->isSequential()) stream->seek(0);
    for (qint64 at = 0; at < bytes.size(); at += Piece)
        if (stream->write(bytes.constData() + at, qMin(Piece, bytes.size() - at)) <= 0) break;
    if (!stream->isSequential()) stream->seek(0);
}
