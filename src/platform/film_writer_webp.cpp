// Animated WebP through libwebp: its animation encoder finds what changed
// from frame to frame; the texts go in the file's XMP.
#include <QFile>
#include <bit>
#include <cerrno>

#include <webp/encode.h>
#include <webp/mux.h>

#include "platform/disk_failure.h"
#include "platform/film_writer.h"
#include "platform/film_xmp.h"
#include "platform/shown_path.h"

namespace momentart {

namespace {

// The canvas's pixels R | G << 8 | B << 16 lie in memory as R, G, B, 0.
static_assert(std::endian::native == std::endian::little);

// The effort of lossless compression, 0..9 (libwebp's own default is 6).
constexpr int kLosslessEffort = 4;

// Owns a WebPData that libwebp filled.
struct OwnedData {
    WebPData data;
    OwnedData() { WebPDataInit(&data); }
    ~OwnedData() { WebPDataClear(&data); }
    OwnedData(const OwnedData&) = delete;
    OwnedData& operator=(const OwnedData&) = delete;
};

class WebpFilmWriter final : public FilmWriter {
public:
    WebpFilmWriter(const QString& path, const FilmSettings& settings) : path_(path), settings_(settings) {}
    ~WebpFilmWriter() override { WebPAnimEncoderDelete(encoder_); }

    QString open() {
        WebPAnimEncoderOptions options;
        if (!WebPAnimEncoderOptionsInit(&options) || !WebPConfigInit(&config_))
            return "libwebp here is not the version momentart was built with";
        options.anim_params.loop_count = 0;  // loops, as animated pictures do
        encoder_ = WebPAnimEncoderNew(settings_.width, settings_.height, &options);
        if (encoder_ == nullptr) return "not enough memory for the encoder";
        if (settings_.quality >= 100) {
            WebPConfigLosslessPreset(&config_, kLosslessEffort);
        } else {
            config_.quality = static_cast<float>(settings_.quality);
        }
        if (!WebPValidateConfig(&config_)) return "libwebp refused the settings";
        // The file is written whole at the end; it must be writable now.
        QFile file(path_);
        if (!file.open(QIODevice::WriteOnly)) return file.errorString();
        return {};
    }

    QString add(const Canvas& frame) override {
        WebPPicture picture;
        if (!WebPPictureInit(&picture)) return "libwebp here is not the version momentart was built with";
        picture.use_argb = 1;
        picture.width = frame.width();
        picture.height = frame.height();
        const bool imported =
            WebPPictureImportRGBX(&picture, reinterpret_cast<const uint8_t*>(frame.data()), frame.width() * 4);
        const bool added = imported && WebPAnimEncoderAdd(encoder_, &picture, timestamp(frames_++), &config_);
        WebPPictureFree(&picture);
        if (!imported) return "not enough memory for a frame";
        if (!added) return QString("libwebp: ") + WebPAnimEncoderGetError(encoder_);
        return {};
    }

    // libwebp would keep it as one longer frame anyway (everyFrame).
    QString repeat() override {
        ++frames_;
        return {};
    }

    QString finish() override {
        OwnedData film;
        if (!WebPAnimEncoderAdd(encoder_, nullptr, timestamp(frames_), nullptr) ||
            !WebPAnimEncoderAssemble(encoder_, &film.data))
            return QString("libwebp: ") + WebPAnimEncoderGetError(encoder_);
        OwnedData clearDot;
        if (!encodeClearDot(clearDot.data)) return "libwebp could not encode a frame";
        WebPMux* assembled = WebPMuxCreate(&film.data, 0);
        WebPMux* whole = WebPMuxNew();
        const QByteArray xmp = xmpOfTexts(settings_.texts);
        const WebPData xmpData{reinterpret_cast<const uint8_t*>(xmp.constData()), static_cast<size_t>(xmp.size())};
        OwnedData bytes;
        const bool muxed = assembled != nullptr && whole != nullptr && everyFrame(*assembled, *whole, clearDot.data) &&
                           WebPMuxSetChunk(whole, "XMP ", &xmpData, 1) == WEBP_MUX_OK &&
                           WebPMuxAssemble(whole, &bytes.data) == WEBP_MUX_OK;
        WebPMuxDelete(whole);
        WebPMuxDelete(assembled);
        if (!muxed) return "libwebp could not put the film together";
        return write(bytes.data);
    }

private:
    // Frame n begins at n / fps seconds, in whole milliseconds.
    int timestamp(long frame) const {
        return static_cast<int>((frame * 1000 + settings_.fps / 2) / settings_.fps);
    }

    // libwebp's encoder keeps a run of frames that show the same as one
    // longer frame. Each of them becomes a frame of its own again (one clear
    // pixel drawn over the last), so the film has every frame it was given.
    bool everyFrame(const WebPMux& assembled, WebPMux& whole, const WebPData& clearDot) const {
        WebPMuxAnimParams animation;
        int count = 0;
        if (WebPMuxGetAnimationParams(&assembled, &animation) != WEBP_MUX_OK ||
            WebPMuxSetAnimationParams(&whole, &animation) != WEBP_MUX_OK ||
            WebPMuxSetCanvasSize(&whole, settings_.width, settings_.height) != WEBP_MUX_OK ||
            WebPMuxNumChunks(&assembled, WEBP_CHUNK_ANMF, &count) != WEBP_MUX_OK)
            return false;
        long frame = 0;
        int end = 0;
        for (int n = 1; n <= count; ++n) {
            WebPMuxFrameInfo shown;
            if (WebPMuxGetFrame(&assembled, static_cast<uint32_t>(n), &shown) != WEBP_MUX_OK) return false;
            end += shown.duration;
            shown.duration = timestamp(frame + 1) - timestamp(frame);
            const bool pushed = WebPMuxPushFrame(&whole, &shown, 1) == WEBP_MUX_OK;
            WebPDataClear(&shown.bitstream);
            if (!pushed) return false;
            for (++frame; frame < frames_ && timestamp(frame) < end; ++frame) {
                const WebPMuxFrameInfo same{clearDot, 0, 0, timestamp(frame + 1) - timestamp(frame), WEBP_CHUNK_ANMF,
                                            WEBP_MUX_DISPOSE_NONE, WEBP_MUX_BLEND, {}};
                if (WebPMuxPushFrame(&whole, &same, 0) != WEBP_MUX_OK) return false;
            }
        }
        return frame == frames_;
    }

    // A frame of one clear pixel: drawn over the picture it changes nothing.
    static bool encodeClearDot(WebPData& data) {
        WebPConfig config;
        WebPPicture dot;
        if (!WebPConfigInit(&config) || !WebPPictureInit(&dot)) return false;
        config.lossless = 1;
        dot.use_argb = 1;
        dot.width = 1;
        dot.height = 1;
        WebPMemoryWriter memory;
        WebPMemoryWriterInit(&memory);
        dot.writer = WebPMemoryWrite;
        dot.custom_ptr = &memory;
        const bool encoded = WebPPictureAlloc(&dot) && (dot.argb[0] = 0, WebPEncode(&config, &dot));
        WebPPictureFree(&dot);
        data = {memory.mem, memory.size};
        return encoded;
    }

    QString write(const WebPData& bytes) {
        QFile file(path_);
        errno = 0;
        if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
        const auto size = static_cast<qint64>(bytes.size);
        if (file.write(reinterpret_cast<const char*>(bytes.bytes), size) != size) {
            const QString disk = diskFailure(errno);
            return disk.isEmpty() ? file.errorString() : disk;
        }
        return {};
    }

    QString path_;
    FilmSettings settings_;
    WebPAnimEncoder* encoder_ = nullptr;
    WebPConfig config_;
    long frames_ = 0;
};

}  // namespace

std::unique_ptr<FilmWriter> openWebpFilmWriter(const QString& path, const FilmSettings& settings, QString& error) {
    auto writer = std::make_unique<WebpFilmWriter>(path, settings);
    if (const QString problem = writer->open(); !problem.isEmpty()) {
        error = shownPath(path) + ": " + problem;
        return nullptr;
    }
    return writer;
}

}  // namespace momentart
