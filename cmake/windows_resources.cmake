# pf_windows_resources(TARGET DESCRIPTION): the program's icon and a version
# resource in a Windows executable, so that Explorer and the Start menu show them.
function(pf_windows_resources target description)
    set(PAIRFORGE_ICO ${PROJECT_SOURCE_DIR}/packaging/windows/pairforge.ico)
    set(PAIRFORGE_DESCRIPTION "${description}")
    set(PAIRFORGE_EXE ${target})
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/pairforge.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
endfunction()
