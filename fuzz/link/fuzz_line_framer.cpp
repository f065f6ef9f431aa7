// Frames arbitrary device bytes whole and in chunks chosen from the input itself, and checks
// what the link relies on: the same lines whatever the chunking, every line CR-terminated,
// within the line limit and not starting with noise, and a bounded partial line.
#include "link/line_framer.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Frame(const uint8_t *data, size_t size, const uint8_t *cuts,
                               size_t cutCount)
{
    LineFramer framer;
    std::vector<std::string> lines;
    auto onLine = [&lines](const char *line, int length) {
        lines.emplace_back(line, static_cast<size_t>(length));
        return true;
    };
    size_t at = 0;
    for (size_t i = 0; at < size; ++i) {
        size_t chunk = size - at;
        if (cutCount > 0)
            chunk = std::min<size_t>(chunk, 1 + cuts[i % cutCount] * 7u);
        framer.feed(reinterpret_cast<const char *>(data) + at, static_cast<qint64>(chunk), onLine);
        if (framer.heldLength() >= LineMaxLength)
            std::abort();
        at += chunk;
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The first bytes steer the chunking, the rest is the stream.
    const size_t cutCount = size > 0 ? std::min<size_t>(data[0] % 16, size - 1) : 0;
    const uint8_t *cuts = data + (size > 0 ? 1 : 0);
    const uint8_t *stream = cuts + cutCount;
    const size_t streamSize = size - (stream - data);

    const std::vector<std::string> whole = Frame(stream, streamSize, nullptr, 0);
    if (Frame(stream, streamSize, cuts, cutCount) != whole)
        std::abort();
    for (const std::string &line : whole) {
        if (line.empty() || line.size() > static_cast<size_t>(LineMaxLength) || line.back() != '\r')
            std::abort();
        if (LineFramer::isNoise(line.front()))
            std::abort();
    }
    return 0;
}
