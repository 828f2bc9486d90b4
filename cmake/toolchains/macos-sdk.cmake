# Cross-compiles the program for macOS on Linux, against a macOS SDK folder, with clang and
# lld: a check that the Mac build compiles and links, not a build to run. On a Mac, build
# without this file.
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/macos-sdk.cmake -DVELMOR_MACOS_SDK=DIR
#         -DVELMOR_MACOS_ARCH=arm64|x86_64 [-DVELMOR_MACOS_LINKER=PATH-OF-ld64.lld]
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VELMOR_MACOS_SDK VELMOR_MACOS_ARCH
     VELMOR_MACOS_LINKER)
if(NOT VELMOR_MACOS_SDK)
  message(FATAL_ERROR "Set VELMOR_MACOS_SDK to the macOS SDK folder")
endif()
if(NOT VELMOR_MACOS_ARCH)
  set(VELMOR_MACOS_ARCH arm64)
endif()
if(NOT VELMOR_MACOS_LINKER)
  find_program(VELMOR_MACOS_LINKER NAMES ld64.lld ld64.lld-14 ld64.lld-19
               PATHS /usr/lib/llvm-19/bin /usr/lib/llvm-14/bin REQUIRED)
endif()

set(CMAKE_SYSTEM_NAME Darwin)
set(CMAKE_SYSTEM_VERSION 21.0)  # macOS 12
set(CMAKE_SYSTEM_PROCESSOR "${VELMOR_MACOS_ARCH}")
set(CMAKE_OSX_SYSROOT "${VELMOR_MACOS_SDK}")
set(CMAKE_OSX_ARCHITECTURES "${VELMOR_MACOS_ARCH}")
set(CMAKE_OSX_DEPLOYMENT_TARGET 12.0)

find_program(VELMOR_CLANG NAMES clang clang-19 clang-14 REQUIRED)
find_program(VELMOR_CLANGXX NAMES clang++ clang++-19 clang++-14 REQUIRED)
# The LLVM tools that read and write Mach-O files.
get_filename_component(velmor_llvm_bin "${VELMOR_MACOS_LINKER}" DIRECTORY)
find_program(CMAKE_AR NAMES llvm-ar llvm-ar-14 llvm-ar-19 HINTS "${velmor_llvm_bin}" REQUIRED)
find_program(CMAKE_RANLIB NAMES llvm-ranlib llvm-ranlib-14 llvm-ranlib-19
             HINTS "${velmor_llvm_bin}" REQUIRED)
find_program(CMAKE_INSTALL_NAME_TOOL NAMES llvm-install-name-tool llvm-install-name-tool-14
             llvm-install-name-tool-19 HINTS "${velmor_llvm_bin}" REQUIRED)
set(CMAKE_C_COMPILER "${VELMOR_CLANG}")
set(CMAKE_CXX_COMPILER "${VELMOR_CLANGXX}")
set(CMAKE_OBJCXX_COMPILER "${VELMOR_CLANGXX}")
foreach(language C CXX OBJCXX)
  set(CMAKE_${language}_COMPILER_TARGET "${VELMOR_MACOS_ARCH}-apple-macos12")
endforeach()
set(CMAKE_CXX_FLAGS_INIT "-stdlib=libc++")
set(CMAKE_OBJCXX_FLAGS_INIT "-stdlib=libc++")

# The SDK has link stubs for the frameworks but none for the C and C++ runtime: their
# symbols stay to be found when the program starts, and scripts/check-macos.sh lists them.
# The linker version tells clang that lld takes the platform version as today's linker does.
set(CMAKE_EXE_LINKER_FLAGS_INIT "--ld-path=${VELMOR_MACOS_LINKER} -mlinker-version=711 -nostdlib \
-Wl,-undefined,dynamic_lookup")
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)

set(CMAKE_FIND_ROOT_PATH "${VELMOR_MACOS_SDK}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The third-party libraries come from Homebrew on a Mac; here only their headers are needed,
# and Debian's are portable C and C++.
set(VELMOR_MACOS_CROSS_CHECK ON)
