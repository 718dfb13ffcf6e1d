#include "platform/audio/RecordingSink_p.h"

#include "platform/audio/AudioRecorder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <sndfile.h>

namespace TickwrenAudio {

namespace {

// The container a file name asks for.
enum class Container { Unknown, Wav, Aiff, Caf, Mp4, M4a, Adts };

Container containerOf(QString const& fileName)
{
    QString const suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("wav") || suffix == QLatin1String("wave"))
        return Container::Wav;
    if (suffix == QLatin1String("aif") || suffix == QLatin1String("aiff") || suffix == QLatin1String("aifc"))
        return Container::Aiff;
    if (suffix == QLatin1String("caf"))
        return Container::Caf;
    if (suffix == QLatin1String("mp4"))
        return Container::Mp4;
    if (suffix == QLatin1String("m4a"))
        return Container::M4a;
    if (suffix == QLatin1String("aac"))
        return Container::Adts;
    return Container::Unknown;
}

bool holdsPcm(Container container)
{
    return container == Container::Wav || container == Container::Aiff || container == Container::Caf;
}

bool holdsAac(Container container)
{
    return container == Container::Mp4 || container == Container::M4a || container == Container::Adts
           || container == Container::Caf;
}

// 16-bit linear PCM through libsndfile, which writes the header on close.
class SndfileSink : public RecordingSink
{
public:
    ~SndfileSink() override
    {
        if (m_pFile)
            finish();
    }

    bool open(QString const& fileName, int majorFormat, Format const& format, QString* error)
    {
        SF_INFO info{};
        info.samplerate = format.sampleRate;
        info.channels = format.channels;
        info.format = majorFormat | SF_FORMAT_PCM_16;
        if (!sf_format_check(&info)) {
            *error = QCoreApplication::translate("TickwrenAudio::AudioRecorder",
                                                 "The file format does not take %1 Hz with %2 channels.")
                         .arg(format.sampleRate)
                         .arg(format.channels);
            return false;
        }
        m_pFile = sf_open(QFile::encodeName(fileName).constData(), SFM_WRITE, &info);
        if (!m_pFile) {
            *error = QCoreApplication::translate("TickwrenAudio::AudioRecorder", "The file %1 could not be written: %2")
                         .arg(fileName, QString::fromLocal8Bit(sf_strerror(nullptr)));
            return false;
        }
        return true;
    }

    bool write(std::int16_t const* frames, std::int64_t count) override
    {
        if (sf_writef_short(m_pFile, frames, count) == count)
            return true;
        m_sError = QString::fromLocal8Bit(sf_strerror(m_pFile));
        return false;
    }

    bool finish() override
    {
        if (!m_pFile)
            return true;
        int const result = sf_close(m_pFile);
        m_pFile = nullptr;
        if (result != 0)
            m_sError = QString::fromLocal8Bit(sf_error_number(result));
        return result == 0;
    }

private:
    SNDFILE* m_pFile = nullptr;
};

} // namespace

QString RecordingSink::checkContainer(QString const& fileName, int formatId)
{
    Container const container = containerOf(fileName);
    bool const pcm = formatId == RecorderSettings::kLinearPcm;
    bool const aac = formatId == RecorderSettings::kMpeg4Aac;
    if (!pcm && !aac)
        return QCoreApplication::translate("TickwrenAudio::AudioRecorder",
                                           "The recording settings name no known encoding.");
    if ((pcm && holdsPcm(container)) || (aac && holdsAac(container)))
        return QString();
    return pcm ? QCoreApplication::translate(
                     "TickwrenAudio::AudioRecorder",
                     "Linear PCM is recorded into .wav, .aif, .aiff or .caf files, not into %1.")
                     .arg(QFileInfo(fileName).fileName())
               : QCoreApplication::translate("TickwrenAudio::AudioRecorder",
                                             "AAC is recorded into .m4a, .mp4, .aac or .caf files, not into %1.")
                     .arg(QFileInfo(fileName).fileName());
}

std::unique_ptr<RecordingSink> RecordingSink::create(QString const& fileName, Format const& format, QString* error)
{
    *error = checkContainer(fileName, format.formatId);
    if (!error->isEmpty())
        return nullptr;
    Container const container = containerOf(fileName);
    if (format.formatId == RecorderSettings::kMpeg4Aac) {
        char const* muxer = container == Container::M4a   ? "ipod"
                            : container == Container::Mp4 ? "mp4"
                            : container == Container::Caf ? "caf"
                                                          : "adts";
        return createAacFileSink(fileName, muxer, format, error);
    }
    int const major = container == Container::Wav    ? SF_FORMAT_WAV
                      : container == Container::Aiff ? SF_FORMAT_AIFF
                                                     : SF_FORMAT_CAF;
    auto sink = std::make_unique<SndfileSink>();
    if (!sink->open(fileName, major, format, error))
        return nullptr;
    return sink;
}

} // namespace TickwrenAudio
