cmake_minimum_required(VERSION 3.25)
# Builds the Debian package from BUILD into SCRATCH and checks it as a user and the archive
# would: what it holds, what it depends on, lintian, and brenvol-cli run from it unpacked.
# Nothing is installed into the system.
file(REMOVE_RECURSE ${SCRATCH})
execute_process(COMMAND ${CPACK} -G DEB --config ${BUILD}/CPackConfig.cmake -B ${SCRATCH}
    OUTPUT_VARIABLE out ERROR_VARIABLE out RESULT_VARIABLE code)
set(deb ${SCRATCH}/brenvol_${VERSION}_amd64.deb)
if(NOT code EQUAL 0 OR NOT EXISTS ${deb})
    message(FATAL_ERROR "cpack made no ${deb}:\n${out}")
endif()

execute_process(COMMAND dpkg-deb --contents ${deb} OUTPUT_VARIABLE contents)
foreach(file usr/bin/brenvol usr/bin/brenvol-cli usr/share/applications/org.brenvol.Brenvol.desktop
        usr/share/metainfo/org.brenvol.Brenvol.metainfo.xml
        usr/share/icons/hicolor/32x32/apps/org.brenvol.Brenvol.png
        usr/share/doc/brenvol/copyright usr/share/doc/brenvol/changelog.gz
        usr/share/man/man1/brenvol.1.gz usr/share/man/man1/brenvol-cli.1.gz)
    if(NOT contents MATCHES " \\./${file}\n")
        message(FATAL_ERROR "the package lacks ${file}:\n${contents}")
    endif()
endforeach()

execute_process(COMMAND dpkg-deb --field ${deb} Depends Recommends Section Maintainer Description
    OUTPUT_VARIABLE fields)
foreach(expected "fonts-liberation" "fonts-dejavu-core" "libqt6widgets6" "libc6"
        "Recommends: qt6-wayland, qt6-translations-l10n"
        "Section: utils" "Maintainer: .+ <.+@.+>" "Description: charge time")
    if(NOT fields MATCHES "${expected}")
        message(FATAL_ERROR "the package's control fields lack '${expected}':\n${fields}")
    endif()
endforeach()

execute_process(COMMAND ${LINTIAN} --fail-on error --tag-display-limit 0 ${deb}
    OUTPUT_VARIABLE lint ERROR_VARIABLE lint RESULT_VARIABLE code)
if(NOT code EQUAL 0)
    message(FATAL_ERROR "lintian reports errors:\n${lint}")
endif()
message(STATUS "lintian:\n${lint}")

execute_process(COMMAND dpkg-deb -x ${deb} ${SCRATCH}/root RESULT_VARIABLE code)
execute_process(COMMAND ${SCRATCH}/root/usr/bin/brenvol-cli 100 1000
    OUTPUT_VARIABLE out RESULT_VARIABLE code)
if(NOT code EQUAL 0 OR NOT out STREQUAL "14 0 0\n")
    message(FATAL_ERROR "brenvol-cli from the package: exit ${code}, '${out}'")
endif()
