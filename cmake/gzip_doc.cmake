# ravelo2_gzip_doc(TARGET SOURCE OUTPUT): OUTPUT (ending in .gz) is SOURCE compressed as Debian
# wants installed manual pages and changelogs: gzip -9 without the name and time stamp, so that
# the same sources give the same package; TARGET, built by default, keeps it up to date.
function(ravelo2_gzip_doc target source output)
    string(REGEX REPLACE "\\.gz$" "" plain "${output}")
    add_custom_command(OUTPUT "${output}"
        COMMAND ${CMAKE_COMMAND} -E copy "${source}" "${plain}"
        COMMAND gzip -9nf "${plain}"
        DEPENDS "${source}"
        VERBATIM)
    add_custom_target(${target} ALL DEPENDS "${output}")
endfunction()
