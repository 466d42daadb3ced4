# Window tests drive the real widgets on Qt's offscreen platform.
find_package(Qt6 REQUIRED COMPONENTS Test Widgets)
function(add_window_test name)
    add_executable(${name} ${name}.cpp event_loop.h qt_test_main.h scripted_main_window.h
        scripted_random_source.h window_controls.h)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(${name} PRIVATE dicewright_ui Qt6::Test)
    add_offscreen_test(${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()

add_window_test(main_window_test)
add_window_test(main_window_aids_test)
# It turns accessibility on as a running screen reader would, through Qt's platform layer.
target_link_libraries(main_window_aids_test PRIVATE Qt6::GuiPrivate)
add_window_test(splash_window_test)
add_window_test(roll_log_test)
add_window_test(difficulty_controls_test)
# Its table of what a field takes, which the web page's test reads too.
qt_add_resources(difficulty_controls_test "field_cases" PREFIX "/"
    FILES optional_number_fields.json)
add_window_test(language_test)
# The long accented test language, which the program itself does not carry.
target_link_libraries(language_test PRIVATE dicewright_test_language)

# The Windows resource read back, from the file that windows_resource makes.
add_executable(resource_tests resource_test.cpp binary_reader.h)
add_dependencies(resource_tests windows_resource)
target_compile_definitions(resource_tests PRIVATE
    DICEWRIGHT_RES_FILE="${DICEWRIGHT_RES_FILE}"
    DICEWRIGHT_ASSETS_DIR="${PROJECT_SOURCE_DIR}/assets")
target_link_libraries(resource_tests PRIVATE dicewright_options GTest::gtest_main)
add_gtest_suite(resource_tests)
