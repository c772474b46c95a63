# Writes LICENSES.txt, installed beside vornak.exe: the licences of the two
# libraries whose DLLs ship with it, from their own sources, with Windows
# line ends.
#
#   cmake -DOUTPUT=file -DSDL_SOURCE=dir -DGLUT_SOURCE=dir -P WindowsLicences.cmake
file(READ ${SDL_SOURCE}/LICENSE.txt sdl)
file(READ ${GLUT_SOURCE}/COPYING glut)
set(text "Vornak ships two libraries as DLLs, under their own licences.\n\n")
string(APPEND text "SDL2.dll: Simple DirectMedia Layer (https://www.libsdl.org/)\n"
                   "------------------------------------------------------------\n\n" "${sdl}" "\n\n")
string(APPEND text "glut32.dll: freeglut (https://freeglut.sourceforge.net/)\n"
                   "--------------------------------------------------------\n" "${glut}")
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE ${OUTPUT} "${text}")
