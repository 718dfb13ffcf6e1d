#pragma once
// The ways a test deletes an object while one of its blocking calls waits in
// a loop of its own (a download, an FTP command): its parent deleted from a
// timer or from a slot on its progress signal, deleteLater() from a timer,
// from such a slot or before the call. Arranged before the call is made.
//
//     arrangeDeletion(deletion, client, parent, &FtpClient::progress);
//     client->get(...); // must return, and touch nothing freed

#include <QObject>
#include <QPointer>
#include <QTimer>

enum class DeletionDuringWait {
    None,            // nothing arranged here (the test deletes it its own way)
    ParentByTimer,   // a timer deletes the object's parent
    LaterByTimer,    // a timer calls deleteLater(), which the call's own loop carries out
    LaterBeforehand, // deleteLater() before the call, carried out by its loop
    ByProgressSlot,  // a slot on the progress signal deletes the parent at once
    LaterByProgress  // a slot on the progress signal calls deleteLater()
};

Q_DECLARE_METATYPE(DeletionDuringWait)

// `progress` is the object's progress signal; the timers fire after `delayMs`.
template <class Object, class... Args>
void arrangeDeletion(DeletionDuringWait deletion, Object* object, QPointer<QObject> const& parent,
                     void (Object::*progress)(Args...), int delayMs = 300)
{
    switch (deletion) {
    case DeletionDuringWait::None:
        break;
    case DeletionDuringWait::ParentByTimer:
        QTimer::singleShot(delayMs, parent, [parent] { delete parent.data(); });
        break;
    case DeletionDuringWait::LaterByTimer:
        QTimer::singleShot(delayMs, object, &QObject::deleteLater);
        break;
    case DeletionDuringWait::LaterBeforehand:
        object->deleteLater();
        break;
    case DeletionDuringWait::ByProgressSlot:
        QObject::connect(object, progress, parent, [parent] { delete parent.data(); });
        break;
    case DeletionDuringWait::LaterByProgress:
        QObject::connect(object, progress, object, &QObject::deleteLater);
        break;
    }
}
