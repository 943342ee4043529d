// The charge time of a battery pack: capacity / current plus a 40 percent surcharge, in whole
// hours, minutes and seconds, as the texts the result boxes show.
//
// Calculate is pure: it reads only its arguments and keeps nothing between calls. It rejects
// the two inputs the user is warned about (an empty capacity, a current of exactly "0") before
// converting anything; a text that does not convert, or arithmetic that yields no finite time,
// gives Failed, never a partial result.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "calc/number_text.h"

namespace brenvol::calc {

struct Rejected {
    bool operator==(const Rejected&) const = default;
};
struct Failed {
    bool operator==(const Failed&) const = default;
};
struct Results {
    std::u16string hours;
    std::u16string minutes;
    std::u16string seconds;
    bool operator==(const Results&) const = default;
};
using Outcome = std::variant<Rejected, Failed, Results>;

// The warning the user is shown for a rejected input.
inline constexpr std::u16string_view kWarningText = u"Controllare parametri inseriti";

Outcome Calculate(std::u16string_view currentText, std::u16string_view capacityText,
                  const NumberFormat& format);

}  // namespace brenvol::calc
