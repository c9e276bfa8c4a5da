# Cross-building for 64-bit Windows with Debian's MinGW-w64 (posix threads).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VELORN_MINGW x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${VELORN_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELORN_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${VELORN_MINGW}-windres)
set(CMAKE_AR ${VELORN_MINGW}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${VELORN_MINGW}-gcc-ranlib-posix CACHE FILEPATH "")

# Libraries come from the MinGW sysroot and the prefixes named in CMAKE_PREFIX_PATH; programs
# (moc, rcc and the like) come from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${VELORN_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Binutils by their plain prefix: CMake cannot derive it from the -posix compiler names.
set(CMAKE_STRIP /usr/bin/${VELORN_MINGW}-strip CACHE FILEPATH "")
set(CMAKE_OBJDUMP /usr/bin/${VELORN_MINGW}-objdump CACHE FILEPATH "")
set(CMAKE_NM /usr/bin/${VELORN_MINGW}-nm CACHE FILEPATH "")
set(CMAKE_OBJCOPY /usr/bin/${VELORN_MINGW}-objcopy CACHE FILEPATH "")
