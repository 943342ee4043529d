# cmake -DDIR=... -DTEMPLATE=... -DFILES=... -P make_service_worker.cmake: writes DIR/sw.js from
# TEMPLATE, with the page's FILES (a list, relative to DIR) to keep and a version named after their
# contents, so that any change to any of them makes a new version. Rewrites sw.js only when it
# changes, since browsers take a changed sw.js for a new version.
set(contents "")
foreach(file IN LISTS FILES)
    file(SHA256 ${DIR}/${file} hash)
    string(APPEND contents "${file} ${hash}\n")
endforeach()
string(SHA256 BRENVOL_WEB_VERSION "${contents}")
string(SUBSTRING ${BRENVOL_WEB_VERSION} 0 16 BRENVOL_WEB_VERSION)
list(JOIN FILES "', './" files)
set(BRENVOL_WEB_CACHE "'./', './${files}'")
configure_file(${TEMPLATE} ${DIR}/sw.js @ONLY)
