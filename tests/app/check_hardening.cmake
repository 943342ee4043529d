cmake_minimum_required(VERSION 3.25)
# Checks the Linux program EXE for Debian's hardening, as hardening-check reads it: a
# position-independent executable, relocations read-only (relro) and bound at start-up (now), the
# stack protector. _FORTIFY_SOURCE, stack-clash and control-flow protection leave no mark every
# build has (a call of a size the compiler knows, a frame large enough to probe, debug
# information), so every compile of a program source in COMMANDS (compile_commands.json) must
# carry their switches.
function(readelf out)
    execute_process(COMMAND readelf -W ${ARGN} ${EXE} OUTPUT_VARIABLE text
        RESULT_VARIABLE code ERROR_QUIET)
    if(NOT code EQUAL 0)
        message(FATAL_ERROR "readelf ${ARGN} failed on ${EXE}")
    endif()
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

readelf(header -h)
readelf(segments -l)
readelf(dynamic -d)
readelf(symbols --dyn-syms)
foreach(check "header;Type: +DYN;not a position-independent executable"
        "segments;GNU_RELRO;no read-only relocations (relro)"
        "dynamic;\\(FLAGS\\) +BIND_NOW;no immediate binding (now)"
        "symbols;__stack_chk_fail;no stack protector")
    list(GET check 0 text)
    list(GET check 1 pattern)
    list(GET check 2 complaint)
    if(NOT "${${text}}" MATCHES "${pattern}")
        message(FATAL_ERROR "${EXE}: ${complaint}")
    endif()
endforeach()

file(READ ${COMMANDS} commands)
string(REGEX MATCHALL "\"command\": \"[^\"]*/(app|faces|ui|calc|input|settings|regional|encoding)/[^\"]*\\.cpp\""
    compiles "${commands}")
if(NOT compiles)
    message(FATAL_ERROR "no compile of the programs' sources in ${COMMANDS}")
endif()
foreach(compile IN LISTS compiles)
    foreach(switch "-D_FORTIFY_SOURCE=[23]" "-fstack-clash-protection" "-fcf-protection")
        if(NOT compile MATCHES " ${switch}( |=full |\")")
            message(FATAL_ERROR "compiled without ${switch}: ${compile}")
        endif()
    endforeach()
endforeach()
