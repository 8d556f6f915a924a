#include "platform/apng_texts.h"

#include <QBuffer>
#include <QFile>
#include <QSaveFile>
#include <QtEndian>
#include <cerrno>

#include "platform/png_encoder.h"
#include "platform/whole_file.h"

namespace momentart {

namespace {

const QByteArray kSignature("\x89PNG\r\n\x1a\n", 8);
constexpr qsizetype kChunkFrame = 12;   // length, type and check of a chunk
constexpr qsizetype kHeaderSize = 13;   // the data of IHDR
constexpr qint64 kCopyBlock = 1 << 20;

// The text chunks (tEXt, zTXt, iTXt) of a whole PNG, as they stand.
QByteArray textChunksOf(const QByteArray& png) {
    QByteArray chunks;
    for (qsizetype at = kSignature.size(); at + kChunkFrame <= png.size();) {
        const qsizetype length = qFromBigEndian<quint32>(png.constData() + at);
        const QByteArray type = png.mid(at + 4, 4);
        if (type == "tEXt" || type == "zTXt" || type == "iTXt") chunks += png.mid(at, kChunkFrame + length);
        at += kChunkFrame + length;
    }
    return chunks;
}

QString failureOf(const QFileDevice& file, int error) { return error != 0 ? failureText(error) : file.errorString(); }

}  // namespace

QString addPngTexts(const QString& path, const ImageTexts& texts) {
    QBuffer made;
    made.open(QIODevice::WriteOnly);
    QImage dot(1, 1, QImage::Format_RGB888);
    dot.fill(Qt::black);
    if (const QString error = writePng(made, dot, texts); !error.isEmpty()) return "cannot make its texts (" + error + ")";
    const QByteArray chunks = textChunksOf(made.data());

    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) return in.errorString();
    const QByteArray head = in.read(kSignature.size() + kChunkFrame + kHeaderSize);
    if (!head.startsWith(kSignature) || head.mid(kSignature.size() + 4, 4) != "IHDR" ||
        qFromBigEndian<quint32>(head.constData() + kSignature.size()) != kHeaderSize)
        return "not a PNG that begins with its header";
    QSaveFile out(path);
    errno = 0;
    if (!out.open(QIODevice::WriteOnly)) return failureOf(out, errno);
    const auto put = [&out](const QByteArray& bytes) { return out.write(bytes) == bytes.size(); };
    bool written = put(head) && put(chunks);
    while (written && !in.atEnd()) {
        const QByteArray block = in.read(kCopyBlock);
        if (block.isEmpty()) return in.errorString();
        written = put(block);
    }
    if (!written) return failureOf(out, errno);
    errno = 0;
    if (!out.commit()) return failureOf(out, errno);
    return {};
}

}  // namespace momentart
