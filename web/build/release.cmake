# Run at install, once the site's files are in place: names this release after a digest of every
# file, so that the service worker caches each release apart, and lays compressed copies of the
# files that compress beside them, for servers that serve those as they are.
#   Needs SITE_TEMPLATE_DIR, RELEASE_PREFIX, FACE_PARTS_FILE (the parts of the faces each
#   language writes) and, optionally, BROTLI.
# A relative prefix (cmake --install --prefix build/site) is taken from where the install runs.
get_filename_component(site "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
file(GLOB_RECURSE files RELATIVE "${site}" "${site}/*")
list(FILTER files EXCLUDE REGEX "\\.(gz|br)$|^service-worker\\.js$")
list(SORT files)

set(digests "")
set(quoted "\"./\"")
foreach(file IN LISTS files)
    file(SHA256 "${site}/${file}" digest)
    string(APPEND digests "${file} ${digest}\n")
    string(APPEND quoted ", \"${file}\"")
endforeach()
string(SHA256 release_digest "${digests}")
string(SUBSTRING "${release_digest}" 0 12 release_digest)
set(DICEWRIGHT_RELEASE "${RELEASE_PREFIX}-${release_digest}")
set(DICEWRIGHT_RELEASE_FILES "[${quoted}]")
file(READ "${FACE_PARTS_FILE}" DICEWRIGHT_FACE_PARTS)
string(STRIP "${DICEWRIGHT_FACE_PARTS}" DICEWRIGHT_FACE_PARTS)

configure_file("${SITE_TEMPLATE_DIR}/service-worker.js.in" "${site}/service-worker.js" @ONLY)

foreach(file IN LISTS files)
    if(NOT file MATCHES "\\.(wasm|js|css|json|html|webmanifest|txt)$")
        continue()
    endif()
    file(REMOVE "${site}/${file}.gz" "${site}/${file}.br")
    file(ARCHIVE_CREATE OUTPUT "${site}/${file}.gz" PATHS "${site}/${file}" FORMAT raw
        COMPRESSION GZip COMPRESSION_LEVEL 9)
    if(BROTLI)
        execute_process(COMMAND "${BROTLI}" --best --force --output=${site}/${file}.br
            "${site}/${file}" COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()
message(STATUS "Release ${DICEWRIGHT_RELEASE}: ${CMAKE_INSTALL_PREFIX}")
