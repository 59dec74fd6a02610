// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/codec/utf8validation.h"

#include <cstdint>
#include <cstring>

namespace calmdesk {

namespace {

constexpr unsigned char kAsciiEnd = 0x80;
constexpr unsigned char kContinuationMask = 0xC0;
constexpr unsigned char kContinuationTag = 0x80;
constexpr std::uint64_t kHighBitOfEveryByte = 0x8080808080808080ULL;

// Lead bytes and, per Unicode's table of well-formed sequences, the range the second
// byte must fall in (this is where overlongs, surrogates and values past U+10FFFF are
// excluded); later bytes are plain continuation bytes.
constexpr unsigned char kFirstTwoByteLead = 0xC2;
constexpr unsigned char kFirstThreeByteLead = 0xE0;
constexpr unsigned char kSurrogateLead = 0xED;
constexpr unsigned char kFirstFourByteLead = 0xF0;
constexpr unsigned char kLastFourByteLead = 0xF4;
constexpr unsigned char kContinuationLow = 0x80;
constexpr unsigned char kContinuationHigh = 0xBF;
constexpr unsigned char kAfterE0Low = 0xA0;  // below: overlong
constexpr unsigned char kAfterEDHigh = 0x9F; // above: a surrogate
constexpr unsigned char kAfterF0Low = 0x90;  // below: overlong
constexpr unsigned char kAfterF4High = 0x8F; // above: past U+10FFFF
constexpr qsizetype kWordSize = sizeof(std::uint64_t);

bool isContinuation(unsigned char byte)
{
    return (byte & kContinuationMask) == kContinuationTag;
}

} // namespace

bool isValidUtf8(QByteArrayView bytes)
{
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *const end = in + bytes.size();
    while (in != end) {
        // Prose is mostly ASCII: skip it a word at a time.
        if (end - in >= kWordSize) {
            std::uint64_t word;
            std::memcpy(&word, in, sizeof word);
            if ((word & kHighBitOfEveryByte) == 0) {
                in += kWordSize;
                continue;
            }
        }
        const unsigned char lead = *in++;
        if (lead < kAsciiEnd)
            continue;

        int continuations = 0;
        unsigned char secondLow = kContinuationLow;
        unsigned char secondHigh = kContinuationHigh;
        if (lead < kFirstTwoByteLead) {
            return false; // a stray continuation byte or an overlong two-byte lead
        } else if (lead < kFirstThreeByteLead) {
            continuations = 1;
        } else if (lead < kFirstFourByteLead) {
            continuations = 2;
            if (lead == kFirstThreeByteLead)
                secondLow = kAfterE0Low;
            else if (lead == kSurrogateLead)
                secondHigh = kAfterEDHigh;
        } else if (lead <= kLastFourByteLead) {
            continuations = 3;
            if (lead == kFirstFourByteLead)
                secondLow = kAfterF0Low;
            else if (lead == kLastFourByteLead)
                secondHigh = kAfterF4High;
        } else {
            return false;
        }

        if (end - in < continuations)
            return false;
        if (in[0] < secondLow || in[0] > secondHigh)
            return false;
        for (int i = 1; i < continuations; ++i) {
            if (!isContinuation(in[i]))
                return false;
        }
        in += continuations;
    }
    return true;
}

} // namespace calmdesk
