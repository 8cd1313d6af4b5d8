# Run by CPack on the package's staging tree before it is packed: strips the programs as
# Debian's dh_strip does, symbols and the compiler's .comment and .note sections removed.
file(GLOB programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_RAVELO2_GAMES_DIR}/*")
if(NOT programs)
    message(FATAL_ERROR "no programs to strip in ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
foreach(program IN LISTS programs)
    execute_process(
        COMMAND ${CPACK_RAVELO2_STRIP} --remove-section=.comment --remove-section=.note ${program}
        COMMAND_ERROR_IS_FATAL ANY)
endforeach()
