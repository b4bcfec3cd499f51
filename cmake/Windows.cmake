# The Windows build (cross-compiled with MinGW-w64, see scripts/build-windows):
# the programs' icon and version resource, and GoogleTest from Debian's
# sources. The guides and the demo installation come from a Linux build of
# the same sources (KLUNI_HOST_BUILD), whose tools cannot run here.

# GoogleTest has no MinGW package: Debian ships its sources.
set(KLUNI_GTEST_SOURCE /usr/src/googletest/googletest CACHE PATH "GoogleTest's sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${KLUNI_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
if(NOT TARGET GTest::gtest)
  add_library(GTest::gtest ALIAS gtest)
endif()

set(KLUNI_HOST_BUILD "" CACHE PATH "Linux build folder of the same sources")
if(NOT KLUNI_HOST_BUILD)
  message(FATAL_ERROR "KLUNI_HOST_BUILD must name a Linux build of these sources")
endif()
set(KLUNI_HANDBOOK_FROM ${KLUNI_HOST_BUILD}/bin CACHE PATH "" FORCE)

# The icon file holds the sizes the desktop build renders (PNG-compressed
# entries, as Windows Vista and later read them).
set(KLUNI_ICO ${CMAKE_BINARY_DIR}/kluni.ico)
function(kluni_windows_resources)
  set(pngs)
  foreach(size 16 24 32 48 64 256)
    list(APPEND pngs ${KLUNI_ICON_DIR}/kluni-${size}.png)
  endforeach()
  add_custom_command(OUTPUT ${KLUNI_ICO}
    COMMAND python3 ${PROJECT_SOURCE_DIR}/scripts/png-to-ico ${KLUNI_ICO} ${pngs}
    DEPENDS ${pngs} ${PROJECT_SOURCE_DIR}/scripts/png-to-ico
    VERBATIM)
  # The sizes are rendered for the window icon, in the side windows' folder.
  add_custom_target(kluni_ico DEPENDS ${KLUNI_ICO})
  add_dependencies(kluni_ico kluni_sidewindows)
  foreach(target kluni kluni-cli)
    if(target STREQUAL kluni)
      set(KLUNI_RC_DESCRIPTION "Kluni")
    else()
      set(KLUNI_RC_DESCRIPTION "Kluni im Terminal")
    endif()
    set(KLUNI_RC_FILENAME ${target}.exe)
    set(rc ${CMAKE_BINARY_DIR}/${target}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/kluni.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
    add_dependencies(${target} kluni_ico)
  endforeach()
endfunction()
