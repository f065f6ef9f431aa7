// Arbitrary device bytes through the reply dispatcher. The first byte picks the model (one of
// the five, or none identified yet) and the layout the device starts in, so every input runs
// once and the fuzzer itself spreads its inputs over the models. The rest is cut into
// CR-ended lines as the link framer would, so that state carried from one reply to the next
// is exercised too. Aborts when a page is handed an index it cannot take, when DeviceState
// leaves its ranges, or when the keyword chosen differs from the plain token rule.
//
// Run: fuzz_reply_dispatcher -max_len=512 -max_total_time=600 <new corpus dir> fuzz/state/corpus
// (the first folder receives new inputs; the seed folder comes second so it stays as is;
// bytes beyond 512 are not used: a burst of about ten reply lines is enough to carry state
// from line to line, and longer inputs only cost time).
#include "support/recording_sinks.h"

#include "state/reply_dispatcher.h"
#include "state/reply_grammar.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr std::size_t MaxInput = 512;

[[noreturn]] void Fail(const char *what, const PageCall *call = nullptr)
{
    std::fprintf(stderr, "reply fuzz: %s %s\n", what, call ? qPrintable(call->toString()) : "");
    std::abort();
}

// The plain token rule, written apart from the dispatcher's own search (it is the oracle):
// the first keyword of the table that occurs anywhere in the line followed by a space or CR,
// or -1. Byte loops without coverage instrumentation: the fuzzer learns nothing from the
// oracle, and scanning every line once per keyword would otherwise cost most of the run.
struct PlainToken
{
    const char *bytes;
    std::size_t size;
};

// Raw pointers and sizes only: a call into a library helper (vector, string_view) would be
// instrumented again.
__attribute__((no_sanitize("coverage"))) int PlainTokenRule(const char *line, std::size_t size)
{
    static const std::vector<PlainToken> keywords = [] {
        std::vector<PlainToken> all;
        for (int k = 0; k < Reply_KeywordCount(); ++k)
            all.push_back({Reply_Keyword(k).data(), Reply_Keyword(k).size()});
        return all;
    }();
    const PlainToken *tokens = keywords.data();
    const std::size_t tokenCount = keywords.size();
    std::size_t ends[MaxInput]; // a line is never longer than the input
    std::size_t endCount = 0;
    bool before[256] = {}; // bytes found just before a token end
    for (std::size_t i = 0; i < size; ++i) {
        if (line[i] == ' ' || line[i] == '\r') {
            ends[endCount++] = i;
            if (i > 0)
                before[static_cast<unsigned char>(line[i - 1])] = true;
        }
    }
    for (std::size_t k = 0; k < tokenCount; ++k) {
        const PlainToken token = tokens[k];
        if (!before[static_cast<unsigned char>(token.bytes[token.size - 1])])
            continue;
        for (std::size_t e = 0; e < endCount; ++e) {
            const std::size_t end = ends[e];
            if (end < token.size)
                continue;
            const char *start = line + end - token.size;
            std::size_t i = 0;
            while (i < token.size && start[i] == token.bytes[i])
                ++i;
            if (i == token.size)
                return static_cast<int>(k);
        }
    }
    return -1;
}

// The keyword taken must be the one the plain token rule names.
void CheckKeyword(std::string_view line, int taken)
{
    const int expected = PlainTokenRule(line.data(), line.size());
    if (expected != taken)
        Fail(expected < 0 ? "keyword taken where the token rule finds none"
                          : "keyword differs from the token rule");
}

void DispatchAll(std::string_view input, int model, quint32 layout)
{
    SetUpDevice(model, layout);
    RecordingSinks pages;
    while (!input.empty()) {
        const std::size_t cr = input.find('\r');
        const std::size_t size = cr == std::string_view::npos ? input.size() : cr + 1;
        const std::string_view line = input.substr(0, size);
        input.remove_prefix(size);

        pages.calls.resize(0);
        const int taken = Reply_DispatchBytes(line, pages.sinks());
        CheckKeyword(line, taken);
        if (taken < 0 && !pages.calls.isEmpty())
            Fail("page called for a line without keyword", &pages.calls.front());
        for (const PageCall &call : pages.calls) {
            if (const char *problem = PageCallProblem(call))
                Fail(problem, &call);
        }
        if (const char *problem = DeviceStateProblem())
            Fail(problem);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const int model = data[0] % (ModelCount + 1); // ModelCount: no model identified
    const quint32 layout = (data[0] / (ModelCount + 1)) % 5;
    // A burst of device lines; beyond MaxInput bytes an input only repeats what shorter
    // ones exercise, and would slow every run.
    const std::string_view input(reinterpret_cast<const char *>(data) + 1,
                                 std::min<std::size_t>(size - 1, MaxInput));
    DispatchAll(input, model, layout);
    return 0;
}
