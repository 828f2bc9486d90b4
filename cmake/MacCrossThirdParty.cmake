# The third-party libraries for the macOS cross-check: their headers from this machine's
# Debian packages (portable C and C++), their code from Homebrew on a Mac, so here their
# symbols stay unresolved and scripts/check-macos.sh names them.
set(VELMOR_THIRD_PARTY_HEADERS /usr/include CACHE PATH
    "Folder holding the plist, uriparser, gtest and gmock header folders")
set(velmor_third_party_stage "${CMAKE_BINARY_DIR}/third-party-include")
file(MAKE_DIRECTORY "${velmor_third_party_stage}")
# Only these folders: the rest of /usr/include is Linux's C library, not the Mac's.
foreach(folder plist uriparser gtest gmock)
  if(NOT EXISTS "${VELMOR_THIRD_PARTY_HEADERS}/${folder}")
    message(FATAL_ERROR "No ${folder} headers in ${VELMOR_THIRD_PARTY_HEADERS}: install "
                        "libplist-dev liburiparser-dev libgtest-dev libgmock-dev")
  endif()
  file(CREATE_LINK "${VELMOR_THIRD_PARTY_HEADERS}/${folder}"
       "${velmor_third_party_stage}/${folder}" SYMBOLIC)
endforeach()

foreach(library PkgConfig::PLIST PkgConfig::URIPARSER GTest::gtest GTest::gtest_main
                GTest::gmock)
  add_library(${library} INTERFACE IMPORTED GLOBAL)
  set_target_properties(${library} PROPERTIES
      INTERFACE_INCLUDE_DIRECTORIES "${velmor_third_party_stage}")
endforeach()
