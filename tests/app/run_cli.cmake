cmake_minimum_required(VERSION 3.25)

# cmake -DCLI=... -DEMULATOR=... -DEXIT=... -DSTDOUT=... -P run_cli.cmake -- ARGUMENTS...: runs
# brenvol-cli with ARGUMENTS, empty ones included, and checks its exit code against EXIT and its
# standard output against the regular expression STDOUT. A rejection must print the warning, a
# failure some explanation.
set(args "")
set(after_dashes FALSE)
foreach(i RANGE ${CMAKE_ARGC})
    if(after_dashes AND i LESS CMAKE_ARGC)
        string(APPEND args " [==[${CMAKE_ARGV${i}}]==]")  # an empty one survives
    elseif(CMAKE_ARGV${i} STREQUAL "--")
        set(after_dashes TRUE)
    endif()
endforeach()
cmake_language(EVAL CODE "execute_process(COMMAND ${EMULATOR} [==[${CLI}]==]${args}
    RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)")
string(STRIP "${out}" out)
if(NOT code STREQUAL EXIT)
    message(FATAL_ERROR "exit code ${code}, expected ${EXIT}\nstdout: ${out}\nstderr: ${err}")
endif()
if(NOT out MATCHES "^${STDOUT}$")
    message(FATAL_ERROR "stdout '${out}', expected '${STDOUT}'")
endif()
if(EXIT EQUAL 1 AND NOT err STREQUAL "Controllare parametri inseriti\n")
    message(FATAL_ERROR "a rejection must warn on stderr, got: ${err}")
endif()
if(EXIT GREATER 1 AND err STREQUAL "")
    message(FATAL_ERROR "a failure must explain itself on stderr")
endif()
