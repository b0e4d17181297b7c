#pragma once

#include <QCoreApplication>

// Delivers every event already waiting, and those they post in turn, a bounded number of
// rounds: whatever a queued handler would do has been done once it returns. No time passes.
inline void DeliverPendingEvents()
{
    for (int round = 0; round < 10; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}
