// Arbitrary device bytes through the reply dispatcher, once for each model and once with no
// model identified. The input is cut into CR-ended lines as the link framer would, so that
// state carried from one reply to the next is exercised too. The first byte picks the layout
// the device starts in. Aborts when a page is handed an index it cannot take, when
// DeviceState leaves its ranges, or when the keyword chosen differs from the plain token rule.
//
// Run: fuzz_reply_dispatcher -max_total_time=60 <new corpus dir> fuzz/state/corpus
// (the first folder receives new inputs; the seed folder comes second so it stays as is).
#include "support/recording_sinks.h"

#include "state/reply_dispatcher.h"
#include "state/reply_grammar.h"

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Fail(const char *what, const PageCall *call = nullptr)
{
    std::fprintf(stderr, "reply fuzz: %s %s\n", what, call ? qPrintable(call->toString()) : "");
    std::abort();
}

// The keyword taken must be the first of the table that the token rule finds in the line.
void CheckKeyword(std::string_view line, int taken)
{
    for (int k = 0; k < Reply_KeywordCount(); ++k) {
        if (Reply_FindToken(line, Reply_Keyword(k)) >= 0) {
            if (k != taken)
                Fail("keyword differs from the token rule");
            return;
        }
    }
    if (taken != -1)
        Fail("keyword taken where the token rule finds none");
}

void DispatchAll(std::string_view input, int model, quint32 layout, bool checkKeywords)
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
        if (checkKeywords) // the keyword does not depend on the model
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
    const quint32 layout = data[0] % 5;
    const std::string_view input(reinterpret_cast<const char *>(data) + 1, size - 1);
    for (int model = 0; model <= ModelCount; ++model)
        DispatchAll(input, model, layout, model == 0);
    return 0;
}
