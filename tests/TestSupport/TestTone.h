#pragma once
// Small sound files for the audio tests: a steady sine tone or a click as
// 16-bit PCM WAV.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QtEndian>

#include <cmath>
#include <cstdint>
#include <functional>

namespace TestTone {

// `frames` frames of value(n) in -1..1, the same on every channel.
inline bool writeWavOf(QString const& path, std::int64_t frames, int rate, int channels,
                       std::function<double(std::int64_t)> const& value)
{
    QByteArray data;
    data.reserve(int(frames * channels * 2));
    for (std::int64_t n = 0; n < frames; ++n) {
        double const v = value(n);
        char bytes[2];
        qToLittleEndian(std::int16_t(std::lround(v * 32767.0)), bytes);
        for (int c = 0; c < channels; ++c)
            data.append(bytes, 2);
    }
    auto u32 = [](std::uint32_t v) {
        char b[4];
        qToLittleEndian(v, b);
        return QByteArray(b, 4);
    };
    auto u16 = [](std::uint16_t v) {
        char b[2];
        qToLittleEndian(v, b);
        return QByteArray(b, 2);
    };
    QByteArray wav = "RIFF" + u32(std::uint32_t(36 + data.size())) + "WAVEfmt " + u32(16) + u16(1)
                     + u16(std::uint16_t(channels)) + u32(std::uint32_t(rate)) + u32(std::uint32_t(rate * channels * 2))
                     + u16(std::uint16_t(channels * 2)) + u16(16) + "data" + u32(std::uint32_t(data.size())) + data;
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(wav) == wav.size();
}

inline bool writeWav(QString const& path, std::int64_t frames, int rate, int channels, double frequency = 440.0,
                     double amplitude = 0.5)
{
    return writeWavOf(path, frames, rate, channels, [=](std::int64_t n) {
        return amplitude * std::sin(6.283185307179586 * frequency * double(n) / rate);
    });
}

// A click whose very first sample is at 0.8 and that dies away within a few
// milliseconds: its onset in a recording is one exact frame.
inline bool writeClick(QString const& path, int ms = 20, int rate = 48000)
{
    return writeWavOf(path, std::int64_t(ms) * rate / 1000, rate, 1,
                      [=](std::int64_t n) { return 0.8 * std::exp(-double(n) / (0.0015 * rate)); });
}

inline bool writeWavMs(QString const& path, int ms, int rate = 48000, int channels = 1)
{
    return writeWav(path, std::int64_t(ms) * rate / 1000, rate, channels);
}

// A tone of `ms` milliseconds in `dir`, written on first use.
inline QString toneIn(QDir const& dir, int ms, int rate = 48000, int channels = 1)
{
    QString const path = dir.filePath(QStringLiteral("tone_%1_%2_%3.wav").arg(ms).arg(rate).arg(channels));
    if (!QFile::exists(path))
        writeWavMs(path, ms, rate, channels);
    return path;
}

} // namespace TestTone
