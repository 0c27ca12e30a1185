# Shared by both Windows toolchains: Debian's MinGW-w64 with the posix thread model,
# which GoogleTest needs for std::mutex. The including file sets ORBIQA_TRIPLET.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${ORBIQA_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORBIQA_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${ORBIQA_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ORBIQA_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
