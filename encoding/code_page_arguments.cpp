#include "encoding/code_page_arguments.h"

namespace brenvol::encoding {
namespace {

bool TakesNoFlags(unsigned codePage) {
    switch (codePage) {
        case 42:     // symbol
        case 54936:  // GB18030
        case 65000:  // UTF-7
        case 65001:  // UTF-8
        case 50220:
        case 50221:
        case 50222:
        case 50225:
        case 50227:
        case 50229:  // ISO-2022
            return true;
        default:
            return codePage >= 57002 && codePage <= 57011;  // ISCII
    }
}

}  // namespace

ConversionArguments ArgumentsFor(unsigned codePage) {
    if (TakesNoFlags(codePage)) {
        return {0, false};
    }
    return {kNoBestFitChars, true};
}

}  // namespace brenvol::encoding
