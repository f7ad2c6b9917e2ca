#include "platform/PowerEvents.h"

#include <gtest/gtest.h>

#include <QMetaObject>
#include <vector>

namespace {

// The login manager's signal reaches the handler through the slot it is
// connected to: sleep as true, wake as false, in order.
TEST(PowerEvents, SleepAndWakeReachTheHandlerInOrder) {
    platform::PowerEvents events;
    std::vector<bool> seen;
    events.Start([&](bool suspending) { seen.push_back(suspending); });
    ASSERT_TRUE(QMetaObject::invokeMethod(&events, "OnPrepareForSleep", Q_ARG(bool, true)));
    ASSERT_TRUE(QMetaObject::invokeMethod(&events, "OnPrepareForSleep", Q_ARG(bool, false)));
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}

}  // namespace
