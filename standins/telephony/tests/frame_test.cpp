#include "frame.h"

#include <gtest/gtest.h>

namespace isdn::wire {
namespace {

TEST(FrameTest, FramesSurviveSplitDeliveryAndBadLengthsBreakTheStream) {
  Bytes stream = EncodeFrame({7, 42, Writer().U32(5).Str("Lumvaric").Take()});
  const Bytes second = EncodeFrame({8, 43, {}});
  stream.insert(stream.end(), second.begin(), second.end());
  FrameBuffer buffer;
  Frame frame;
  buffer.Append(stream.data(), 5);
  EXPECT_FALSE(buffer.Next(frame));
  buffer.Append(stream.data() + 5, stream.size() - 5);
  ASSERT_TRUE(buffer.Next(frame));
  EXPECT_EQ(frame.kind, 7);
  EXPECT_EQ(frame.id, 42u);
  Reader reader(frame.payload);
  EXPECT_EQ(reader.U32(), 5u);
  EXPECT_EQ(reader.Str(), "Lumvaric");
  EXPECT_TRUE(reader.Ok());
  ASSERT_TRUE(buffer.Next(frame));
  EXPECT_EQ(frame.id, 43u);

  Bytes huge;
  PutU32(huge, kMaxFrameSize + 1);
  buffer.Append(huge.data(), huge.size());
  EXPECT_FALSE(buffer.Next(frame));
  EXPECT_TRUE(buffer.Broken());
}

TEST(FrameTest, ReaderFailsInsteadOfReadingPastTheEnd) {
  Bytes payload = Writer().U32(1).Take();
  PutU32(payload, 1000);  // a blob that claims more bytes than there are
  Reader reader(payload);
  EXPECT_EQ(reader.U32(), 1u);
  EXPECT_TRUE(reader.Blob().empty());
  EXPECT_FALSE(reader.Ok());
  EXPECT_EQ(reader.U32(), 0u);
}

}  // namespace
}  // namespace isdn::wire
