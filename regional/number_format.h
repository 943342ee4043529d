// The user's number format, read from the platform each time it is asked for: on Windows the
// user's regional settings; on Linux the locale named by LC_ALL, else LC_NUMERIC, else LANG,
// with the toolkit's own locale data, so it does not depend on which C-library locales are
// installed.
#pragma once

#include "calc/number_text.h"

namespace brenvol::regional {

calc::NumberFormat UserNumberFormat();

}  // namespace brenvol::regional
