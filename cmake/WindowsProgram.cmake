# The Windows build of the program and the installer that ships it, included
# by the top-level CMakeLists when MinGW-w64 is installed.
#
#   windows-sources/  SDL2 and freeglut from Debian's source packages
#   windows-deps/     SDL2.dll and glut32.dll built from them, with their
#                     headers and import libraries (built once; a rebuild
#                     of the program leaves them alone)
#   vornak-win/       vornak.exe beside its DLLs
#   setup-win/vornak-setup.exe   setup.exe with the program's package
#
# The sources come from apt-get source (scripts/fetch-windows-sources.sh),
# which needs a deb-src entry; without one the Windows program is left out
# with a warning and the rest of the build goes on.

if(NOT TARGET setup_windows)
  message(WARNING "The Windows program is built with its installer: turn VORNAK_SETUP_WINDOWS on")
  return()
endif()

set(VORNAK_WINDOWS_SOURCES ${CMAKE_BINARY_DIR}/windows-sources CACHE PATH
    "Where the SDL2 and freeglut sources of the Windows build are unpacked")
execute_process(
  COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/fetch-windows-sources.sh ${VORNAK_WINDOWS_SOURCES}
  RESULT_VARIABLE fetched ERROR_VARIABLE fetch_errors)
file(GLOB sdl_source LIST_DIRECTORIES true ${VORNAK_WINDOWS_SOURCES}/libsdl2-*)
file(GLOB glut_source LIST_DIRECTORIES true ${VORNAK_WINDOWS_SOURCES}/freeglut-*)
if(NOT fetched EQUAL 0 OR NOT sdl_source OR NOT glut_source)
  message(WARNING "The Windows program and its installer are not built: "
                  "no SDL2 and freeglut sources.\n${fetch_errors}")
  return()
endif()
list(GET sdl_source 0 sdl_source)
list(GET glut_source 0 glut_source)
# The file versions the installer compares: those of the DLLs' own
# version resources, which follow the source versions.
get_filename_component(sdl_folder ${sdl_source} NAME)
get_filename_component(glut_folder ${glut_source} NAME)
string(REGEX MATCH "[0-9]+\\.[0-9]+\\.[0-9]+" sdl_version ${sdl_folder})
string(REGEX MATCH "[0-9]+\\.[0-9]+\\.[0-9]+" glut_version ${glut_folder})
set(VORNAK_SDL2_FILE_VERSION ${sdl_version}.0)
set(VORNAK_GLUT_FILE_VERSION ${glut_version}.0)
# The product's version "2.98F" as file version numbers: F is the sixth
# letter.
set(VORNAK_FILE_VERSION 2.98.0.6)
# One fixed time for every shipped file, so that a rebuild packs the same
# installer.
set(VORNAK_FILE_TIME "2026-12-07 12:00:00")

set(deps ${CMAKE_BINARY_DIR}/windows-deps)
set(deps_args -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw64.cmake
              -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=${deps})
ExternalProject_Add(windows_sdl2
  SOURCE_DIR ${sdl_source}
  BINARY_DIR ${deps}/sdl2-build
  INSTALL_DIR ${deps}
  CMAKE_ARGS ${deps_args} -DSDL_TEST=OFF -DSDL_STATIC=OFF -DSDL_CCACHE=OFF
  INSTALL_COMMAND ${CMAKE_COMMAND} --install <BINARY_DIR> --strip
  BUILD_BYPRODUCTS ${deps}/bin/SDL2.dll)
ExternalProject_Add(windows_freeglut
  SOURCE_DIR ${glut_source}
  BINARY_DIR ${deps}/freeglut-build
  INSTALL_DIR ${deps}
  CMAKE_ARGS ${deps_args} -DFREEGLUT_BUILD_DEMOS=OFF -DFREEGLUT_BUILD_STATIC_LIBS=OFF
             -DFREEGLUT_REPLACE_GLUT=ON -DCMAKE_PROJECT_INCLUDE=${CMAKE_SOURCE_DIR}/cmake/freeglut-glut32.cmake
  INSTALL_COMMAND ${CMAKE_COMMAND} --install <BINARY_DIR> --strip
  BUILD_BYPRODUCTS ${deps}/bin/glut32.dll)

set(win ${CMAKE_BINARY_DIR}/vornak-win)
ExternalProject_Add(vornak_windows
  SOURCE_DIR ${CMAKE_SOURCE_DIR}/windows
  BINARY_DIR ${win}
  CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw64-posix.cmake
             -DCMAKE_BUILD_TYPE=Release -DVORNAK_WERROR=${VORNAK_WERROR}
             -DCMAKE_PREFIX_PATH=${deps} -DSDL2_DIR=${deps}/lib/cmake/SDL2
             -DVORNAK_FILE_VERSION=${VORNAK_FILE_VERSION}
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  DEPENDS windows_sdl2 windows_freeglut
  BUILD_BYPRODUCTS ${win}/vornak.exe ${win}/SDL2.dll ${win}/glut32.dll)

# The shipped installer: setup.exe with the package of the manifest, which
# names the files built above.
set(VORNAK_WINDOWS_DIR ${win})
set(VORNAK_LICENCE_TEXTS ${win}/LICENSES.txt)
configure_file(${CMAKE_SOURCE_DIR}/windows/vornak-setup.txt.in ${win}/vornak-setup.txt @ONLY)
add_custom_command(
  OUTPUT ${VORNAK_LICENCE_TEXTS}
  COMMAND ${CMAKE_COMMAND} -DOUTPUT=${VORNAK_LICENCE_TEXTS} -DSDL_SOURCE=${sdl_source}
          -DGLUT_SOURCE=${glut_source} -P ${CMAKE_SOURCE_DIR}/cmake/WindowsLicences.cmake
  DEPENDS ${CMAKE_SOURCE_DIR}/cmake/WindowsLicences.cmake
  COMMENT "Licence texts of SDL2 and freeglut for the installer")
file(GLOB mesh_files ${CMAKE_SOURCE_DIR}/pieces/*.STL)
set(shipped_setup ${CMAKE_BINARY_DIR}/setup-win/vornak-setup.exe)
add_custom_command(
  OUTPUT ${shipped_setup}
  COMMAND vornak-package build ${win}/vornak-setup.txt ${CMAKE_BINARY_DIR}/setup-win/setup.exe ${shipped_setup}
  DEPENDS vornak-package ${win}/vornak-setup.txt ${VORNAK_LICENCE_TEXTS} ${mesh_files}
          ${win}/vornak.exe ${win}/SDL2.dll ${win}/glut32.dll
          ${CMAKE_BINARY_DIR}/setup-win/setup.exe ${CMAKE_BINARY_DIR}/setup-win/VTUnInst.exe
  COMMENT "Building the shipped installer setup-win/vornak-setup.exe")
add_custom_target(vornak_setup_windows ALL DEPENDS ${shipped_setup})
add_dependencies(vornak_setup_windows vornak_windows setup_windows)
