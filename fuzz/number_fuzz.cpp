// Val and IsNumeric read whatever a user types into a field, so no bytes may upset them, and the
// window relies on the two agreeing.

#include <cmath>
#include <string>

#include "framework/text.h"
#include "fuzz/fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    const bool numeric = fw::IsNumeric(text);
    const double value = fw::Val(text);

    fuzz::Require(!numeric || std::isfinite(value), "IsNumeric(t) implies Val(t) is finite");
    fuzz::Require(numeric || value == 0.0, "Val gives 0 for a text that is not a number");

    // Blanks around a text change neither answer.
    const std::string padded = " \t" + std::string(text) + "\t ";
    fuzz::Require(fw::IsNumeric(padded) == numeric, "blanks around a text keep IsNumeric");
    fuzz::Require(fw::Val(padded) == value, "blanks around a text keep Val");

    // A minus sign before a number without one negates it exactly.
    if (numeric && !text.empty() && text.front() != '-' && text.front() != '+' &&
        text.front() != ' ' && text.front() != '\t') {
        const std::string negated = "-" + std::string(text);
        fuzz::Require(fw::IsNumeric(negated), "a number with a minus sign is still a number");
        fuzz::Require(
            fw::Val(negated) == -value && std::signbit(fw::Val(negated)) != std::signbit(value),
            "a minus sign negates Val");
    }
    return 0;
}
