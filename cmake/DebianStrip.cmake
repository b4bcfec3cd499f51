# Run by CPack on the staged files, before it builds the package: strips the
# programs as Debian's dh_strip does, without the symbols that nothing needs
# and without the compiler's notes (which CPack's own stripping leaves in).
file(GLOB programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/bin/*")
if(NOT programs)
  message(FATAL_ERROR "DebianStrip: no programs below ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
foreach(program ${programs})
  execute_process(COMMAND ${CPACK_KLUNI_STRIP} --remove-section=.comment --remove-section=.note --strip-unneeded
                          ${program}
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
