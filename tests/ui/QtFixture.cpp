// Event-loop helper of the Qt tests.
#include "QtFixture.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

namespace testutil {

void QtTest::spin(int ms) {
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

}  // namespace testutil
