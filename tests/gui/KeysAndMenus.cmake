# Keys, menus and the monkey in the running program (label gui), and the
# shell's input handling without a window (label shell). Included from
# CMakeLists.txt in this directory.

# Save files of a short plain game, for the tests of undo and review.
add_executable(gui_make_game make_game.cpp)
target_link_libraries(gui_make_game PRIVATE vornak_core)

add_executable(vornak_input_tests InputLogicTest.cpp ${SHELL_LOGIC_SOURCES})
target_link_libraries(vornak_input_tests PRIVATE
  vornak_core SDL2::SDL2 OpenGL::GL OpenGL::GLU GLUT::GLUT GTest::gtest GTest::gtest_main)
gtest_discover_tests(vornak_input_tests DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120 LABELS shell)

add_test(NAME gui.keys
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/keys_test.sh $<TARGET_FILE:vornak> $<TARGET_FILE:gui_make_game>)
add_test(NAME gui.open_file
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/open_file_test.sh $<TARGET_FILE:vornak> $<TARGET_FILE:gui_make_game>)
add_test(NAME gui.game_text
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/game_text_test.sh $<TARGET_FILE:vornak> ${PROJECT_SOURCE_DIR}/docs/samples)
add_test(NAME gui.menus_game COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/menus_game_test.sh $<TARGET_FILE:vornak>)
add_test(NAME gui.menus_settings
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/menus_settings_test.sh $<TARGET_FILE:vornak>)
set_tests_properties(gui.keys gui.open_file gui.game_text gui.menus_game gui.menus_settings PROPERTIES
  LABELS gui TIMEOUT 600 SKIP_RETURN_CODE 77)

# The monkey runs against the program named by VORNAK_MONKEY_PROGRAM, meant
# to be an AddressSanitizer + UBSan build of vornak (scripts/test.sh builds
# one); without it, against this tree's program.
set(VORNAK_MONKEY_PROGRAM "" CACHE FILEPATH "vornak program the monkey test drives (an ASan build)")
if(VORNAK_MONKEY_PROGRAM)
  set(monkey_program ${VORNAK_MONKEY_PROGRAM})
else()
  set(monkey_program $<TARGET_FILE:vornak>)
endif()
add_test(NAME gui.monkey COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/monkey_test.sh ${monkey_program} 2000)
set_tests_properties(gui.monkey PROPERTIES LABELS gui TIMEOUT 900 SKIP_RETURN_CODE 77)
