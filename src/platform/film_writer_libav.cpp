// MP4 (H.264 by libx264), WebM (VP9 by libvpx) and APNG through FFmpeg's
// libraries: the frames converted by libswscale, encoded by libavcodec and
// put in their container by libavformat, which writes the file itself.
#include <algorithm>
#include <bit>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include "platform/film_writer.h"
#include "platform/disk_failure.h"
#include "platform/apng_texts.h"
#include "platform/shown_path.h"

namespace momentart {

namespace {

// The canvas's pixels R | G << 8 | B << 16 lie in memory as R, G, B, 0.
static_assert(std::endian::native == std::endian::little);
constexpr AVPixelFormat kCanvasPixels = AV_PIX_FMT_RGB0;

using Options = std::vector<std::pair<const char*, std::string>>;

struct Container {
    FilmFormat format;
    const char* muxer;
    const char* encoder;
    AVPixelFormat pixels;
    Options (*codecOptions)(int quality);
    Options muxerOptions;
};

std::string number(double value) { return std::to_string(static_cast<long>(std::lround(value))); }

const Container kContainers[] = {
    // Browsers and phones play H.264 in 4:2:0 with its index at the front,
    // but not the lossless profile CRF 0 would take. A film should take at
    // most eight times as long as its picture: x264's fastest preset with
    // CABAC back on takes 8.4 to 9.4 times the picture's CPU time (5.3 to 5.9
    // times its wall time on one job; on two the picture takes half the time
    // and the film hardly less), "veryfast" about 13 times, for files a third
    // smaller (bench/platform/film_bench.cpp).
    {FilmFormat::Mp4, "mp4", "libx264", AV_PIX_FMT_YUV420P,
     [](int quality) {
         // Two threads of x264's own, whatever --jobs says, so that a film's
         // bytes do not depend on it: a tenth less wall time on two cores.
         return Options{{"preset", "ultrafast"},
                        {"threads", "2"},
                        {"x264-params", "cabac=1"},
                        {"crf", number(std::max(1.0, 51.0 * (100 - quality) / 100))}};
     },
     {{"movflags", "+faststart"}}},
    // VP9's "good" deadline takes ten times as long for a file 10 % smaller.
    {FilmFormat::WebM, "webm", "libvpx-vp9", AV_PIX_FMT_YUV420P,
     [](int quality) {
         return Options{{"crf", number(63.0 * (100 - quality) / 100)}, {"b", "0"}, {"deadline", "realtime"},
                        {"cpu-used", "8"}, {"row-mt", "1"}};
     },
     {}},
    // Lossless. With an alpha channel the encoder leaves the pixels a frame
    // does not change clear, which shrinks a film of a lattice order 25
    // times; zlib at level 1 makes it three times as fast as at its default
    // for 30 % more bytes. The films loop as animated pictures do.
    {FilmFormat::Apng, "apng", "apng", AV_PIX_FMT_RGBA,
     [](int) { return Options{{"pred", "none"}, {"compression_level", "1"}}; }, {{"plays", "0"}}},
};

QString avFailure(int code) {
    if (const QString disk = diskFailure(AVUNERROR(code)); !disk.isEmpty()) return disk;
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

AVDictionary* dictionaryOf(const Options& options) {
    AVDictionary* dictionary = nullptr;
    for (const auto& [key, value] : options) av_dict_set(&dictionary, key, value.c_str(), 0);
    return dictionary;
}

class LibavFilmWriter final : public FilmWriter {
public:
    LibavFilmWriter(const Container& container, const QString& path, const FilmSettings& settings)
        : container_(container), path_(path), settings_(settings) {}

    ~LibavFilmWriter() override {
        sws_freeContext(scaler_);
        av_frame_free(&frame_);
        av_packet_free(&packet_);
        avcodec_free_context(&codec_);
        if (file_ != nullptr) {
            avio_closep(&file_->pb);
            avformat_free_context(file_);
        }
    }

    QString open() {
        const QByteArray path = path_.toLocal8Bit();
        if (const int error = avformat_alloc_output_context2(&file_, nullptr, container_.muxer, path.constData());
            error < 0)
            return "cannot make a " + QString(container_.muxer) + " file (" + avFailure(error) + ")";
        const AVCodec* encoder = avcodec_find_encoder_by_name(container_.encoder);
        if (encoder == nullptr) return QString("FFmpeg here has no %1 encoder").arg(container_.encoder);
        AVStream* stream = avformat_new_stream(file_, nullptr);
        codec_ = avcodec_alloc_context3(encoder);
        frame_ = av_frame_alloc();
        packet_ = av_packet_alloc();
        if (stream == nullptr || codec_ == nullptr || frame_ == nullptr || packet_ == nullptr)
            return "not enough memory for the encoder";
        stream_ = stream;

        // 4:2:0 needs an even width and height: an odd one gains a column or
        // row repeating the edge, so no pixel is resampled.
        const bool halved = container_.pixels == AV_PIX_FMT_YUV420P;
        codec_->width = halved ? (settings_.width + 1) & ~1 : settings_.width;
        codec_->height = halved ? (settings_.height + 1) & ~1 : settings_.height;
        codec_->pix_fmt = container_.pixels;
        codec_->time_base = AVRational{1, settings_.fps};
        codec_->framerate = AVRational{settings_.fps, 1};
        if (halved) {
            codec_->color_range = AVCOL_RANGE_MPEG;
            codec_->colorspace = AVCOL_SPC_BT709;
            codec_->color_primaries = AVCOL_PRI_BT709;
            codec_->color_trc = AVCOL_TRC_BT709;
        }
        if (file_->oformat->flags & AVFMT_GLOBALHEADER) codec_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        AVDictionary* codecOptions = dictionaryOf(container_.codecOptions(settings_.quality));
        const int opened = avcodec_open2(codec_, encoder, &codecOptions);
        av_dict_free(&codecOptions);
        if (opened < 0) return QString("the %1 encoder refused the film (%2)").arg(container_.encoder, avFailure(opened));
        if (const int error = avcodec_parameters_from_context(stream->codecpar, codec_); error < 0)
            return "cannot describe the film's stream (" + avFailure(error) + ")";
        stream->time_base = codec_->time_base;
        stream->avg_frame_rate = codec_->framerate;

        const QString title = textOf(settings_.texts, "Title");
        const QString recipe = textOf(settings_.texts, "Recipe");
        if (!title.isEmpty()) av_dict_set(&file_->metadata, "title", title.toUtf8().constData(), 0);
        if (!recipe.isEmpty()) av_dict_set(&file_->metadata, "comment", recipe.toUtf8().constData(), 0);

        if (const int error = avio_open(&file_->pb, path.constData(), AVIO_FLAG_WRITE); error < 0) return avFailure(error);
        AVDictionary* muxerOptions = dictionaryOf(container_.muxerOptions);
        const int header = avformat_write_header(file_, &muxerOptions);
        av_dict_free(&muxerOptions);
        if (header < 0) return avFailure(header);

        frame_->format = codec_->pix_fmt;
        frame_->width = codec_->width;
        frame_->height = codec_->height;
        if (av_frame_get_buffer(frame_, 0) < 0) return "not enough memory for a frame";
        scaler_ = sws_getContext(settings_.width, settings_.height, kCanvasPixels, settings_.width, settings_.height,
                                 container_.pixels, SWS_BICUBIC | SWS_ACCURATE_RND | SWS_FULL_CHR_H_INP, nullptr,
                                 nullptr, nullptr);
        if (scaler_ == nullptr) return "cannot convert the frames for the encoder";
        if (halved) {
            const int* bt709 = sws_getCoefficients(SWS_CS_ITU709);
            sws_setColorspaceDetails(scaler_, bt709, 1, bt709, 0, 0, 1 << 16, 1 << 16);
        }
        return {};
    }

    QString add(const Canvas& canvas) override {
        if (const int error = av_frame_make_writable(frame_); error < 0) return avFailure(error);
        const uint8_t* source[] = {reinterpret_cast<const uint8_t*>(canvas.data())};
        const int stride[] = {canvas.width() * 4};
        sws_scale(scaler_, source, stride, 0, canvas.height(), frame_->data, frame_->linesize);
        repeatEdges();
        return repeat();
    }

    QString repeat() override {
        frame_->pts = frames_++;
        if (const int error = avcodec_send_frame(codec_, frame_); error < 0) return avFailure(error);
        return writePackets();
    }

    QString finish() override {
        if (const int error = avcodec_send_frame(codec_, nullptr); error < 0) return avFailure(error);
        if (const QString error = writePackets(); !error.isEmpty()) return error;
        if (const int error = av_write_trailer(file_); error < 0) return avFailure(error);
        // Closing forgets a failure of the last write: it is asked first.
        avio_flush(file_->pb);
        if (file_->pb->error < 0) return avFailure(file_->pb->error);
        if (const int error = avio_closep(&file_->pb); error < 0) return avFailure(error);
        if (container_.format == FilmFormat::Apng) return addPngTexts(path_, settings_.texts);
        return {};
    }

private:
    // The column and row added to an odd picture repeat its edge.
    void repeatEdges() {
        uint8_t* luma = frame_->data[0];
        const int pitch = frame_->linesize[0];
        if (codec_->width > settings_.width)
            for (int row = 0; row < settings_.height; ++row)
                luma[row * pitch + settings_.width] = luma[row * pitch + settings_.width - 1];
        if (codec_->height > settings_.height)
            std::copy_n(luma + (settings_.height - 1) * pitch, codec_->width, luma + settings_.height * pitch);
    }

    // Every packet the encoder has ready, into the file.
    QString writePackets() {
        for (;;) {
            const int received = avcodec_receive_packet(codec_, packet_);
            if (received == AVERROR(EAGAIN) || received == AVERROR_EOF) return {};
            if (received < 0) return avFailure(received);
            packet_->duration = 1;
            av_packet_rescale_ts(packet_, codec_->time_base, stream_->time_base);
            packet_->stream_index = stream_->index;
            if (const int error = av_interleaved_write_frame(file_, packet_); error < 0) return avFailure(error);
        }
    }

    const Container& container_;
    QString path_;
    FilmSettings settings_;
    AVFormatContext* file_ = nullptr;
    AVStream* stream_ = nullptr;
    AVCodecContext* codec_ = nullptr;
    AVFrame* frame_ = nullptr;
    AVPacket* packet_ = nullptr;
    SwsContext* scaler_ = nullptr;
    long frames_ = 0;
};

}  // namespace

std::unique_ptr<FilmWriter> openLibavFilmWriter(FilmFormat format, const QString& path, const FilmSettings& settings,
                                                QString& error) {
    // Failures are told in one line of ours; the libraries' own chatter
    // (x264's capabilities, ...) would only come first and confuse it.
    av_log_set_level(AV_LOG_QUIET);
    for (const Container& container : kContainers) {
        if (container.format != format) continue;
        auto writer = std::make_unique<LibavFilmWriter>(container, path, settings);
        if (const QString problem = writer->open(); !problem.isEmpty()) {
            error = shownPath(path) + ": " + problem;
            return nullptr;
        }
        return writer;
    }
    error = path + ": not a film FFmpeg writes here";
    return nullptr;
}

}  // namespace momentart
