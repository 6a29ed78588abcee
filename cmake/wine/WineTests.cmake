# Tests of the Windows build run under wine (run-under-wine, the emulator the windows preset
# names), all of them on one private X server that a fixture starts and stops: wine binds a
# prefix's desktop to the display of its first program, so every program of a run must share
# that display. The desktop also fixes the user's locale for the run, so every program runs
# under the same, Russian one, whose decimal comma the tests expect. Cross tests take these
# properties from CROSS_TEST_PROPERTIES.
list(GET CMAKE_CROSSCOMPILING_EMULATOR 0 WINE_RUNNER)
list(GET CMAKE_CROSSCOMPILING_EMULATOR 1 WINE_STATE)
set(x_display ${CMAKE_CURRENT_LIST_DIR}/x-display)

add_test(NAME wine_display_start COMMAND ${x_display} start ${WINE_STATE})
add_test(NAME wine_display_stop COMMAND ${x_display} stop ${WINE_STATE})
set_tests_properties(wine_display_start PROPERTIES FIXTURES_SETUP wine_display)
set_tests_properties(wine_display_stop PROPERTIES FIXTURES_CLEANUP wine_display)
set(CROSS_TEST_PROPERTIES FIXTURES_REQUIRED wine_display ENVIRONMENT LANG=ru_RU.UTF-8)
