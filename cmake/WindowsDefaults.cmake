# What the Windows programs' projects share: C++17, a release build unless
# told otherwise, and the warnings of the native build.
set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
if(NOT CMAKE_BUILD_TYPE)
  set(CMAKE_BUILD_TYPE Release)
endif()
option(VORNAK_WERROR "Treat warnings as errors" OFF)
add_compile_options(-Wall -Wextra)
if(VORNAK_WERROR)
  add_compile_options(-Werror)
endif()
