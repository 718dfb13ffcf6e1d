// AAC recordings: FFmpeg's AAC encoder and its MP4/M4A, CAF and ADTS muxers.
#include "platform/audio/RecordingSink_p.h"

#include "platform/audio/AudioRecorder.h"
#include "platform/audio/CafAacFile_p.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <memory>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
}

namespace TickwrenAudio {

namespace {

QString avError(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromLocal8Bit(text);
}

class AacFileSink : public RecordingSink
{
public:
    ~AacFileSink() override
    {
        if (m_bOpen)
            finish();
        release();
    }

    bool open(QString const& fileName, char const* muxer, Format const& format, QString* error)
    {
        QByteArray const path = QFile::encodeName(fileName);
        // FFmpeg's CAF muxer does not take AAC: CAF files are written here.
        bool const caf = qstrcmp(muxer, "caf") == 0;
        AVCodec const* codec = avcodec_find_encoder(AV_CODEC_ID_AAC);
        if (!codec || (!caf && avformat_alloc_output_context2(&m_pFormat, nullptr, muxer, path.constData()) < 0)) {
            *error = QCoreApplication::translate("TickwrenAudio::AudioRecorder", "The AAC encoder is not available.");
            return false;
        }
        m_pCodec = avcodec_alloc_context3(codec);
        m_pStream = caf ? nullptr : avformat_new_stream(m_pFormat, nullptr);
        m_pFrame = av_frame_alloc();
        m_pPacket = av_packet_alloc();
        if (!m_pCodec || (!caf && !m_pStream) || !m_pFrame || !m_pPacket) {
            *error = QCoreApplication::translate("TickwrenAudio::AudioRecorder", "The AAC encoder is not available.");
            return false;
        }
        m_pCodec->sample_fmt = AV_SAMPLE_FMT_FLTP;
        m_pCodec->sample_rate = format.sampleRate;
        av_channel_layout_default(&m_pCodec->ch_layout, format.channels);
        m_pCodec->bit_rate = format.bitRate;
        m_pCodec->time_base = AVRational{1, format.sampleRate};
        // MP4 and CAF carry the decoder's set-up in their headers.
        if (caf || (m_pFormat->oformat->flags & AVFMT_GLOBALHEADER))
            m_pCodec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        // The lower qualities trade the encoder's care for speed.
        av_opt_set(m_pCodec->priv_data, "aac_coder",
                   format.quality < RecorderSettings::QualityMedium ? "fast" : "twoloop", 0);
        int result = avcodec_open2(m_pCodec, codec, nullptr);
        if (result < 0) {
            *error = QCoreApplication::translate(
                         "TickwrenAudio::AudioRecorder",
                         "The AAC encoder does not take %1 Hz with %2 channels at %3 bits per second.")
                         .arg(format.sampleRate)
                         .arg(format.channels)
                         .arg(format.bitRate);
            return false;
        }
        if (caf) {
            m_pCaf = std::make_unique<CafAacFile>();
            QByteArray const config(reinterpret_cast<char const*>(m_pCodec->extradata), m_pCodec->extradata_size);
            if (!m_pCaf->open(fileName, format.sampleRate, format.channels, format.bitRate, config, error))
                return false;
        } else if (!openMuxer(fileName, error)) {
            return false;
        }
        m_nChannels = format.channels;
        m_nFrameSize = m_pCodec->frame_size > 0 ? m_pCodec->frame_size : 1024;
        m_pFrame->format = m_pCodec->sample_fmt;
        m_pFrame->sample_rate = m_pCodec->sample_rate;
        m_pFrame->nb_samples = m_nFrameSize;
        av_channel_layout_copy(&m_pFrame->ch_layout, &m_pCodec->ch_layout);
        result = av_frame_get_buffer(m_pFrame, 0);
        if (result < 0) {
            *error = avError(result);
            return false;
        }
        m_bOpen = true;
        m_pending.assign(std::size_t(m_nChannels), std::vector<float>());
        return true;
    }

    bool write(std::int16_t const* frames, std::int64_t count) override
    {
        for (std::int64_t n = 0; n < count; ++n) {
            for (int c = 0; c < m_nChannels; ++c)
                m_pending[std::size_t(c)].push_back(float(frames[n * m_nChannels + c]) / 32768.0f);
        }
        std::size_t done = 0;
        std::size_t const available = m_pending.front().size();
        while (available - done >= std::size_t(m_nFrameSize)) {
            if (!encode(done, m_nFrameSize))
                return false;
            done += std::size_t(m_nFrameSize);
        }
        for (std::vector<float>& channel : m_pending)
            channel.erase(channel.begin(), channel.begin() + std::ptrdiff_t(done));
        return true;
    }

    bool finish() override
    {
        if (!m_bOpen)
            return true;
        m_bOpen = false;
        // The last frame may be short; then the encoder gives out what it holds.
        bool ok = m_pending.front().empty() || encode(0, int(m_pending.front().size()));
        ok = send(nullptr) && ok;
        if (m_pCaf) {
            if (!m_pCaf->finish(m_nPts, m_pCodec->initial_padding) && ok) {
                m_sError = m_pCaf->errorString();
                ok = false;
            }
            release();
            return ok;
        }
        int const trailer = av_write_trailer(m_pFormat);
        if (trailer < 0 && ok) {
            m_sError = avError(trailer);
            ok = false;
        }
        int const closed = avio_closep(&m_pFormat->pb);
        if (closed < 0 && ok) {
            m_sError = avError(closed);
            ok = false;
        }
        release();
        return ok;
    }

private:
    // The file through FFmpeg's muxer, up to its first packet.
    bool openMuxer(QString const& fileName, QString* error)
    {
        QByteArray const path = QFile::encodeName(fileName);
        avcodec_parameters_from_context(m_pStream->codecpar, m_pCodec);
        m_pStream->time_base = m_pCodec->time_base;
        int result = avio_open(&m_pFormat->pb, path.constData(), AVIO_FLAG_WRITE);
        if (result < 0) {
            *error = QCoreApplication::translate("TickwrenAudio::AudioRecorder", "The file %1 could not be written: %2")
                         .arg(fileName, avError(result));
            return false;
        }
        result = avformat_write_header(m_pFormat, nullptr);
        if (result < 0) {
            // The file was created a moment ago and holds nothing of use.
            avio_closep(&m_pFormat->pb);
            QFile::remove(fileName);
            *error = QCoreApplication::translate("TickwrenAudio::AudioRecorder", "The file %1 could not be written: %2")
                         .arg(fileName, avError(result));
            return false;
        }
        return true;
    }

    bool encode(std::size_t from, int samples)
    {
        // The encoder may still hold the frame's buffer.
        int const result = av_frame_make_writable(m_pFrame);
        if (result < 0) {
            m_sError = avError(result);
            return false;
        }
        m_pFrame->nb_samples = samples;
        for (int c = 0; c < m_nChannels; ++c) {
            std::copy_n(m_pending[std::size_t(c)].begin() + std::ptrdiff_t(from), samples,
                        reinterpret_cast<float*>(m_pFrame->data[c]));
        }
        m_pFrame->pts = m_nPts;
        m_nPts += samples;
        bool const ok = send(m_pFrame);
        m_pFrame->nb_samples = m_nFrameSize;
        return ok;
    }

    // Hands a frame (null: the end) to the encoder and writes every packet it gives back.
    bool send(AVFrame* frame)
    {
        int result = avcodec_send_frame(m_pCodec, frame);
        while (result >= 0) {
            result = avcodec_receive_packet(m_pCodec, m_pPacket);
            if (result == AVERROR(EAGAIN) || result == AVERROR_EOF)
                return true;
            if (result < 0)
                break;
            if (m_pCaf) {
                bool const written =
                    m_pCaf->writePacket(reinterpret_cast<char const*>(m_pPacket->data), m_pPacket->size);
                av_packet_unref(m_pPacket);
                if (!written) {
                    m_sError = m_pCaf->errorString();
                    return false;
                }
                continue;
            }
            av_packet_rescale_ts(m_pPacket, m_pCodec->time_base, m_pStream->time_base);
            m_pPacket->stream_index = m_pStream->index;
            result = av_interleaved_write_frame(m_pFormat, m_pPacket);
        }
        m_sError = avError(result);
        return false;
    }

    void release()
    {
        m_pCaf.reset();
        av_packet_free(&m_pPacket);
        av_frame_free(&m_pFrame);
        avcodec_free_context(&m_pCodec);
        if (m_pFormat) {
            if (m_pFormat->pb)
                avio_closep(&m_pFormat->pb);
            avformat_free_context(m_pFormat);
            m_pFormat = nullptr;
        }
    }

    AVFormatContext* m_pFormat = nullptr;
    AVCodecContext* m_pCodec = nullptr;
    AVStream* m_pStream = nullptr;
    AVFrame* m_pFrame = nullptr;
    AVPacket* m_pPacket = nullptr;
    std::unique_ptr<CafAacFile> m_pCaf;
    std::vector<std::vector<float>> m_pending;
    std::int64_t m_nPts = 0;
    int m_nChannels = 0;
    int m_nFrameSize = 1024;
    bool m_bOpen = false;
};

} // namespace

std::unique_ptr<RecordingSink> createAacFileSink(QString const& fileName, char const* muxer,
                                                 RecordingSink::Format const& format, QString* error)
{
    auto sink = std::make_unique<AacFileSink>();
    if (!sink->open(fileName, muxer, format, error)) {
        // A file the muxer may have begun is no recording.
        sink.reset();
        return nullptr;
    }
    return sink;
}

} // namespace TickwrenAudio
