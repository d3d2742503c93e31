// Connections kept per client and in all: a newcomer over a bound takes the place of the oldest
// connection still waiting for its request, never of one being answered.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "server/ConnectionSlots.h"

namespace {

using testing::ElementsAre;
using testing::IsEmpty;

TEST(ConnectionSlots, AClientOverItsCapGivesUpItsOldestWaitingConnection) {
  ConnectionSlots slots(3, 100);
  for (std::uint64_t id = 1; id <= 3; ++id) EXPECT_TRUE(slots.Admit(id, "10.0.0.1").admitted);
  EXPECT_TRUE(slots.Admit(4, "10.0.0.2").admitted) << "another client has its own cap";
  slots.Serving(1);
  auto admission = slots.Admit(5, "10.0.0.1");
  EXPECT_TRUE(admission.admitted);
  EXPECT_THAT(admission.closed, ElementsAre(2)) << "1 is being answered";
  slots.Serving(3);
  slots.Serving(5);
  admission = slots.Admit(6, "10.0.0.1");
  EXPECT_FALSE(admission.admitted) << "all three are being answered";
  EXPECT_THAT(admission.closed, IsEmpty());
  slots.Release(1);
  EXPECT_TRUE(slots.Admit(7, "10.0.0.1").admitted);
  EXPECT_EQ(slots.Open(), 4u);
}

TEST(ConnectionSlots, TheTotalIsKeptTheSameWayAndAProxyHasNoCapOfItsOwn) {
  ConnectionSlots slots(2, 4);
  EXPECT_TRUE(slots.Admit(1, "").admitted);
  EXPECT_TRUE(slots.Admit(2, "").admitted);
  EXPECT_TRUE(slots.Admit(3, "").admitted) << "the empty key (a proxy) is not capped";
  slots.Serving(1);
  EXPECT_TRUE(slots.Admit(4, "10.0.0.9").admitted);
  const auto admission = slots.Admit(5, "10.0.0.8");
  EXPECT_TRUE(admission.admitted);
  EXPECT_THAT(admission.closed, ElementsAre(2)) << "the oldest waiting connection of any client";
  EXPECT_EQ(slots.Open(), 4u);
}

}  // namespace
