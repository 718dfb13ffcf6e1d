#include "platform/audio/AudioMixer.h"

#include "platform/audio/BeatSeries.h"
#include "platform/audio/BeatTrack.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>

namespace TickwrenAudio {

namespace {

// Keeps a benchmark that never collects its figures from growing without end.
constexpr std::size_t kMaxPlacements = 100000;
// Fading tails at once; beyond this a cut sound simply stops.
constexpr std::size_t kMaxTails = 64;

// Four-point cubic (Catmull-Rom) interpolation: smooth enough for converting
// between the usual rates without the dullness of a straight line.
inline float cubic(float y0, float y1, float y2, float y3, float t)
{
    float const a = -0.5f * y0 + 1.5f * y1 - 1.5f * y2 + 0.5f * y3;
    float const b = y0 - 2.5f * y1 + 2.0f * y2 - 0.5f * y3;
    float const c = -0.5f * y0 + 0.5f * y2;
    return ((a * t + b) * t + c) * t + y1;
}

void panGains(float volume, float pan, float& left, float& right)
{
    // A balance control: the centre leaves both sides at full level, turning
    // toward one side lowers only the other.
    left = volume * std::min(1.0f, 1.0f - pan);
    right = volume * std::min(1.0f, 1.0f + pan);
}

} // namespace

AudioMixer::AudioMixer(int outputRate)
    : m_iOutputRate(outputRate > 0 ? outputRate : 48000)
{
}

void AudioMixer::setOutputRate(int rate)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (rate > 0)
        m_iOutputRate = rate;
}

std::int64_t AudioMixer::nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void AudioMixer::activateLocked(VoicePtr const& voice)
{
    if (!voice || voice->active)
        return;
    if (void const* source = voice->source()) {
        auto const sameSource = [source](VoicePtr const& v) { return v->source() == source; };
        // The list is in the order of the plays: the first is the oldest.
        while (std::count_if(m_lActive.begin(), m_lActive.end(), sameSource) >= kMaxPlaysOfOneSound) {
            Voice& oldest = **std::find_if(m_lActive.begin(), m_lActive.end(), sameSource);
            oldest.playing = false;
            deactivateLocked(oldest); // fades out from where it was
            oldest.position = 0.0;
        }
    }
    voice->active = true;
    // From the start of a file the sound's own attack is kept; resumed in
    // mid-sound it fades in over the first block instead of jumping in.
    voice->gainsKnown = voice->position > 0.0;
    voice->lastGainLeft = 0.0f;
    voice->lastGainRight = 0.0f;
    voice->pendingStart = true;
    voice->startFrame = -1;
    m_lActive.push_back(voice);
}

int AudioMixer::tailFrames() const
{
    return std::max(1, m_iOutputRate * kTailMs / 1000);
}

void AudioMixer::deactivateLocked(Voice& voice)
{
    if (!voice.active)
        return;
    voice.active = false;
    // Cut off in mid-sound (pause, stop, a new file, the player deleted): the
    // last few milliseconds fade out rather than dropping to zero with a click.
    if (voice.gainsKnown && !voice.pendingStart && voice.position < double(voice.frames())
        && m_lTails.size() < kMaxTails)
        m_lTails.push_back(
            Tail{voice.sound, voice.stream, voice.position, voice.lastGainLeft, voice.lastGainRight, tailFrames()});
    voice.pendingStart = false;
    auto it =
        std::find_if(m_lActive.begin(), m_lActive.end(), [&voice](VoicePtr const& v) { return v.get() == &voice; });
    if (it != m_lActive.end())
        m_lActive.erase(it);
}

double AudioMixer::mixView(SampleView const& s, double position, float fromLeft, float fromRight, float toLeft,
                           float toRight, float* stereo, int frames) const
{
    std::int64_t const total = s.total;
    int const ch = s.channels;
    int const right = ch > 1 ? 1 : 0;
    double const step = double(s.sampleRate) / double(m_iOutputRate);
    float const* data = s.data;
    // Gains glide over the block instead of stepping, which would click.
    float const dl = (toLeft - fromLeft) / float(frames);
    float const dr = (toRight - fromRight) / float(frames);
    float gl = fromLeft;
    float gr = fromRight;

    auto at = [&](std::int64_t i, int c) -> float {
        if (i < 0)
            i = 0;
        if (i >= total)
            return 0.0f;
        std::int64_t const k = i - s.first;
        if (k < 0 || k >= s.count)
            return 0.0f;
        return data[k * ch + c];
    };

    double pos = position;
    for (int n = 0; n < frames && pos < double(total); ++n) {
        std::int64_t const i = std::int64_t(pos);
        float const t = float(pos - double(i));
        float l;
        float r;
        if (t == 0.0f) {
            l = at(i, 0);
            r = at(i, right);
        } else {
            l = cubic(at(i - 1, 0), at(i, 0), at(i + 1, 0), at(i + 2, 0), t);
            r = right ? cubic(at(i - 1, 1), at(i, 1), at(i + 1, 1), at(i + 2, 1), t) : l;
        }
        gl += dl;
        gr += dr;
        stereo[2 * n] += l * gl;
        stereo[2 * n + 1] += r * gr;
        pos += step;
    }
    return pos;
}

double AudioMixer::mixSamples(SoundPtr const& sound, StreamPtr const& stream, double position, float fromLeft,
                              float fromRight, float toLeft, float toRight, float* stereo, int frames) const
{
    if (sound) {
        SampleView v;
        v.data = sound->samples.data();
        v.count = v.total = sound->frames;
        v.channels = sound->channels;
        v.sampleRate = sound->sampleRate;
        return mixView(v, position, fromLeft, fromRight, toLeft, toRight, stereo, frames);
    }
    if (!stream || frames <= 0)
        return position;
    // A streamed file is read in pieces of a bounded size, each with the few
    // frames before and after it that the interpolation looks at.
    constexpr int kPiece = 1024;
    double const step = double(stream->sampleRate()) / double(m_iOutputRate);
    for (int done = 0; done < frames && position < double(stream->frames());) {
        int const n = std::min(kPiece, frames - done);
        float const a = float(done) / float(frames);
        float const b = float(done + n) / float(frames);
        std::int64_t const from = std::int64_t(position) - 1;
        std::int64_t const to = std::int64_t(position + n * step) + 3;
        SampleView const v = stream->view(std::max<std::int64_t>(0, from), to - std::max<std::int64_t>(0, from));
        position =
            mixView(v, position, fromLeft + (toLeft - fromLeft) * a, fromRight + (toRight - fromRight) * a,
                    fromLeft + (toLeft - fromLeft) * b, fromRight + (toRight - fromRight) * b, stereo + 2 * done, n);
        done += n;
    }
    return position;
}

void AudioMixer::mixVoice(Voice& voice, float* stereo, int frames)
{
    float targetLeft = 0.0f;
    float targetRight = 0.0f;
    panGains(voice.volume, voice.pan, targetLeft, targetRight);
    if (!voice.gainsKnown) {
        voice.lastGainLeft = targetLeft;
        voice.lastGainRight = targetRight;
        voice.gainsKnown = true;
    }
    double const pos = mixSamples(voice.sound, voice.stream, voice.position, voice.lastGainLeft, voice.lastGainRight,
                                  targetLeft, targetRight, stereo, frames);
    voice.lastGainLeft = targetLeft;
    voice.lastGainRight = targetRight;
    if (pos >= double(voice.frames())) {
        // Played to its end: stopped and rewound, as a finished platform player is.
        voice.playing = false;
        voice.position = 0.0;
    } else {
        voice.position = pos;
    }
}

void AudioMixer::mixTail(Tail& tail, float* stereo, int frames)
{
    int const total = tailFrames();
    int const n = std::min(frames, tail.remaining);
    float const from = float(tail.remaining) / float(total);
    float const to = float(tail.remaining - n) / float(total);
    tail.position = mixSamples(tail.sound, tail.stream, tail.position, tail.gainLeft * from, tail.gainRight * from,
                               tail.gainLeft * to, tail.gainRight * to, stereo, n);
    tail.remaining -= n;
}

void AudioMixer::render(float* stereo, int frames)
{
    std::memset(stereo, 0, sizeof(float) * std::size_t(frames) * 2);
    if (frames <= 0)
        return;
    std::lock_guard<std::mutex> lock(m_mutex);
    std::int64_t const blockStart = m_iRenderedFrames;
    m_iRenderedFrames += frames;
    for (BeatTrack* track : m_lTracks)
        track->renderLocked(*this, blockStart, frames);
    for (std::size_t k = 0; k < m_lActive.size();) {
        Voice& v = *m_lActive[k];
        int offset = 0;
        if (v.playing && v.frames() > 0 && v.pendingStart) {
            std::int64_t place = blockStart;
            if (m_clock.valid && v.series)
                place = placeBeatLocked(*v.series, v.beat, blockStart);
            else if (m_clock.valid && v.dueNs >= 0)
                place = std::llround(m_clock.frameAt(v.dueNs + m_iLatencyNs));
            if (place >= blockStart + frames) {
                ++k; // its place lies in a block still to come
                continue;
            }
            std::int64_t const late = std::max<std::int64_t>(0, blockStart - place);
            place = std::max(place, blockStart);
            offset = int(place - blockStart);
            v.pendingStart = false;
            v.startFrame = place;
            if (m_bRecordPlacements && m_lPlacements.size() < kMaxPlacements)
                m_lPlacements.push_back(Placement{v.dueNs, place, late});
        }
        if (v.playing && v.frames() > 0) {
            mixVoice(v, stereo + 2 * offset, frames - offset);
        } else if (v.playing) {
            // Nothing to play: it ends at once.
            v.playing = false;
            v.position = 0.0;
        }
        if (!v.playing) {
            v.active = false;
            m_lActive.erase(m_lActive.begin() + std::ptrdiff_t(k));
        } else {
            ++k;
        }
    }
    for (std::size_t k = 0; k < m_lTails.size();) {
        Tail& t = m_lTails[k];
        mixTail(t, stereo, frames);
        std::int64_t const total = t.sound ? t.sound->frames : t.stream ? t.stream->frames() : 0;
        if (t.remaining <= 0 || t.position >= double(total))
            m_lTails.erase(m_lTails.begin() + std::ptrdiff_t(k));
        else
            ++k;
    }
    limitLocked(stereo, frames);
}

bool AudioMixer::mayPassFullScaleLocked() const
{
    // Samples lie within -1..1 and the cubic interpolation of a converted
    // rate overshoots them by a quarter at the most: voices whose gains add
    // up to no more than 1 / 1.25 cannot pass full scale together.
    constexpr float kOvershoot = 1.25f;
    float sum = 0.0f;
    for (VoicePtr const& v : m_lActive) {
        if (!v->playing)
            continue;
        float left = 0.0f;
        float right = 0.0f;
        panGains(v->volume, v->pan, left, right);
        sum += std::max({left, right, v->lastGainLeft, v->lastGainRight});
    }
    for (Tail const& t : m_lTails)
        sum += std::max(t.gainLeft, t.gainRight);
    return sum * kOvershoot > 1.0f;
}

void AudioMixer::peekLocked(float* stereo, int frames, std::int64_t from)
{
    std::memset(stereo, 0, sizeof(float) * std::size_t(frames) * 2);
    for (VoicePtr const& p : m_lActive) {
        Voice const& v = *p;
        if (!v.playing || v.frames() <= 0)
            continue;
        int offset = 0;
        if (v.pendingStart) {
            // Where render() will place it (at once, if its place is past).
            std::int64_t place = from;
            if (m_clock.valid && v.series)
                place = std::llround(v.series->frameOf(v.beat, m_clock, m_iLatencyNs));
            else if (m_clock.valid && v.dueNs >= 0)
                place = std::llround(m_clock.frameAt(v.dueNs + m_iLatencyNs));
            if (place >= from + frames)
                continue;
            offset = int(std::max<std::int64_t>(0, place - from));
        }
        float left = 0.0f;
        float right = 0.0f;
        panGains(v.volume, v.pan, left, right);
        mixSamples(v.sound, v.stream, v.position, left, right, left, right, stereo + 2 * offset, frames - offset);
    }
    for (Tail const& t : m_lTails) {
        int const total = tailFrames();
        int const n = std::min(frames, t.remaining);
        float const a = float(t.remaining) / float(total);
        float const b = float(t.remaining - n) / float(total);
        mixSamples(t.sound, t.stream, t.position, t.gainLeft * a, t.gainRight * a, t.gainLeft * b, t.gainRight * b,
                   stereo, n);
    }
}

void AudioMixer::limitLocked(float* stereo, int frames)
{
    auto const levelOf = [](float const* frame) { return std::max(std::fabs(frame[0]), std::fabs(frame[1])); };
    bool over = false;
    for (int n = 0; n < frames && !over; ++n)
        over = levelOf(stereo + 2 * n) > kFullScale;
    bool const quietAfter = m_lActive.empty() && m_lTails.empty();
    if (m_fLimiterGain >= 1.0f && !over && (quietAfter || !mayPassFullScaleLocked()))
        return; // within full scale: the mix goes out exactly as it was added up

    // The gain each frame needs, over the block and what follows it.
    int const ahead = std::max(1, m_iOutputRate * kLookAheadMs / 1000);
    m_lAhead.resize(std::size_t(ahead) * 2);
    peekLocked(m_lAhead.data(), ahead, m_iRenderedFrames);
    int const total = frames + ahead;
    m_lGains.resize(std::size_t(total));
    float const start = m_fLimiterGain;
    // The steepest fall needed to reach every gain in time from where the
    // gain stands, and never gentler than the attack.
    float fall = 1.0f / float(std::max(1, m_iOutputRate * kLimiterAttackMs / 1000));
    for (int n = 0; n < total; ++n) {
        float const level = n < frames ? levelOf(stereo + 2 * n) : levelOf(m_lAhead.data() + 2 * (n - frames));
        float const need = level > kFullScale ? kCeiling / level : 1.0f;
        m_lGains[std::size_t(n)] = need;
        if (need < start)
            fall = std::max(fall, (start - need) / float(n + 1));
    }
    // Backwards: each frame low enough for the frames after it to be reached
    // falling no faster than that.
    for (int n = total - 2; n >= 0; --n)
        m_lGains[std::size_t(n)] = std::min(m_lGains[std::size_t(n)], m_lGains[std::size_t(n) + 1] + fall);
    // Forwards: rising no faster than the release, and exactly back to 1.
    float const rise = 1.0f / float(std::max(1, m_iOutputRate * kLimiterReleaseMs / 1000));
    float gain = start;
    for (int n = 0; n < frames; ++n) {
        gain = std::min(m_lGains[std::size_t(n)], gain + rise);
        if (gain < 1.0f) {
            stereo[2 * n] *= gain;
            stereo[2 * n + 1] *= gain;
        }
    }
    // After the last sound the output is silent: the next sound starts at
    // full gain without a step anyone could hear.
    m_fLimiterGain = quietAfter ? 1.0f : gain;
}

int AudioMixer::renderTo(char* out, int frames, OutputFormat const& format)
{
    if (frames <= 0)
        return 0;
    m_lScratch.resize(std::size_t(frames) * 2);
    render(m_lScratch.data(), frames);
    convert(m_lScratch.data(), frames, format, out);
    return frames * format.bytesPerFrame();
}

void AudioMixer::convert(float const* stereo, int frames, OutputFormat const& format, char* out)
{
    int const channels = std::max(1, format.channels);
    for (int n = 0; n < frames; ++n) {
        float const l = std::clamp(stereo[2 * n], -1.0f, 1.0f);
        float const r = std::clamp(stereo[2 * n + 1], -1.0f, 1.0f);
        for (int c = 0; c < channels; ++c) {
            // Mono gets the middle; beyond two channels the extra ones stay silent.
            float const v = channels == 1 ? 0.5f * (l + r) : c == 0 ? l : c == 1 ? r : 0.0f;
            switch (format.type) {
            case OutputFormat::Int16: {
                std::int16_t const s = std::int16_t(std::lrint(v * 32767.0f));
                std::memcpy(out, &s, 2);
                out += 2;
                break;
            }
            case OutputFormat::Int32: {
                std::int32_t const s = std::int32_t(std::llrint(double(v) * 2147483647.0));
                std::memcpy(out, &s, 4);
                out += 4;
                break;
            }
            case OutputFormat::Float32:
                std::memcpy(out, &v, 4);
                out += 4;
                break;
            case OutputFormat::UInt8:
                *out++ = char(std::uint8_t(std::lrint(v * 127.0f) + 128));
                break;
            }
        }
    }
}

void AudioMixer::setPlacementRecording(bool on)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_bRecordPlacements = on;
    if (!on)
        std::vector<Placement>().swap(m_lPlacements);
}

std::vector<Placement> AudioMixer::takePlacements()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<Placement> out;
    out.swap(m_lPlacements);
    return out;
}

std::int64_t AudioMixer::renderedFrames() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_iRenderedFrames;
}

int AudioMixer::activeCount()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return int(m_lActive.size());
}

bool AudioMixer::busyLocked() const
{
    return !m_lActive.empty() || !m_lTails.empty()
           || std::any_of(m_lTracks.begin(), m_lTracks.end(), [](BeatTrack* t) { return t->runningLocked(); });
}

std::int64_t AudioMixer::placeBeatLocked(BeatSeries& series, std::int64_t beat, std::int64_t notBefore)
{
    int const restarts = series.restarts();
    std::int64_t const frame = series.place(beat, m_clock, m_iLatencyNs, notBefore);
    if (series.restarts() != restarts)
        ++m_nSeriesRestarts;
    return frame;
}

void AudioMixer::addTrackLocked(BeatTrack* track)
{
    if (track && std::find(m_lTracks.begin(), m_lTracks.end(), track) == m_lTracks.end())
        m_lTracks.push_back(track);
}

void AudioMixer::removeTrackLocked(BeatTrack* track)
{
    m_lTracks.erase(std::remove(m_lTracks.begin(), m_lTracks.end(), track), m_lTracks.end());
}

} // namespace TickwrenAudio
