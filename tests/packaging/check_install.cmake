cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${STAGING})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${STAGING}
    OUTPUT_QUIET RESULT_VARIABLE code)
if(NOT code EQUAL 0)
    message(FATAL_ERROR "cmake --install failed")
endif()

set(id org.brenvol.Brenvol)
foreach(file bin/brenvol bin/brenvol-cli share/applications/${id}.desktop
        share/metainfo/${id}.metainfo.xml share/icons/hicolor/32x32/apps/${id}.png)
    if(NOT EXISTS ${STAGING}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${STAGING}/share/applications/${id}.desktop
    RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT code EQUAL 0 OR NOT out STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate: ${out}")
endif()
execute_process(COMMAND ${APPSTREAMCLI} validate --no-net ${STAGING}/share/metainfo/${id}.metainfo.xml
    RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT code EQUAL 0)
    message(FATAL_ERROR "appstreamcli: ${out}")
endif()

# The launcher names the installed program and icon, and the metainfo the launcher.
file(READ ${STAGING}/share/applications/${id}.desktop desktop)
if(NOT desktop MATCHES "\nExec=brenvol\n" OR NOT desktop MATCHES "\nIcon=${id}\n")
    message(FATAL_ERROR "the launcher does not name the installed program and icon")
endif()
file(READ ${STAGING}/share/metainfo/${id}.metainfo.xml metainfo)
if(NOT metainfo MATCHES "<launchable type=\"desktop-id\">${id}.desktop</launchable>")
    message(FATAL_ERROR "the metainfo does not name the launcher")
endif()
if(NOT metainfo MATCHES "<release version=\"${VERSION}\"" OR
   NOT metainfo MATCHES "<project_license>MIT</project_license>")
    message(FATAL_ERROR "the metainfo does not give the release ${VERSION} and its licence")
endif()
