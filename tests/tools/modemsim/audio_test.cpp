#include "audio_track.h"
#include "wav_writer.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

using namespace tonalink::modemsim;

namespace {

constexpr std::size_t kToneSamples = 95 * kSampleRate / 1000;

// Relative power of one frequency in a block (Goertzel).
double powerAt(const int16_t* samples, std::size_t count, double frequency) {
    const double coeff = 2 * std::cos(2 * std::numbers::pi * frequency / kSampleRate);
    double s1 = 0, s2 = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double s0 = samples[i] + coeff * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    return (s1 * s1 + s2 * s2 - coeff * s1 * s2) / (static_cast<double>(count) * count);
}

} // namespace

TEST(AudioTrack, ToneHoldsItsRowAndColumnThenSilence) {
    AudioTrack track;
    ASSERT_TRUE(track.addLine("ATDT5;"));
    const std::vector<int16_t>& s = track.samples();
    ASSERT_EQ(s.size(), 2 * kToneSamples);
    const double row = powerAt(s.data(), kToneSamples, 770);
    const double column = powerAt(s.data(), kToneSamples, 1336);
    EXPECT_GT(row, 1e6);
    EXPECT_GT(column, 1e6);
    for (double other : {697.0, 852.0, 941.0, 1209.0, 1477.0})
        EXPECT_LT(powerAt(s.data(), kToneSamples, other), row / 100) << other;
    EXPECT_EQ(std::vector<int16_t>(s.begin() + kToneSamples, s.end()),
              std::vector<int16_t>(kToneSamples, 0));
}

TEST(AudioTrack, RefusesALineThatWouldPassTheBound) {
    AudioTrack track(2500);
    EXPECT_TRUE(track.addLine("ATZ0"));
    EXPECT_TRUE(track.addLine("ATDT,;"));
    EXPECT_FALSE(track.addLine("ATDT1,;"));
    EXPECT_TRUE(track.addLine("ATDT1;"));
    EXPECT_EQ(track.samples().size(), 2000u * kSampleRate / 1000 + 2 * kToneSamples);
}

TEST(WavFile, HeaderDescribesMono16Bit22050Hz) {
    const std::string expected("RIFF\x28\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0"
                               "\x22\x56\0\0\x44\xac\0\0\x02\0\x10\0"
                               "data\x04\0\0\0\x01\x00\xfe\xff",
                               48);
    EXPECT_EQ(wavFileBytes({1, -2}), expected);
}
