# Debian's hardening flags for the Linux programs, as dpkg-buildflags gives them with every
# hardening feature on: the stack protector, _FORTIFY_SOURCE, read-only relocations bound at
# start-up (relro, now), position-independent executables. Debian 12's dpkg does not yet add
# stack-clash protection or control-flow protection (CET), which later ones do: they are added
# here. The build type keeps its own optimisation and debug flags.
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT DPKG_BUILDFLAGS)
    message(STATUS "No dpkg-buildflags: the programs are built without Debian's hardening flags")
    return()
endif()
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                ${DPKG_BUILDFLAGS} --get ${kind}
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^(-g|-O[0-9s]?|-ffile-prefix-map=.*)$")
    set(hardening_${kind} ${flags})
endforeach()
foreach(flag -fstack-clash-protection -fcf-protection)
    if(NOT flag IN_LIST hardening_CXXFLAGS)
        list(APPEND hardening_CXXFLAGS ${flag})
    endif()
endforeach()
add_compile_options(${hardening_CPPFLAGS} ${hardening_CXXFLAGS})
add_link_options(${hardening_LDFLAGS})
