#include <gtest/gtest.h>

#include <cstring>

#include "platform/application.h"
#include "platform/avi.h"
#include "platform/resources.h"
#include "test_pages.h"

namespace platform::test {
namespace {

// 5 x 3 pixels (rows padded to 8 bytes in the file), four frames whose pixels
// tell frame, row and column apart.
AviClip SmallClip() {
  AviClip clip;
  clip.width = 5;
  clip.height = 3;
  clip.microsecondsPerFrame = 20000;
  for (std::uint32_t i = 0; i < 16; ++i) clip.palette.push_back(0xFF000000u | (i * 0x101010u));
  for (int f = 0; f < 4; ++f) {
    std::vector<std::uint8_t> pixels;
    for (int y = 0; y < clip.height; ++y) {
      for (int x = 0; x < clip.width; ++x) pixels.push_back(static_cast<std::uint8_t>(f * 3 + y + x % 2));
    }
    clip.frames.push_back(pixels);
  }
  return clip;
}

void Put32(std::vector<unsigned char>& bytes, std::size_t at, std::uint32_t value) {
  std::memcpy(bytes.data() + at, &value, 4);
}

std::size_t Find(const std::vector<unsigned char>& bytes, const char* tag) {
  for (std::size_t i = 0; i + 4 <= bytes.size(); ++i) {
    if (std::memcmp(bytes.data() + i, tag, 4) == 0) return i;
  }
  return std::string::npos;
}

TEST(AviTest, ReadsWhatIsWritten) {
  AviClip clip = SmallClip();
  std::vector<unsigned char> bytes = WriteAvi(clip);
  std::string error;
  std::optional<AviClip> read = ReadAvi(bytes, &error);
  ASSERT_TRUE(read) << error;
  EXPECT_EQ(read->width, 5);
  EXPECT_EQ(read->height, 3);
  EXPECT_EQ(read->microsecondsPerFrame, 20000u);
  EXPECT_EQ(read->palette, clip.palette);
  EXPECT_EQ(read->frames, clip.frames);  // top row first again
}

TEST(AviTest, EveryTruncationIsRefused) {
  std::vector<unsigned char> bytes = WriteAvi(SmallClip());
  for (std::size_t n = 0; n < bytes.size(); ++n) {
    std::span<const unsigned char> prefix(bytes.data(), n);
    EXPECT_FALSE(ReadAvi(prefix)) << n;
  }
}

// Every byte overwritten with values that upset sizes and tags; the reader
// must stay inside the buffer (the sanitizer build checks that).
TEST(AviTest, CorruptedBytesNeverReadOutsideTheBuffer) {
  const std::vector<unsigned char> good = WriteAvi(SmallClip());
  for (std::size_t i = 0; i < good.size(); ++i) {
    for (unsigned char value : {0x00, 0x01, 0x7F, 0x80, 0xFF}) {
      std::vector<unsigned char> bad = good;
      bad[i] = value;
      std::optional<AviClip> clip = ReadAvi(bad);
      if (clip) {
        ASSERT_FALSE(clip->frames.empty());
        for (const auto& frame : clip->frames) {
          ASSERT_EQ(frame.size(), static_cast<std::size_t>(clip->width) * clip->height);
        }
      }
    }
  }
}

TEST(AviTest, RefusesWhatItCannotPlay) {
  const std::vector<unsigned char> good = WriteAvi(SmallClip());
  const std::size_t strf = Find(good, "strf") + 8;  // the bitmap header
  struct Case {
    const char* what;
    std::size_t at;
    std::uint32_t value;
    const char* error;
  };
  const Case cases[] = {
      {"bits a pixel", strf + 14, 4 | (0u << 16), "frames are not 8 bits a pixel"},
      {"compression", strf + 16, 1, "frames are compressed"},
      {"width", strf + 4, 100000, "bad frame size"},
      {"palette size", strf + 32, 300, "too many palette entries"},
      {"frame size", strf + 8, 40, "frame cut short"},
      {"chunk size", Find(good, "00db") + 4, 0x7FFFFFF0, "chunk runs past the end of the file"},
  };
  for (const Case& c : cases) {
    std::vector<unsigned char> bad = good;
    if (std::string(c.what) == "bits a pixel") {
      bad[c.at] = 4;
    } else {
      Put32(bad, c.at, c.value);
    }
    std::string error;
    EXPECT_FALSE(ReadAvi(bad, &error)) << c.what;
    EXPECT_EQ(error, c.error) << c.what;
  }
}

class AnimationTest : public testing::Test {
 protected:
  AnimationTest() : page("A", &log), sheet(&log) {
    static const std::vector<unsigned char> clip = [] {
      AviClip c = SmallClip();
      c.microsecondsPerFrame = 5000;
      return WriteAvi(c);
    }();
    static const unsigned char broken[] = "RIFF....AVI ";
    RegisterResource(ResourceType::Avi, 300, clip.data(), clip.size());
    RegisterResource(ResourceType::Avi, 301, broken, sizeof broken - 1);
    sheet.AddPage(&page);
    sheet.Create();
    animation = page.GetAnimation(kClip);
  }
  Log log;
  LoggingPage page;
  LoggingSheet sheet;
  Animation* animation = nullptr;
};

TEST_F(AnimationTest, OpenShowsTheFirstFrameAndFailuresSayWhy) {
  EXPECT_FALSE(animation->Open(999));
  EXPECT_EQ(animation->LastError(), 2);
  EXPECT_FALSE(animation->Open(301));
  EXPECT_EQ(animation->LastError(), 13);
  EXPECT_FALSE(animation->IsOpen());
  ASSERT_TRUE(animation->Open(300));
  EXPECT_EQ(animation->LastError(), 0);
  EXPECT_EQ(animation->FrameCount(), 4);
  EXPECT_EQ(animation->CurrentFrame(), 0);
  EXPECT_EQ(animation->FramePeriodMs(), 5);
  EXPECT_FALSE(animation->IsPlaying());
}

TEST_F(AnimationTest, PlaysLoopingOrOnceAndSeeks) {
  ASSERT_TRUE(animation->Open(300));
  ASSERT_TRUE(animation->Play(0, -1, -1));
  // Looping: it comes back to the first frame after the last.
  bool sawLast = false;
  EXPECT_TRUE(ProcessEventsUntil([&] {
    if (animation->CurrentFrame() == 3) sawLast = true;
    return sawLast && animation->CurrentFrame() == 0;
  }, 5000));
  EXPECT_TRUE(animation->IsPlaying());
  animation->Stop();
  EXPECT_FALSE(animation->IsPlaying());

  ASSERT_TRUE(animation->Play(1, 3, 1));
  EXPECT_TRUE(ProcessEventsUntil([&] { return !animation->IsPlaying(); }, 5000));
  EXPECT_EQ(animation->CurrentFrame(), 3);

  EXPECT_TRUE(animation->Seek(2));
  EXPECT_EQ(animation->CurrentFrame(), 2);
  EXPECT_FALSE(animation->IsPlaying());
  EXPECT_FALSE(animation->Play(2, 9, 1));
}

}  // namespace
}  // namespace platform::test
