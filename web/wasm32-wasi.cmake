# SPDX-FileCopyrightText: 2026 Kestrune developers
# SPDX-License-Identifier: MIT

# WebAssembly for the browser: Debian's clang-19 and lld-19 over wasi-libc and libc++ for wasm32.
set(CMAKE_SYSTEM_NAME WASI)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
set(CMAKE_C_COMPILER clang-19)
set(CMAKE_CXX_COMPILER clang++-19)
set(CMAKE_C_COMPILER_TARGET wasm32-wasi)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
set(CMAKE_SYSROOT /usr)
set(CMAKE_EXECUTABLE_SUFFIX .wasm)
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)

# The number reader is header-only; its folder alone, not the host's whole /usr/include.
set(kestrune_fast_float ${CMAKE_BINARY_DIR}/fast-float-include)
file(MAKE_DIRECTORY ${kestrune_fast_float})
if(NOT EXISTS ${kestrune_fast_float}/fast_float)
    file(CREATE_LINK /usr/include/fast_float ${kestrune_fast_float}/fast_float SYMBOLIC)
endif()

# The program throws nothing and asks for no type at run time: both cost size on a phone.
set(CMAKE_CXX_FLAGS_INIT "-isystem ${kestrune_fast_float} -fno-exceptions -fno-rtti")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld")

set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
