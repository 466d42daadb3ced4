# Run at install, once the site's files are in place: names this release after a digest of every
# file, so that the service worker caches each release apart, gives the worker each file's digest
# so that it keeps no byte of another release, and lays compressed copies of the files that
# compress beside them, for servers that serve those as they are.
#   Needs SITE_TEMPLATE_DIR, RELEASE_PREFIX, FACE_PARTS_FILE (the parts of the faces each
#   language writes) and, optionally, BROTLI.
# A relative prefix (cmake --install --prefix build/site) is taken from where the install runs.
get_filename_component(site "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
file(GLOB_RECURSE files RELATIVE "${site}" "${site}/*")
list(FILTER files EXCLUDE REGEX "\\.(gz|br)$|^service-worker\\.js$")
list(SORT files)

# A digest as a fetch's integrity takes it: "sha256-" and its 32 bytes in base64, which CMake
# has no function for: three bytes at a time, the last group padded with a zero byte.
function(integrity_of hex out)
    set(alphabet "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/")
    set(base64 "")
    foreach(start RANGE 0 60 6)
        string(SUBSTRING "${hex}00" ${start} 6 group)
        math(EXPR bits "0x${group}")
        foreach(shift 18 12 6 0)
            math(EXPR index "(${bits} >> ${shift}) & 63")
            string(SUBSTRING "${alphabet}" ${index} 1 letter)
            string(APPEND base64 "${letter}")
        endforeach()
    endforeach()
    string(SUBSTRING "${base64}" 0 43 base64)
    set(${out} "sha256-${base64}=" PARENT_SCOPE)
endfunction()

set(digests "")
set(quoted "")
foreach(file IN LISTS files)
    file(SHA256 "${site}/${file}" digest)
    string(APPEND digests "${file} ${digest}\n")
    integrity_of("${digest}" integrity)
    string(APPEND quoted ",\n  \"${file}\": \"${integrity}\"")
    # The site's own address is its page.
    if(file STREQUAL "index.html")
        string(PREPEND quoted ",\n  \"./\": \"${integrity}\"")
    endif()
endforeach()
string(SUBSTRING "${quoted}" 1 -1 quoted)
string(SHA256 release_digest "${digests}")
string(SUBSTRING "${release_digest}" 0 12 release_digest)
set(DICEWRIGHT_RELEASE "${RELEASE_PREFIX}-${release_digest}")
set(DICEWRIGHT_RELEASE_FILES "{${quoted}\n}")
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
