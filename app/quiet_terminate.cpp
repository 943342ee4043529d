// Linked into the Windows programs: when an exception escapes, they end at once, as the
// standard says, without printing the exception's type. A window program has no console to
// print it to, and libstdc++'s default handler, which does, brings in its demangler and printf:
// a fifth of the program. Defined here, ahead of libstdc++ in the link, this one stands in for
// it.
#include <cstdlib>

namespace __gnu_cxx {

[[noreturn]] void __verbose_terminate_handler() {
    std::abort();
}

}  // namespace __gnu_cxx
