# For the cross builds, which have no GoogleTest packaged for their target: Debian's source of
# it built with the tests, and each suite one ctest entry (a program start costs seconds under
# an emulator, so the cases are not run one by one).
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_CURRENT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

function(add_gtest_suite target)
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES TIMEOUT 900)
endfunction()
