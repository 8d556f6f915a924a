// Films read back for the tests, by the libraries that players use:
// libavformat and libavcodec for MP4, WebM and APNG, libwebp's animation
// decoder for WebP (FFmpeg does not decode animated WebP).
#pragma once

#include <QFile>
#include <QImage>
#include <QString>
#include <cmath>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}
#include <webp/demux.h>

namespace momentart::testing {

struct FilmRead {
    QString codec;
    QString comment;  // the container's comment (MP4, WebM)
    std::vector<QImage> frames;  // RGB888
};

inline QImage rgbOf(const AVFrame* frame) {
    QImage image(frame->width, frame->height, QImage::Format_RGB888);
    SwsContext* scaler = sws_getContext(frame->width, frame->height, static_cast<AVPixelFormat>(frame->format),
                                        frame->width, frame->height, AV_PIX_FMT_RGB24, SWS_BICUBIC | SWS_ACCURATE_RND,
                                        nullptr, nullptr, nullptr);
    if (frame->colorspace == AVCOL_SPC_BT709) {
        const int* bt709 = sws_getCoefficients(SWS_CS_ITU709);
        sws_setColorspaceDetails(scaler, bt709, frame->color_range == AVCOL_RANGE_JPEG, bt709, 1, 0, 1 << 16, 1 << 16);
    }
    uint8_t* target[] = {image.bits()};
    const int pitch[] = {static_cast<int>(image.bytesPerLine())};
    sws_scale(scaler, frame->data, frame->linesize, 0, frame->height, target, pitch);
    sws_freeContext(scaler);
    return image;
}

inline FilmRead readWithLibav(const QString& path) {
    FilmRead film;
    AVFormatContext* file = nullptr;
    if (avformat_open_input(&file, path.toLocal8Bit().constData(), nullptr, nullptr) < 0) return film;
    avformat_find_stream_info(file, nullptr);
    if (const AVDictionaryEntry* comment = av_dict_get(file->metadata, "comment", nullptr, 0))
        film.comment = QString::fromUtf8(comment->value);
    const int stream = av_find_best_stream(file, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    const AVCodec* decoder = avcodec_find_decoder(file->streams[stream]->codecpar->codec_id);
    film.codec = decoder->name;
    AVCodecContext* codec = avcodec_alloc_context3(decoder);
    avcodec_parameters_to_context(codec, file->streams[stream]->codecpar);
    avcodec_open2(codec, decoder, nullptr);
    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    const auto receive = [&] {
        while (avcodec_receive_frame(codec, frame) == 0) film.frames.push_back(rgbOf(frame));
    };
    while (av_read_frame(file, packet) >= 0) {
        if (packet->stream_index == stream) avcodec_send_packet(codec, packet);
        av_packet_unref(packet);
        receive();
    }
    avcodec_send_packet(codec, nullptr);
    receive();
    av_frame_free(&frame);
    av_packet_free(&packet);
    avcodec_free_context(&codec);
    avformat_close_input(&file);
    return film;
}

inline FilmRead readWebp(const QString& path) {
    FilmRead film;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return film;
    const QByteArray bytes = file.readAll();
    const WebPData data{reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size())};
    WebPAnimDecoderOptions options;
    WebPAnimDecoderOptionsInit(&options);
    options.color_mode = MODE_RGBA;
    WebPAnimDecoder* decoder = WebPAnimDecoderNew(&data, &options);
    if (decoder == nullptr) return film;
    film.codec = "webp";
    WebPAnimInfo info;
    WebPAnimDecoderGetInfo(decoder, &info);
    const int width = static_cast<int>(info.canvas_width), height = static_cast<int>(info.canvas_height);
    while (WebPAnimDecoderHasMoreFrames(decoder)) {
        uint8_t* pixels = nullptr;
        int timestamp = 0;
        WebPAnimDecoderGetNext(decoder, &pixels, &timestamp);
        film.frames.push_back(QImage(pixels, width, height, width * 4, QImage::Format_RGBA8888)
                                  .convertToFormat(QImage::Format_RGB888));
    }
    WebPAnimDecoderDelete(decoder);
    return film;
}

inline FilmRead readFilm(const QString& path) {
    return path.endsWith(".webp") ? readWebp(path) : readWithLibav(path);
}

// Peak signal-to-noise ratio of two pictures of one size, over R, G and B, in dB.
inline double psnr(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB888), y = b.convertToFormat(QImage::Format_RGB888);
    double squares = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int n = 0; n < x.width() * 3; ++n) {
            const double d = x.constScanLine(row)[n] - y.constScanLine(row)[n];
            squares += d * d;
        }
    const double mean = squares / (3.0 * x.width() * x.height());
    return mean == 0 ? INFINITY : 10 * std::log10(255.0 * 255.0 / mean);
}

}  // namespace momentart::testing
