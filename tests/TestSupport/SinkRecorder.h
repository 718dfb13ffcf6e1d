#pragma once
// Records what a sound server plays into a sink, from the sink's monitor, in a
// thread of its own, as 48 kHz stereo 16-bit frames; and finds the onsets of
// clicks in such a recording, or known sounds where a player says it put
// them (matchSounds). Link libpulse-simple to use it.

#include <pulse/simple.h>

#include <QByteArray>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

class SinkRecorder
{
public:
    ~SinkRecorder() { stop(); }

    // False when the server or the monitor cannot be reached.
    bool start(QByteArray const& server, QByteArray const& monitor = "discard.monitor")
    {
        pa_sample_spec spec{};
        spec.format = PA_SAMPLE_S16LE;
        spec.rate = 48000;
        spec.channels = 2;
        pa_buffer_attr attr{};
        attr.maxlength = std::uint32_t(-1);
        attr.fragsize = 480 * 4; // 10 ms
        int error = 0;
        m_pStream = pa_simple_new(server.constData(), "SinkRecorder", PA_STREAM_RECORD, monitor.constData(),
                                  "recording", &spec, nullptr, &attr, &error);
        if (!m_pStream)
            return false;
        m_bRun = true;
        m_thread = std::thread([this] {
            std::vector<std::int16_t> chunk(480 * 2);
            while (m_bRun) {
                int error = 0;
                if (pa_simple_read(m_pStream, chunk.data(), chunk.size() * 2, &error) < 0)
                    break;
                std::lock_guard<std::mutex> lock(m_mutex);
                for (std::size_t i = 0; i < chunk.size(); i += 2)
                    m_lLeft.push_back(chunk[i]);
            }
        });
        return true;
    }

    void stop()
    {
        m_bRun = false;
        if (m_thread.joinable())
            m_thread.join();
        if (m_pStream) {
            pa_simple_free(m_pStream);
            m_pStream = nullptr;
        }
    }

    // The left channel so far.
    std::vector<std::int16_t> left() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_lLeft;
    }

    // Frames where a sound rises above `threshold` after at least `quietFrames`
    // of near silence.
    static std::vector<std::int64_t> onsets(std::vector<std::int16_t> const& samples, int threshold = 6000,
                                            int quietFrames = 2400)
    {
        std::vector<std::int64_t> found;
        std::int64_t quiet = 0;
        for (std::size_t i = 0; i < samples.size(); ++i) {
            int const v = std::abs(int(samples[i]));
            if (v > threshold && quiet >= quietFrames)
                found.push_back(std::int64_t(i));
            quiet = v < 300 ? quiet + 1 : 0;
        }
        return found;
    }

    // A sound a player says it put into its output: the frame of its first
    // sample in the player's own count, and which of the known sounds it is
    // (-1: a beat that sounds nothing).
    struct ExpectedSound
    {
        std::int64_t frame = 0;
        int sound = -1;
    };

    // Where each expected sound was found in a recording of the player.
    struct SoundMatch
    {
        static constexpr std::int64_t kNotFound = -1;
        static constexpr std::int64_t kNotExpected = -2;   // a beat that sounds nothing
        static constexpr std::int64_t kPastRecording = -3; // the recording ends before it
        // Per expected sound: the recording frame of its first sample, or one
        // of the values above.
        std::vector<std::int64_t> at;
        // Sounds in the recording that no expected sound explains (a sound
        // doubled, or one at a place the player does not know of): the frame
        // where each begins.
        std::vector<std::int64_t> extra;
        // For each of them: its loudest sample, and how long it lasts (frames
        // from its first to its last sample above the noise level).
        std::vector<int> extraPeak;
        std::vector<std::int64_t> extraFrames;
        // Recording frame minus the player's frame, at the first sound found.
        std::int64_t offset = 0;
        // How often that difference moved beyond `nearFrames` (the stream ran
        // dry and went on later, or the recording lost audio): each such
        // sound was found by a wider search, up to kFarFrames away.
        int shifts = 0;
        bool aligned = false;
    };

    static constexpr int kMatchFrames = 960; // the first 20 ms of a sound are compared
    static constexpr int kFarFrames = 4800;  // 100 ms

    // Finds each expected sound in `recording` (one channel, 48 kHz): aligns
    // the player's frames to the recording once, from the first sounds, then
    // looks for each sound within `nearFrames` of its expected place by
    // comparing the recording with the sound's own samples (`sounds`, any
    // scale: the level is fitted). Each sound found is taken out of the
    // recording before the next is looked for, so a tick under a ringing bell
    // is found as surely as one in silence, to the frame; what is left at the
    // end holds only what no expected sound explains. `expected` in the
    // order of its frames.
    static SoundMatch matchSounds(std::vector<std::int16_t> const& recording,
                                  std::vector<ExpectedSound> const& expected,
                                  std::vector<std::vector<float>> const& sounds, int nearFrames = 3)
    {
        SoundMatch m;
        m.at.assign(expected.size(), SoundMatch::kNotExpected);
        std::vector<float> rest(recording.begin(), recording.end());
        auto const known = [&](ExpectedSound const& e) {
            return e.sound >= 0 && std::size_t(e.sound) < sounds.size() && !sounds[std::size_t(e.sound)].empty();
        };
        // The sound at `at` (its level fitted): the share of the recording's
        // energy there that it explains, and its gain.
        auto const fit = [&](std::int64_t at, std::vector<float> const& sound, double& gain) -> double {
            std::int64_t const n = std::min<std::int64_t>(kMatchFrames, std::int64_t(sound.size()));
            if (at < 0 || at + n > std::int64_t(rest.size()))
                return 0.0;
            double dot = 0.0, ss = 0.0, rr = 0.0;
            for (std::int64_t i = 0; i < n; ++i) {
                double const r = rest[std::size_t(at + i)];
                double const s = sound[std::size_t(i)];
                dot += r * s;
                ss += s * s;
                rr += r * r;
            }
            if (ss <= 0.0 || rr <= 0.0)
                return 0.0;
            gain = dot / ss;
            return gain > 0.0 ? dot * dot / (ss * rr) : 0.0;
        };
        // The best place within `radius` of `centre`; -1 when no place holds
        // the sound (nearly all of the energy, at a level well above noise).
        auto const search = [&](std::int64_t centre, int radius, std::vector<float> const& sound, double& gain) {
            float const peak = *std::max_element(sound.begin(), sound.end(),
                                                 [](float a, float b) { return std::fabs(a) < std::fabs(b); });
            std::int64_t best = -1;
            double bestShare = 0.0;
            for (std::int64_t at = centre - radius; at <= centre + radius; ++at) {
                double g = 0.0;
                double const share = fit(at, sound, g);
                if (share > bestShare) {
                    bestShare = share;
                    best = at;
                    gain = g;
                }
            }
            return bestShare >= 0.9 && gain * std::fabs(peak) >= 500.0 ? best : -1;
        };
        auto const takeOut = [&](std::int64_t at, std::vector<float> const& sound, double gain) {
            for (std::size_t i = 0; i < sound.size() && std::size_t(at) + i < rest.size(); ++i)
                rest[std::size_t(at) + i] -= float(gain * sound[i]);
        };

        // Alignment: the differences between the first expected sounds and
        // the rises of the recording vote for the offset.
        std::vector<std::int64_t> rises;
        std::int64_t quiet = 0;
        for (std::size_t i = 0; i < recording.size(); ++i) {
            int const v = std::abs(int(recording[i]));
            // The first sample above the quiet level, of a sound that grows
            // loud within 2 ms.
            if (v >= 300 && quiet >= 480) {
                std::size_t const end = std::min(recording.size(), i + 96);
                for (std::size_t j = i; j < end; ++j)
                    if (std::abs(int(recording[j])) > 4000) {
                        rises.push_back(std::int64_t(i));
                        break;
                    }
            }
            quiet = v < 300 ? quiet + 1 : 0;
        }
        std::map<std::int64_t, std::vector<std::int64_t>> votes;
        int used = 0;
        for (std::size_t k = 0; k < expected.size() && used < 8; ++k) {
            if (!known(expected[k]))
                continue;
            ++used;
            for (std::int64_t rise : rises)
                votes[(rise - expected[k].frame) / 64].push_back(rise - expected[k].frame);
        }
        std::size_t mostVotes = 0;
        for (auto const& v : votes)
            if (v.second.size() > mostVotes) {
                mostVotes = v.second.size();
                m.offset = *std::min_element(v.second.begin(), v.second.end());
            }
        if (mostVotes == 0)
            return m;

        int nearNow = 256; // until the first sound pins the offset down
        for (std::size_t k = 0; k < expected.size(); ++k) {
            ExpectedSound const& e = expected[k];
            if (!known(e))
                continue;
            std::vector<float> const& sound = sounds[std::size_t(e.sound)];
            std::int64_t const centre = e.frame + m.offset;
            if (centre + kMatchFrames + nearNow > std::int64_t(rest.size())) {
                m.at[k] = SoundMatch::kPastRecording;
                continue;
            }
            double gain = 0.0;
            std::int64_t at = search(centre, nearNow, sound, gain);
            if (at < 0 && m.aligned) {
                at = search(centre, kFarFrames, sound, gain);
                m.shifts += at >= 0;
            }
            if (at < 0) {
                m.at[k] = SoundMatch::kNotFound;
                continue;
            }
            m.at[k] = at;
            m.offset = at - e.frame;
            m.aligned = true;
            nearNow = nearFrames;
            takeOut(at, sound, gain);
        }

        // What is left: rises that no expected sound explains, up to the
        // first sound the recording holds too little of to be compared.
        std::size_t end = rest.size();
        for (std::size_t k = 0; k < expected.size(); ++k)
            if (m.at[k] == SoundMatch::kPastRecording) {
                end = std::size_t(
                    std::clamp<std::int64_t>(expected[k].frame + m.offset - kFarFrames, 0, std::int64_t(rest.size())));
                break;
            }
        std::int64_t lastExtra = -1000000;
        for (std::size_t i = 0; i < end; ++i)
            if (std::fabs(rest[i]) > 1500.0f) {
                if (std::int64_t(i) - lastExtra > 2400) {
                    m.extra.push_back(std::int64_t(i));
                    m.extraPeak.push_back(0);
                    m.extraFrames.push_back(0);
                }
                lastExtra = std::int64_t(i);
                m.extraPeak.back() = std::max(m.extraPeak.back(), int(std::fabs(rest[i])));
                m.extraFrames.back() = std::int64_t(i) - m.extra.back() + 1;
            }
        return m;
    }

private:
    pa_simple* m_pStream = nullptr;
    std::thread m_thread;
    std::atomic<bool> m_bRun{false};
    mutable std::mutex m_mutex;
    std::vector<std::int16_t> m_lLeft;
};
