# Run at install, once the site's files are in place: names this release after a digest of every
# file, so that the service worker caches each release apart; tells the page the size of each
# file, so that its progress is right when a server compresses; and lays compressed copies of the
# large files beside them, for servers that serve those as they are.
#   Needs SITE_TEMPLATE_DIR, RELEASE_PREFIX and, optionally, BROTLI.
# A relative prefix (cmake --install --prefix build/site) is taken from where the install runs.
get_filename_component(site "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
file(GLOB_RECURSE files RELATIVE "${site}" "${site}/*")
list(FILTER files EXCLUDE REGEX "\\.(gz|br)$|^service-worker\\.js$|^release\\.js$")
list(SORT files)

set(digests "")
set(quoted "\"./\"")
set(sizes "")
foreach(file IN LISTS files)
    file(SHA256 "${site}/${file}" digest)
    file(SIZE "${site}/${file}" size)
    string(APPEND digests "${file} ${digest}\n")
    string(APPEND quoted ", \"${file}\"")
    if(sizes)
        string(APPEND sizes ", ")
    endif()
    string(APPEND sizes "\"${file}\": ${size}")
endforeach()
string(SHA256 release_digest "${digests}")
string(SUBSTRING "${release_digest}" 0 12 release_digest)
set(DICEWRIGHT_RELEASE "${RELEASE_PREFIX}-${release_digest}")
set(DICEWRIGHT_RELEASE_FILES "[${quoted}, \"release.js\"]")

file(WRITE "${site}/release.js"
    "// This release of the site: its name and the size of each file, written at install.\n"
    "self.dicewrightRelease = { name: '${DICEWRIGHT_RELEASE}', sizes: { ${sizes} } };\n")
configure_file("${SITE_TEMPLATE_DIR}/service-worker.js.in" "${site}/service-worker.js" @ONLY)

foreach(file IN LISTS files)
    if(NOT file MATCHES "\\.(wasm|js)$")
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
