# normal.lpw, the start template every new document reads: the empty document
# of a new window, written by the program's own native writer.
add_executable(make_template ${CMAKE_CURRENT_SOURCE_DIR}/make_template.cpp)
target_link_libraries(make_template PRIVATE vendaro_shell)
set_target_properties(make_template PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
set(VENDARO_TEMPLATE_FILE ${VENDARO_PROGRAM_DIR}/normal.lpw)
add_custom_command(OUTPUT ${VENDARO_TEMPLATE_FILE}
  COMMAND make_template ${VENDARO_TEMPLATE_FILE}
  DEPENDS make_template
  COMMENT "Writing the start template normal.lpw")
add_custom_target(start_template ALL DEPENDS ${VENDARO_TEMPLATE_FILE})
install(FILES ${VENDARO_TEMPLATE_FILE} DESTINATION ${VENDARO_DATA_INSTALL_DIR})
