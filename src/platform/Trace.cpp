#include "platform/Trace.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>

namespace platform {
namespace {

std::mutex g_sinkMutex;
TraceSink g_sink;
std::atomic<bool> g_hasSink{false};

bool StderrWanted() {
    static const bool wanted = [] {
        const char* value = std::getenv("ZENTOR_TRACE");
        return value != nullptr && std::strcmp(value, "1") == 0;
    }();
    return wanted;
}

std::string_view WithoutNewline(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
        line.remove_suffix(1);
    }
    return line;
}

}  // namespace

bool TraceEnabled() {
    return g_hasSink.load(std::memory_order_acquire) || StderrWanted();
}

void Trace(std::string_view line) {
    line = WithoutNewline(line);
    if (g_hasSink.load(std::memory_order_acquire)) {
        std::lock_guard<std::mutex> lock(g_sinkMutex);
        if (g_sink) {
            g_sink(line);
            return;
        }
    }
    if (StderrWanted()) {
        std::string out(line);
        out.push_back('\n');
        std::fwrite(out.data(), 1, out.size(), stderr);
    }
}

void TraceF(const char* format, ...) {
    if (!TraceEnabled()) {
        return;
    }
    char buffer[1024];
    va_list args;
    va_start(args, format);
    int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (n < 0) {
        return;
    }
    if (static_cast<std::size_t>(n) < sizeof buffer) {
        Trace(std::string_view(buffer, static_cast<std::size_t>(n)));
        return;
    }
    std::string big(static_cast<std::size_t>(n) + 1, '\0');
    va_start(args, format);
    std::vsnprintf(big.data(), big.size(), format, args);
    va_end(args);
    big.resize(static_cast<std::size_t>(n));
    Trace(big);
}

TraceSink SetTraceSink(TraceSink sink) {
    std::lock_guard<std::mutex> lock(g_sinkMutex);
    TraceSink previous = std::move(g_sink);
    g_sink = std::move(sink);
    g_hasSink.store(static_cast<bool>(g_sink), std::memory_order_release);
    return previous;
}

std::string FormatHexLine(const uint8_t* b) {
    char line[128];
    std::snprintf(line, sizeof line,
                  "%02x %02x %02x %02x   %02x %02x %02x %02x   %02x %02x %02x %02x   "
                  "%02x %02x %02x %02x  %02x %02x %02x %02x  %02x %02x %02x %02x  "
                  "%02x %02x %02x %02x  %02x %02x %02x %02x",
                  b[0], b[1], b[2], b[3], b[4], b[5], b[6], b[7], b[8], b[9], b[10], b[11], b[12],
                  b[13], b[14], b[15], b[16], b[17], b[18], b[19], b[20], b[21], b[22], b[23],
                  b[24], b[25], b[26], b[27], b[28], b[29], b[30], b[31]);
    return line;
}

void TraceHexPacket(const uint8_t* data, std::size_t size) {
    if (!TraceEnabled()) {
        return;
    }
    uint8_t packet[64] = {};
    std::memcpy(packet, data, size < sizeof packet ? size : sizeof packet);
    Trace(FormatHexLine(packet));
    Trace(FormatHexLine(packet + 32));
}

struct ScopedTraceCapture::State {
    mutable std::mutex mutex;
    std::vector<std::string> lines;
};

ScopedTraceCapture::ScopedTraceCapture() : m_state(new State) {
    State* state = m_state;
    m_previous = SetTraceSink([state](std::string_view line) {
        std::lock_guard<std::mutex> lock(state->mutex);
        state->lines.emplace_back(line);
    });
}

ScopedTraceCapture::~ScopedTraceCapture() {
    SetTraceSink(std::move(m_previous));
    delete m_state;
}

std::vector<std::string> ScopedTraceCapture::Lines() const {
    std::lock_guard<std::mutex> lock(m_state->mutex);
    return m_state->lines;
}

bool ScopedTraceCapture::Contains(std::string_view text) const {
    std::lock_guard<std::mutex> lock(m_state->mutex);
    for (const std::string& line : m_state->lines) {
        if (line.find(text) != std::string::npos) {
            return true;
        }
    }
    return false;
}

}  // namespace platform
