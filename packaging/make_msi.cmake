# CPack's External generator runs this with the programs staged in CPACK_TEMPORARY_DIRECTORY:
# wixl makes the Windows Installer package of them there, per brenvol.wxs, and CPack keeps it.
set(stage ${CPACK_TEMPORARY_DIRECTORY})
set(msi brenvol-${CPACK_PACKAGE_VERSION}-x64.msi)
configure_file(${CPACK_BRENVOL_WXS} ${stage}/brenvol.wxs COPYONLY)
configure_file(${CPACK_BRENVOL_ICON} ${stage}/brenvol.ico COPYONLY)
# wixl takes its files from the folder it runs in, by relative names.
execute_process(
    COMMAND ${CPACK_BRENVOL_WIXL} --arch x64 --define Version=${CPACK_PACKAGE_VERSION}
            --output ${msi} brenvol.wxs
    WORKING_DIRECTORY ${stage} RESULT_VARIABLE code ERROR_VARIABLE errors)
if(NOT code EQUAL 0)
    message(FATAL_ERROR "wixl failed:\n${errors}")
endif()
set(CPACK_EXTERNAL_BUILT_PACKAGES ${stage}/${msi})
