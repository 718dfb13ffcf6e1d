#include "platform/audio/BeatTrack.h"

#include "platform/audio/AudioEngine.h"

#include <algorithm>
#include <climits>

namespace TickwrenAudio {

BeatTrack::BeatTrack(QStringList const& soundPaths, std::unique_ptr<BeatPattern> pattern)
    : m_pPattern(std::move(pattern))
{
    // Decoded here, on the owner's thread: the engine's thread only mixes.
    for (QString const& path : soundPaths)
        m_lSounds.push_back(AudioEngine::loadShortSound(path));
    AudioEngine& e = AudioEngine::instance();
    std::lock_guard<std::mutex> lock(e.mixer().mutex());
    e.mixer().addTrackLocked(this);
}

BeatTrack::~BeatTrack()
{
    if (AudioEngine* e = AudioEngine::existing()) {
        std::lock_guard<std::mutex> lock(e->mixer().mutex());
        e->mixer().removeTrackLocked(this);
    }
}

void BeatTrack::start(std::int64_t firstDueNs, std::int64_t intervalNs)
{
    AudioEngine& e = AudioEngine::instance();
    std::lock_guard<std::mutex> lock(e.mixer().mutex());
    m_pSeries = std::make_shared<BeatSeries>(firstDueNs, intervalNs);
    ++m_uSeries;
    m_iNext = 0;
    e.voiceActivatedLocked();
}

void BeatTrack::stop()
{
    AudioEngine& e = AudioEngine::instance();
    std::lock_guard<std::mutex> lock(e.mixer().mutex());
    m_pSeries.reset();
}

bool BeatTrack::isRunning() const
{
    AudioEngine& e = AudioEngine::instance();
    std::lock_guard<std::mutex> lock(e.mixer().mutex());
    return m_pSeries != nullptr;
}

void BeatTrack::withPattern(std::function<void(BeatPattern&)> const& change)
{
    AudioEngine& e = AudioEngine::instance();
    std::lock_guard<std::mutex> lock(e.mixer().mutex());
    change(*m_pPattern);
}

std::vector<RenderedBeat> BeatTrack::takeHeard(std::int64_t nowNs)
{
    AudioEngine& e = AudioEngine::instance();
    std::lock_guard<std::mutex> lock(e.mixer().mutex());
    std::vector<RenderedBeat> out;
    // A beat heard by then that the engine has still to render (its thread
    // catching up after the program was stopped) would make the last beat
    // given a stale one: nothing until it has been rendered.
    if (m_pSeries && nextToRenderHeardNsLocked(e.mixer()) <= nowNs)
        return out;
    while (!m_lKept.empty() && m_lKept.front().heardNs <= nowNs) {
        out.push_back(m_lKept.front());
        m_lKept.pop_front();
    }
    return out;
}

std::vector<RenderedBeat> BeatTrack::takeRendered()
{
    AudioEngine& e = AudioEngine::instance();
    std::lock_guard<std::mutex> lock(e.mixer().mutex());
    std::vector<RenderedBeat> out(m_lKept.begin(), m_lKept.end());
    m_lKept.clear();
    return out;
}

std::int64_t BeatTrack::heardNsLocked(AudioMixer const& mixer, std::int64_t frame)
{
    return mixer.clockLocked().nsAt(double(frame)) + mixer.heardDelayNsLocked();
}

std::int64_t BeatTrack::nextToRenderHeardNsLocked(AudioMixer const& mixer) const
{
    StreamClock const clock = mixer.clockLocked();
    if (!clock.valid)
        return m_pSeries->dueNs(m_iNext) + mixer.latencyNsLocked() + mixer.heardDelayNsLocked();
    return heardNsLocked(mixer, std::llround(m_pSeries->frameOf(m_iNext, clock, mixer.latencyNsLocked())));
}

std::int64_t BeatTrack::nextHeardNs() const
{
    AudioEngine& e = AudioEngine::instance();
    std::lock_guard<std::mutex> lock(e.mixer().mutex());
    if (!m_lKept.empty())
        return m_lKept.front().heardNs;
    if (!m_pSeries)
        return -1;
    return nextToRenderHeardNsLocked(e.mixer());
}

void BeatTrack::setVolume(float volume)
{
    AudioEngine& e = AudioEngine::instance();
    std::lock_guard<std::mutex> lock(e.mixer().mutex());
    m_fVolume = std::clamp(volume, 0.0f, 1.0f);
}

std::int64_t BeatTrack::renderedCount() const
{
    AudioEngine& e = AudioEngine::instance();
    std::lock_guard<std::mutex> lock(e.mixer().mutex());
    return m_iRendered;
}

std::int64_t BeatTrack::lateCount() const
{
    AudioEngine& e = AudioEngine::instance();
    std::lock_guard<std::mutex> lock(e.mixer().mutex());
    return m_iLate;
}

void BeatTrack::setHistory(bool on)
{
    AudioEngine& e = AudioEngine::instance();
    std::lock_guard<std::mutex> lock(e.mixer().mutex());
    m_bHistory = on;
    if (!on)
        std::vector<RenderedBeat>().swap(m_lHistory);
}

std::vector<RenderedBeat> BeatTrack::takeHistory()
{
    AudioEngine& e = AudioEngine::instance();
    std::lock_guard<std::mutex> lock(e.mixer().mutex());
    std::vector<RenderedBeat> out;
    out.swap(m_lHistory);
    return out;
}

void BeatTrack::renderLocked(AudioMixer& mixer, std::int64_t blockStart, int frames)
{
    StreamClock const clock = mixer.clockLocked();
    if (!m_pSeries || !clock.valid)
        return;
    std::int64_t const end = blockStart + frames;
    std::int64_t const latency = mixer.latencyNsLocked();
    std::int64_t const lossLead = mixer.lossLeadNsLocked();
    std::int64_t const now = AudioMixer::nowNs();
    // However short the interval, a block holds a bounded number of beats.
    for (int inBlock = 0; inBlock < 1024; ++inBlock) {
        std::int64_t const wanted = std::llround(m_pSeries->frameOf(m_iNext, clock, latency));
        if (wanted >= end)
            break;
        // On its grid, even when that place has gone by.
        std::int64_t const frame = mixer.placeBeatLocked(*m_pSeries, m_iNext, INT64_MIN);
        std::int64_t const heard = heardNsLocked(mixer, frame);
        // A beat whose place has been rendered already, or that the server
        // has played past (the engine's thread, or the whole program, was
        // stopped), is counted and stepped but not sounded: a beat comes on
        // its grid or not at all, never late and never cut short.
        bool const late = frame < blockStart || (lossLead >= 0 && heard < now + lossLead);
        BeatChoice const choice = m_pPattern->beat(m_iNext);
        bool const sounds = !late && choice.sound >= 0 && std::size_t(choice.sound) < m_lSounds.size()
                            && m_lSounds[std::size_t(choice.sound)];
        if (sounds) {
            auto voice = std::make_shared<Voice>();
            voice->sound = m_lSounds[std::size_t(choice.sound)];
            voice->volume = m_fVolume;
            voice->playing = true;
            voice->dueNs = m_pSeries->dueNs(m_iNext);
            voice->series = m_pSeries;
            voice->beat = m_iNext;
            mixer.activateLocked(voice);
        }
        RenderedBeat const beat{m_uSeries, m_iNext, frame, heard, late ? -1 : choice.sound, choice.tag, late, now};
        m_lKept.push_back(beat);
        if (m_lKept.size() > kMaxKept)
            m_lKept.pop_front();
        if (m_bHistory && m_lHistory.size() < 1000000)
            m_lHistory.push_back(beat);
        ++m_iRendered;
        m_iLate += beat.late;
        ++m_iNext;
    }
}

} // namespace TickwrenAudio
