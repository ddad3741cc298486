// SPDX-License-Identifier: MIT
#include "translate.h"

#include <atomic>

namespace peg {

namespace {
std::atomic<Translator> installed{nullptr};
}

void SetTranslator(Translator translator) { installed.store(translator); }

std::string translate(const char *context, const char *source)
{
    const Translator t = installed.load(std::memory_order_relaxed);
    return t ? t(context, source) : std::string(source);
}

std::string Fill(const std::string &pattern, std::initializer_list<std::string> args)
{
    const std::string *list = args.begin();
    std::string out;
    out.reserve(pattern.size() + 16 * args.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '9' && std::size_t(next - '1') < args.size()) {
            out += list[next - '1'];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

} // namespace peg
