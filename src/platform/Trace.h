// The trace sink: every diagnostic line of the program goes through Trace().
// Lines reach stderr when ZENTOR_TRACE=1 and nowhere otherwise; tests install a
// sink of their own to read them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

using TraceSink = std::function<void(std::string_view line)>;

// True when a line would go anywhere; callers with costly formatting check it
// first.
bool TraceEnabled();

// Writes one line. A trailing "\n" is part of some of the program's texts and
// is dropped here, so a line never ends twice.
void Trace(std::string_view line);

// printf-style formatting of one line.
void TraceF(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Replaces the sink (an empty function restores the default stderr sink, which
// writes only when ZENTOR_TRACE=1). Returns the previous sink.
TraceSink SetTraceSink(TraceSink sink);

// The hex form of 32 bytes: groups of four, three blanks between the groups of
// the first half and two in the second half.
std::string FormatHexLine(const uint8_t* bytes32);

// Traces a 64-byte packet as two hex lines (bytes 0-31, 32-63). Shorter data is
// padded with zeros.
void TraceHexPacket(const uint8_t* data, std::size_t size);

// Collects every traced line while it lives; for tests.
class ScopedTraceCapture {
public:
    ScopedTraceCapture();
    ~ScopedTraceCapture();
    ScopedTraceCapture(const ScopedTraceCapture&) = delete;
    ScopedTraceCapture& operator=(const ScopedTraceCapture&) = delete;

    std::vector<std::string> Lines() const;
    bool Contains(std::string_view text) const;

private:
    struct State;
    State* m_state;
    TraceSink m_previous;
};

}  // namespace platform
