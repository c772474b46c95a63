# Included into freeglut's own build (CMAKE_PROJECT_INCLUDE): its DLL is
# named glut32.dll, the name the program links and ships, rather than
# libfreeglut.dll. Deferred to the end of freeglut's CMakeLists, where the
# target exists.
cmake_language(DEFER CALL set_target_properties freeglut PROPERTIES OUTPUT_NAME glut32 PREFIX "")
