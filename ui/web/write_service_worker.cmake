# Writes the service worker with the list of the site's files and a release name taken from
# their contents, so that any change to any file makes a new release.
# cmake -DSITE=dir -DTEMPLATE=sw.js.in -P write_service_worker.cmake
file(GLOB_RECURSE files RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files sw.js)
list(SORT files)
set(digests "")
set(quoted "\"./\"")
foreach(file IN LISTS files)
    file(SHA256 ${SITE}/${file} digest)
    string(APPEND digests "${file} ${digest}\n")
    string(APPEND quoted ", \"${file}\"")
endforeach()
string(SHA256 release "${digests}")
string(SUBSTRING ${release} 0 16 RELEASE)
set(FILES ${quoted})
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
