#pragma once
// Real-time scheduling for the thread that renders the sound, asked for as
// sound programs on the desktop ask for it: first of the desktop's real-time
// service on the system bus (which grants a desktop user a modest priority
// within limits of its own), else directly where the process may (root, or a
// real-time priority limit of its own). A thread at normal priority shares the
// processor with every busy program: on a loaded machine it can wait longer
// than the stream's buffer for its turn, and the server plays silence where a
// beat was due. Where neither way grants it, the thread runs at normal
// priority, and one line in "tickwren.audio.realtime" says so.

#include <QDBusConnection>
#include <QString>

#include <functional>
#include <sys/types.h>

namespace TickwrenAudio {

struct RealtimeScheduling
{
    enum class Grant { None, Service, Direct };
    Grant grant = Grant::None;
    // The real-time priority the thread runs at; 0 without one.
    int priority = 0;
    // What each way answered, when neither granted it.
    QString refusal;
};

// The priority asked for: above every thread of normal priority, below the
// sound server's own, and no higher than the service allows.
constexpr int kRealtimePriority = 5;

// Gives the thread `tid` real-time scheduling at `priority`; 0 on success,
// else the error number.
using DirectScheduler = std::function<int(pid_t tid, int priority)>;

// Makes the calling thread real-time: asks the real-time service on `bus`
// (none when not connected), then `direct`. Logs the outcome.
RealtimeScheduling makeCurrentThreadRealtime(QDBusConnection const& bus, DirectScheduler const& direct);

// The same on the system bus and through the system's own call: what the
// engine's thread does once when it starts.
RealtimeScheduling requestRealtimeScheduling();

} // namespace TickwrenAudio
