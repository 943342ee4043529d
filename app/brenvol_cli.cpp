// brenvol-cli [--] CURRENT CAPACITY: the charge time on the command line, for terminals and
// scripts.
// Same calculation and number format as the window; the outcome is told by the exit code.
#include <cstdio>
#include <string>
#include <variant>
#include <vector>

#include "calc/charge_time.h"
#include "regional/number_format.h"
#include "regional/terminal_text.h"

namespace {

using brenvol::regional::ToLocal8Bit;

enum ExitCode { kOk = 0, kRejected = 1, kFailed = 2, kUsage = 64 };

// C's streams, not iostreams: they would make the program four times the size.
void Print(std::FILE* out, const std::string& text) {
    std::fputs(text.c_str(), out);
}

void PrintUsage(std::FILE* out, const brenvol::calc::NumberFormat& format) {
    Print(out,
          "Uso: brenvol-cli [--] CORRENTE CAPACITÀ\n"
          "Calcola il tempo di ricarica di un pacco batterie: capacità / corrente, più il 40%.\n"
          "  CORRENTE  corrente di ricarica in mA\n"
          "  CAPACITÀ  capacità del pacco batterie in mAh\n"
          "Stampa ore, minuti e secondi su una riga, per esempio: 14 0 0\n"
          "I numeri seguono le impostazioni internazionali (LC_ALL, LC_NUMERIC, LANG);\n"
          "separatore decimale attuale: \"" +
              ToLocal8Bit(format.decimalSeparator) +
              "\"\n"
              "Uscita: 0 risultato, 1 parametri respinti, 2 calcolo impossibile, 64 uso errato.\n"
              "  --help     questo aiuto\n"
              "  --version  la versione\n"
              "  --         fine delle opzioni: i valori seguenti sono numeri anche se iniziano "
              "con -\n");
}

}  // namespace

int main(int argc, char** argv) {
    using namespace brenvol;
    const calc::NumberFormat format = regional::UserNumberFormat();
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        PrintUsage(stdout, format);
        return kOk;
    }
    if (args.size() == 1 && args[0] == "--version") {
        Print(stdout, "brenvol-cli " BRENVOL_VERSION "\n");
        return kOk;
    }
    // "--" ends the options; a negative number needs no "--", since no option looks like one.
    if (!args.empty() && args[0] == "--") {
        args.erase(args.begin());
    }
    if (args.size() != 2) {
        PrintUsage(stderr, format);
        return kUsage;
    }
    const auto outcome = calc::Calculate(regional::FromLocal8Bit(args[0].c_str()),
                                         regional::FromLocal8Bit(args[1].c_str()), format);
    if (std::holds_alternative<calc::Rejected>(outcome)) {
        Print(stderr, ToLocal8Bit(calc::kWarningText) + '\n');
        return kRejected;
    }
    if (const auto* results = std::get_if<calc::Results>(&outcome)) {
        Print(stdout, ToLocal8Bit(results->hours) + ' ' + ToLocal8Bit(results->minutes) + ' ' +
                          ToLocal8Bit(results->seconds) + '\n');
        return kOk;
    }
    Print(stderr,
          "Calcolo impossibile: i valori non sono numeri validi o il tempo di ricarica non è un "
          "numero finito\n");
    return kFailed;
}
